// Text, TextArray and the two helpers every subsystem shares.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// A byte string in code page 936; lengths and positions count bytes. The
// program never puts a NUL inside one.
using Text = std::string;

// A byte buffer with an explicit length (file contents, encoded data). The
// same type as Text so that a file's bytes can become a book's text without
// a copy.
using Bytes = std::string;

// An ordered array of texts. All elements live in one buffer that the array
// owns, so a book of millions of lines costs one allocation plus eight bytes
// a line instead of one heap block per line.
class TextArray {
public:
    TextArray() = default;

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }

    // 0-based; the caller keeps i below size().
    std::string_view operator[](std::size_t i) const {
        const Span& s = spans_[i];
        return std::string_view(storage_).substr(s.offset, s.length);
    }
    Text text(std::size_t i) const { return Text((*this)[i]); }

    // Building: the array takes the buffer and then records the elements as
    // (offset, length) ranges of it.
    explicit TextArray(std::string storage) : storage_(std::move(storage)) {}
    void add_range(std::size_t offset, std::size_t length);
    void reserve(std::size_t count) { spans_.reserve(count); }
    void shrink_to_fit() { spans_.shrink_to_fit(); }
    // Appends a text of its own at the end of the buffer (small arrays only:
    // the buffer may move, which is harmless since elements are offsets).
    void push_back(std::string_view text);

    const std::string& storage() const { return storage_; }

private:
    // 32-bit offsets: a buffer of 4 GiB or more is refused by add_range.
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };
    std::string storage_;
    std::vector<Span> spans_;
};

// Splits text at every separator (never empty). Inner and leading empty pieces
// stay, a trailing empty piece is dropped, and a separator is never matched
// starting at the second byte of a two-byte character (first byte 0x80-0xFF).
// Takes the text by value: a caller that moves a large text in pays no copy.
TextArray split_text(Text text, std::string_view separator);

// The integer value of a text: full-width digits, plus and minus signs and the
// ideographic space of code page 936 count as their ASCII forms; leading white
// space is skipped, one sign is read, then decimal digits up to the first other
// character. No leading digits give 0. Values beyond the signed 32-bit range
// saturate at its ends.
std::int32_t text_to_int(std::string_view text);

// Plain decimal digits, as numbers are written back into fields and the INI.
Text int_to_text(std::int64_t value);

}  // namespace tq
