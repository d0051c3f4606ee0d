// The platform's converter: MultiByteToWideChar, WideCharToMultiByte and
// IsTextUnicode.
#pragma once

#include "books/codec.h"

namespace tq {

class Win32CodePageConverter final : public CodePageConverter {
public:
    // Flags 0 on both calls: malformed input is substituted, and a character
    // the code page lacks becomes its best-fit or default character.
    std::u16string to_utf16(std::string_view bytes, CodePage code_page) const override;
    std::string from_utf16(std::u16string_view units, CodePage code_page) const override;
    // Every test requested (the test word set to all ones).
    bool is_text_unicode(std::string_view bytes) const override;
};

}  // namespace tq
