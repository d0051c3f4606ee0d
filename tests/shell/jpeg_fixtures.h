// Small JPEG pictures made in memory with libjpeg's encoder, with pixels the
// tests know.
#pragma once

#include <string>

namespace tq::test {

// width x height, the left half pure red and the right half pure blue, full
// quality without chroma subsampling so the colours survive the encoding.
std::string red_blue_jpeg(int width, int height);
// width x height, one grey level.
std::string grey_jpeg(int width, int height, int level);
// A four-channel (CMYK) picture, which has no conversion to BGRA.
std::string cmyk_jpeg(int width, int height);

}  // namespace tq::test
