// An icon handle made from the bytes of an .ico file.
#pragma once

#include "core/text.h"
#include "shell/unique_handle.h"

namespace tq {

// The image of choose_ico_image, made with CreateIconFromResourceEx at its own
// size and, when that fails for an image whose bit count is not 16, with
// CreateIconFromResource. None for anything that is not a usable icon file
// (PNG, JPEG and BMP files, truncated data, empty bytes).
unique_icon icon_from_ico_bytes(const Bytes& bytes, int preferred_width);

}  // namespace tq
