// Byte strings for the book-loading tests. Narrow literals hold code page 936
// here, so UTF-8 data is written as u8"" and turned into bytes.
#pragma once

#include <string>
#include <string_view>

namespace tq::testing_bytes {

inline std::string utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// UTF-16LE bytes of a UTF-16 literal, low byte first, without terminator.
inline std::string utf16le(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

}  // namespace tq::testing_bytes
