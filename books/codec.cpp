#include "books/codec.h"


namespace tq {

namespace {

std::u16string utf16_units_until_zero(std::string_view utf16le) {
    const std::size_t count = utf16le_unit_count(utf16le);
    std::u16string units;
    for (std::size_t i = 0; i < count; ++i) {
        const char16_t unit = utf16le_unit(utf16le, i);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return units;
}

}  // namespace

Bytes multibyte_to_utf16(std::string_view bytes, CodePage code_page,
                         const CodePageConverter& codec) {
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string_view::npos) bytes = bytes.substr(0, zero);
    if (bytes.empty()) return {};
    const std::u16string units = codec.to_utf16(bytes, code_page);
    if (units.empty()) return {};
    Bytes out;
    out.reserve((units.size() + 1) * 2);
    for (const char16_t unit : units) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    out.append(2, '\0');
    return out;
}

Bytes utf16_to_multibyte(std::string_view utf16le, CodePage code_page,
                         const CodePageConverter& codec) {
    const std::u16string units = utf16_units_until_zero(utf16le);
    if (units.empty()) return {};
    Bytes out = codec.from_utf16(units, code_page);
    // The result ends at its first zero byte, as a zero-terminated string would.
    const std::size_t zero = out.find('\0');
    if (zero != Bytes::npos) out.resize(zero);
    return out;
}

Text utf8_to_ansi(std::string_view utf8, const CodePageConverter& codec) {
    return utf16le_to_ansi(multibyte_to_utf16(utf8, kCodePageUtf8, codec), codec);
}

Text utf16le_to_ansi(std::string_view utf16le, const CodePageConverter& codec) {
    return utf16_to_multibyte(utf16le, kCodePageGbk, codec);
}

}  // namespace tq
