// Conversions between the program's code-page-936 texts and the UTF-16 that
// the driver's wide calls use. Fixed to 936 so that the driver's own ANSI
// code page does not matter.
#pragma once

#include <string>

#include "core/text.h"

namespace tq::e2e {

std::wstring to_wide(const Text& text);
Text to_text(const std::wstring& wide);

}  // namespace tq::e2e
