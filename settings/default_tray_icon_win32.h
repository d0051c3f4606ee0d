// The built-in tray picture, embedded in the program as a resource.
#pragma once

#include "core/text.h"

namespace tq {

// The resource script names it so: DEFAULT_TRAY_ICON RCDATA "default_tray.ico".
// RCDATA, not ICON: the picture box and the tray want the .ico file's own
// bytes, and an ICON resource would be split into group and image records.
inline constexpr const char* kDefaultTrayIconResource = "DEFAULT_TRAY_ICON";

// The bytes of that resource, 21078 of them; empty when the program carries
// none.
Bytes default_tray_icon();

}  // namespace tq
