// The modal About window: name, version and credit, the picture and the two
// web links.
#pragma once

#include "shell/hyperlink_win32.h"

namespace tq {

// Opens the About window and returns when it has been closed (close box,
// Alt+F4 or Escape). Meanwhile the other top-level windows of the thread are
// disabled, and every message of the thread keeps being dispatched.
void show_about();

// The same with the opener that the two links use; tests pass their own.
void show_about(const Hyperlink::AddressOpener& opener);

// The About window's registered class, for finding it.
constexpr const char* kAboutWindowClass = "TarnquilAbout";

}  // namespace tq
