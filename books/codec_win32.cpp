#include "books/codec_win32.h"

#include <windows.h>

#include <climits>

namespace tq {

namespace {

constexpr DWORD kNoFlags = 0;
constexpr INT kEveryUnicodeTest = -1;  // all bits set: IS_TEXT_UNICODE_* all asked for

}  // namespace

std::u16string Win32CodePageConverter::to_utf16(std::string_view bytes,
                                                CodePage code_page) const {
    // The calls take int lengths; the book loader hands over chunks, so only
    // a caller converting more than 2 GiB at once would meet this.
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(code_page, kNoFlags, bytes.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::u16string out(static_cast<std::size_t>(units), u'\0');
    const int written = MultiByteToWideChar(code_page, kNoFlags, bytes.data(), length,
                                            reinterpret_cast<wchar_t*>(out.data()), units);
    if (written <= 0) return {};
    out.resize(static_cast<std::size_t>(written));
    return out;
}

std::string Win32CodePageConverter::from_utf16(std::u16string_view units,
                                               CodePage code_page) const {
    if (units.empty() || units.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int length = static_cast<int>(units.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
    // No default character and no used-default flag: CP_UTF8 refuses both,
    // and code page 936 then uses its own ("?").
    const int bytes = WideCharToMultiByte(code_page, kNoFlags, wide, length, nullptr, 0, nullptr,
                                          nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    const int written = WideCharToMultiByte(code_page, kNoFlags, wide, length, out.data(), bytes,
                                            nullptr, nullptr);
    if (written <= 0) return {};
    out.resize(static_cast<std::size_t>(written));
    return out;
}

bool Win32CodePageConverter::is_text_unicode(std::string_view bytes) const {
    if (bytes.empty()) return false;
    // The statistics need only the start of a file; a file past 2 GiB is
    // judged on its first 2 GiB, which the int length can name.
    const int length = bytes.size() > static_cast<std::size_t>(INT_MAX)
                           ? INT_MAX
                           : static_cast<int>(bytes.size());
    INT tests = kEveryUnicodeTest;
    return IsTextUnicode(bytes.data(), length, &tests) != FALSE;
}

}  // namespace tq
