// The committed built-in icon: one 71 x 71 image of 32 bits a pixel, all
// opaque F5 grey, its mask clear.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string read_icon() {
    std::ifstream in(TQ_DEFAULT_ICON_PATH, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le(const std::string& bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes.at(offset + i));
    return value;
}

TEST(DefaultTrayIcon, HasTheExactLayout) {
    const std::string icon = read_icon();
    ASSERT_EQ(icon.size(), 21078u);

    struct Field {
        const char* name;
        std::size_t offset, size;
        std::uint32_t value;
    };
    const Field fields[] = {
        {"reserved", 0, 2, 0},          {"type", 2, 2, 1},
        {"count", 4, 2, 1},             {"width", 6, 1, 71},
        {"height", 7, 1, 71},           {"colours", 8, 1, 0},
        {"entry reserved", 9, 1, 0},    {"planes", 10, 2, 1},
        {"bit count", 12, 2, 32},       {"image size", 14, 4, 21056},
        {"image offset", 18, 4, 22},    {"header size", 22, 4, 40},
        {"bitmap width", 26, 4, 71},    {"bitmap height", 30, 4, 142},
        {"bitmap planes", 34, 2, 1},    {"bitmap bit count", 36, 2, 32},
        {"compression", 38, 4, 0},      {"bitmap image size", 42, 4, 20164},
        {"x resolution", 46, 4, 4724},  {"y resolution", 50, 4, 4724},
        {"colours used", 54, 4, 0},     {"colours important", 58, 4, 0},
    };
    for (const Field& f : fields) EXPECT_EQ(le(icon, f.offset, f.size), f.value) << f.name;
}

TEST(DefaultTrayIcon, EveryPixelIsOpaqueGreyAndTheMaskIsClear) {
    const std::string icon = read_icon();
    ASSERT_EQ(icon.size(), 21078u);
    constexpr std::size_t kPixels = 62, kMask = 20226, kEnd = 21078;
    for (std::size_t i = kPixels; i < kMask; i += 4)
        ASSERT_EQ(icon.substr(i, 4), "\xF5\xF5\xF5\xFF") << "pixel at byte " << i;
    for (std::size_t i = kMask; i < kEnd; ++i) ASSERT_EQ(icon[i], '\0') << "mask byte " << i;
}

}  // namespace
