#include "shell/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "tests/shell/jpeg_fixtures.h"

namespace tq {
namespace {

std::string about_picture() {
    std::ifstream in(TQ_ABOUT_PICTURE_PATH, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Bgra {
    int b, g, r, a;
};

Bgra pixel_at(const Image& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * kImageBytesPerPixel;
    return {image.bgra[at], image.bgra[at + 1], image.bgra[at + 2], image.bgra[at + 3]};
}

// Allowance for the encoder's rounding at full quality.
constexpr int kTolerance = 8;

void expect_near(Bgra actual, Bgra expected, const char* where) {
    EXPECT_NEAR(actual.b, expected.b, kTolerance) << where << " blue";
    EXPECT_NEAR(actual.g, expected.g, kTolerance) << where << " green";
    EXPECT_NEAR(actual.r, expected.r, kTolerance) << where << " red";
    EXPECT_EQ(actual.a, 255) << where << " alpha";
}

TEST(DecodeJpeg, ChannelsComeOutInDibOrder) {
    auto image = decode_jpeg(test::red_blue_jpeg(16, 8));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 16);
    EXPECT_EQ(image->height, 8);
    ASSERT_EQ(image->bgra.size(), 16u * 8u * 4u);
    expect_near(pixel_at(*image, 2, 0), {0, 0, 255, 255}, "red half, top row");
    expect_near(pixel_at(*image, 13, 7), {255, 0, 0, 255}, "blue half, bottom row");
}

TEST(DecodeJpeg, GreyPictureBecomesGreyPixels) {
    auto image = decode_jpeg(test::grey_jpeg(9, 5, 128));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 9);
    EXPECT_EQ(image->height, 5);
    expect_near(pixel_at(*image, 0, 0), {128, 128, 128, 255}, "first pixel");
    expect_near(pixel_at(*image, 8, 4), {128, 128, 128, 255}, "last pixel");
}

TEST(DecodeJpeg, TheAboutPictureIsWhatTheWindowExpects) {
    const std::string bytes = about_picture();
    ASSERT_FALSE(bytes.empty()) << TQ_ABOUT_PICTURE_PATH;
    auto image = decode_jpeg(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 985);
    EXPECT_EQ(image->height, 985);
    // The light patch under the label and the dark blue bar of the corner
    // that the window shows.
    Bgra patch = pixel_at(*image, 50, 20);
    EXPECT_GT(patch.r, 200);
    EXPECT_GT(patch.g, 200);
    EXPECT_GT(patch.b, 200);
    Bgra bar = pixel_at(*image, 60, 153);
    EXPECT_LT(bar.r, 80);
    EXPECT_GT(bar.b, bar.r) << "blue and red swapped";
}

// A sound picture is refused once it has more pixels than the limit, and
// decoded at the limit itself.
TEST(DecodeJpeg, PixelLimitIsInclusive) {
    constexpr int kSide = 4096;
    static_assert(static_cast<std::int64_t>(kSide) * kSide == kMaxImagePixels);
    auto at_limit = decode_jpeg(test::grey_jpeg(kSide, kSide, 200));
    ASSERT_TRUE(at_limit);
    expect_near(pixel_at(*at_limit, kSide - 1, kSide - 1), {200, 200, 200, 255}, "last pixel");
    EXPECT_FALSE(decode_jpeg(test::grey_jpeg(kSide + 1, kSide, 200)).has_value());
}

// Offset of the two-byte marker FF xx, or npos.
std::size_t marker_at(const std::string& bytes, unsigned char code) {
    return bytes.find(std::string{'\xFF', static_cast<char>(code)});
}

constexpr unsigned char kStartOfFrame = 0xC0;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;

// The frame header holds the height and then the width, big-endian, after
// the marker, its length and the sample precision.
std::string with_frame_size(std::string bytes, int width, int height) {
    const std::size_t frame = marker_at(bytes, kStartOfFrame);
    if (frame == std::string::npos) return {};
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

struct BadPicture {
    const char* name;
    std::function<std::string()> make;
};

class DecodeJpegRefuses : public testing::TestWithParam<BadPicture> {};

TEST_P(DecodeJpegRefuses, GivesNoPicture) {
    const std::string bytes = GetParam().make();
    EXPECT_FALSE(decode_jpeg(bytes).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    BadBytes, DecodeJpegRefuses,
    testing::Values(
        BadPicture{"Empty", [] { return std::string(); }},
        BadPicture{"PlainText", [] { return std::string("not a picture at all"); }},
        BadPicture{"PngSignature",
                   [] { return std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16); }},
        BadPicture{"StartMarkerOnly", [] { return std::string("\xFF\xD8"); }},
        BadPicture{"CutInsideTheHeaders", [] { return about_picture().substr(0, 300); }},
        BadPicture{"CutAtTheStartOfTheScan",
                   [] {
                       std::string bytes = about_picture();
                       return bytes.substr(0, marker_at(bytes, kStartOfScan) + 20);
                   }},
        BadPicture{"CutInTheMiddle",
                   [] {
                       std::string bytes = about_picture();
                       return bytes.substr(0, bytes.size() / 2);
                   }},
        BadPicture{"EndMarkerMissing",
                   [] {
                       std::string bytes = about_picture();
                       return bytes.substr(0, bytes.size() - 2);
                   }},
        BadPicture{"EndMarkerInsideTheScan",
                   [] {
                       std::string bytes = about_picture();
                       const std::size_t middle = bytes.size() / 2;
                       bytes[middle] = '\xFF';
                       bytes[middle + 1] = static_cast<char>(kEndOfImage);
                       return bytes;
                   }},
        BadPicture{"ZeroWidth", [] { return with_frame_size(test::grey_jpeg(8, 8, 10), 0, 8); }},
        BadPicture{"FourColourChannels", [] { return test::cmyk_jpeg(8, 8); }}),
    [](const testing::TestParamInfo<BadPicture>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tq
