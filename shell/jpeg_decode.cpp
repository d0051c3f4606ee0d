#include "shell/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
#include <limits>
#include <new>

// jpeglib.h expects size_t and FILE to be declared before it.
#include <jpeglib.h>

namespace tq {
namespace {

// libjpeg's own error handler calls exit(). This one jumps back to the decoder
// instead. Everything between the setjmp and a longjmp is plain C data, so no
// destructor is skipped by the jump.
struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf resume;
};

[[noreturn]] void jump_back(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<JumpingErrors*>(decoder->err)->resume, 1);
}

// Warnings (level -1) are how libjpeg reports a truncated file or corrupt
// entropy data, after which it fills the rest with grey and "succeeds". A
// half-grey picture is not the picture, so a warning fails the decode too.
void fail_on_warning(j_common_ptr decoder, int level) {
    if (level < 0) jump_back(decoder);
}

bool reserve_pixels(Image& image, JDIMENSION width, JDIMENSION height) {
    const std::int64_t pixels = static_cast<std::int64_t>(width) * height;
    if (width == 0 || height == 0 || pixels > kMaxImagePixels) return false;
    try {
        image.bgra.resize(static_cast<std::size_t>(pixels) * kImageBytesPerPixel);
    } catch (const std::bad_alloc&) {
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    return true;
}

// The libjpeg calls, with the jump target. The image lives in the caller's
// frame, outside the part that a longjmp unwinds.
bool run_decoder(const unsigned char* data, unsigned long size, jpeg_decompress_struct& decoder,
                 JumpingErrors& errors, Image& image) {
    decoder.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = &jump_back;
    errors.base.emit_message = &fail_on_warning;
    if (setjmp(errors.resume)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, data, size);
    if (jpeg_read_header(&decoder, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    // The colour conversion of libjpeg-turbo writes the DIB layout directly.
    decoder.out_color_space = JCS_EXT_BGRA;
    jpeg_calc_output_dimensions(&decoder);
    if (!reserve_pixels(image, decoder.output_width, decoder.output_height)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_start_decompress(&decoder);
    if (decoder.output_components != kImageBytesPerPixel) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    const std::size_t stride = static_cast<std::size_t>(image.width) * kImageBytesPerPixel;
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.bgra.data() + stride * decoder.output_scanline;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return true;
}

}  // namespace

std::optional<Image> decode_jpeg(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<unsigned long>::max()) {
        return std::nullopt;
    }
    Image image;
    jpeg_decompress_struct decoder{};
    JumpingErrors errors{};
    if (!run_decoder(reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<unsigned long>(bytes.size()), decoder, errors, image)) {
        return std::nullopt;
    }
    return image;
}

}  // namespace tq
