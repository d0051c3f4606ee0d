// The native stand-in for the platform's converter, so that classification and
// conversion are tested on Linux too.
#pragma once

#include "books/codec.h"

namespace tq {

// Code page 936 comes from iconv's "CP936" table, read once into two lookup
// tables (converting through iconv call by call is several times too slow for
// a 100 MB book); UTF-8 is coded by hand. Malformed UTF-8 bytes and byte pairs
// that code page 936 lacks become U+FFFD, one per byte, and characters code
// page 936 lacks become "?", as the platform does with flags 0. There are no
// best-fit substitutes.
class IconvCodePageConverter final : public CodePageConverter {
public:
    std::u16string to_utf16(std::string_view bytes, CodePage code_page) const override;
    std::string from_utf16(std::u16string_view units, CodePage code_page) const override;

    // Stand-in for IsTextUnicode: true for an even number of bytes, at least
    // two, where in the first 64 KiB no zero unit stands before the last unit
    // and the high bytes are zero for at least half of the units (UTF-16LE of
    // mostly Latin text). It never takes 8-bit text for UTF-16, since such
    // text has no zero bytes at all.
    bool is_text_unicode(std::string_view bytes) const override;
};

}  // namespace tq
