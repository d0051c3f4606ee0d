#include "tests/shell/jpeg_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace tq::test {
namespace {

constexpr int kFullQuality = 100;

std::string encode(int width, int height, int components, J_COLOR_SPACE space,
                   const std::vector<unsigned char>& pixels) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = components;
    encoder.in_color_space = space;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, kFullQuality, TRUE);
    for (int c = 0; c < encoder.num_components; ++c) {
        encoder.comp_info[c].h_samp_factor = 1;
        encoder.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&encoder, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * components;
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels.data()) + stride * encoder.next_scanline;
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&encoder);
    std::free(buffer);
    return bytes;
}

}  // namespace

std::string red_blue_jpeg(int width, int height) {
    std::vector<unsigned char> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            rgb.push_back(left ? 255 : 0);
            rgb.push_back(0);
            rgb.push_back(left ? 0 : 255);
        }
    }
    return encode(width, height, 3, JCS_RGB, rgb);
}

std::string grey_jpeg(int width, int height, int level) {
    std::vector<unsigned char> grey(static_cast<std::size_t>(width) * height,
                                    static_cast<unsigned char>(level));
    return encode(width, height, 1, JCS_GRAYSCALE, grey);
}

std::string cmyk_jpeg(int width, int height) {
    std::vector<unsigned char> cmyk(static_cast<std::size_t>(width) * height * 4, 128);
    return encode(width, height, 4, JCS_CMYK, cmyk);
}

}  // namespace tq::test
