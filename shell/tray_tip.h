// The tooltip text of the tray icon.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/text.h"

namespace tq {

// The tip field of the icon record holds 64 bytes; the tip keeps at most 62 of
// them so that the field always ends in zero bytes.
constexpr std::size_t kTrayTipMaxBytes = 62;

// The tip as the tray shows it: at most kTrayTipMaxBytes bytes, never ending
// in the first half of a two-byte character. Bytes are paired as code page
// 936 pairs them (a lead byte 0x81-0xFE takes the byte after it), walking from
// the first byte, so a cut that would split a pair drops the whole pair.
Text cut_tray_tip(std::string_view tip);

}  // namespace tq
