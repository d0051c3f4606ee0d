// Code-page conversion as the books see it: one small interface over the
// platform's converter, and the whole-text conversions built on it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text.h"

namespace tq {

using CodePage = std::uint32_t;
// Fixed code pages: 936 for every Text, never the system's current ANSI page.
inline constexpr CodePage kCodePageGbk = 936;
inline constexpr CodePage kCodePageUtf8 = 65001;  // CP_UTF8

// The platform's converter. Every call converts exactly the data given (a zero
// byte or unit is converted like any other); malformed input is substituted,
// never an error. An unknown code page, or a platform failure, gives an empty
// result.
class CodePageConverter {
public:
    virtual ~CodePageConverter() = default;
    virtual std::u16string to_utf16(std::string_view bytes, CodePage code_page) const = 0;
    // A character the code page lacks becomes its default character ("?").
    virtual std::string from_utf16(std::u16string_view units, CodePage code_page) const = 0;
    // The statistical UTF-16 test; true means "UTF-16 little-endian".
    virtual bool is_text_unicode(std::string_view bytes) const = 0;
};

// The text up to its first zero byte, as UTF-16LE bytes (low byte first) that
// end in one zero unit, which counts in the length. Empty input, or input that
// starts with a zero byte, gives empty Bytes.
Bytes multibyte_to_utf16(std::string_view bytes, CodePage code_page,
                         const CodePageConverter& codec);

// UTF-16LE bytes up to their first zero unit, converted, without terminator.
// An odd final byte is the low byte of a last unit whose high byte is zero.
Bytes utf16_to_multibyte(std::string_view utf16le, CodePage code_page,
                         const CodePageConverter& codec);

// UTF-8 to code page 936 through UTF-16. A byte-order mark is not removed: it
// becomes whatever code page 936 makes of U+FEFF.
Text utf8_to_ansi(std::string_view utf8, const CodePageConverter& codec);
Text utf16le_to_ansi(std::string_view utf16le, const CodePageConverter& codec);

// Helpers for walking UTF-16LE bytes without building a u16string first.
inline char16_t utf16le_unit(std::string_view bytes, std::size_t unit_index) {
    const std::size_t at = unit_index * 2;
    const auto low = static_cast<unsigned char>(bytes[at]);
    const auto high = at + 1 < bytes.size() ? static_cast<unsigned char>(bytes[at + 1]) : 0u;
    return static_cast<char16_t>(low | (high << 8));
}
// Units in the data, an odd final byte counting as one.
inline std::size_t utf16le_unit_count(std::string_view bytes) { return (bytes.size() + 1) / 2; }

}  // namespace tq
