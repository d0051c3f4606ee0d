#include "books/book_loader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "books/book_text.h"

namespace tq {

namespace {

constexpr std::size_t kMinimumChunkBytes = 4;  // the longest UTF-8 sequence
constexpr std::size_t kLongestUtf8Tail = 3;

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }
bool is_high_surrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }

// Collects converted chunks: in place while each output fits in the bytes
// already consumed, otherwise in a buffer of its own. No converter of 936
// writes more bytes than it reads from UTF-8 or UTF-16, but if one ever did,
// writing on in place would overwrite input not yet converted.
class InPlaceWriter {
public:
    explicit InPlaceWriter(Bytes& data) : data_(data) {}

    // consumed_end: where the input read so far ends.
    void write(std::string_view chunk_output, std::size_t consumed_end) {
        if (!spilled_ && written_ + chunk_output.size() <= consumed_end) {
            std::memcpy(data_.data() + written_, chunk_output.data(), chunk_output.size());
            written_ += chunk_output.size();
            return;
        }
        if (!spilled_) {
            spilled_ = true;
            spill_.reserve(written_ + chunk_output.size() + (data_.size() - consumed_end));
            spill_.assign(data_, 0, written_);
        }
        spill_.append(chunk_output);
    }

    // Moves data_[begin, end), input not yet consumed, to the output as it
    // stands.
    void keep(std::size_t begin, std::size_t end) {
        if (!spilled_) {
            // written_ <= begin: the output so far fits in the input consumed.
            std::memmove(data_.data() + written_, data_.data() + begin, end - begin);
            written_ += end - begin;
            return;
        }
        spill_.append(data_, begin, end - begin);
    }

    Text finish() {
        Text result;
        if (spilled_) {
            data_.clear();
            data_.shrink_to_fit();
            result = std::move(spill_);
        } else {
            data_.resize(written_);
            result = std::move(data_);
        }
        // A shrinking copy costs the old buffer plus the new one; it is made
        // only when the text fills at most half of the buffer (UTF-16 of
        // Latin text, say), where it keeps the peak within 1.5 times the file
        // and saves at least as much as it briefly costs.
        if (result.size() <= result.capacity() / 2) result.shrink_to_fit();
        return result;
    }

private:
    Bytes& data_;
    std::size_t written_ = 0;
    bool spilled_ = false;
    Text spill_;
};

// A chunk's output up to its first zero byte, as the whole-text conversions
// end theirs.
std::string_view up_to_zero(std::string_view s) { return s.substr(0, s.find('\0')); }

// Moves end back onto the lead byte of a sequence that would be cut, so that
// each chunk holds whole characters.
std::size_t utf8_chunk_end(const Bytes& data, std::size_t begin, std::size_t end) {
    std::size_t p = end;
    while (p > begin && end - p < kLongestUtf8Tail &&
           is_continuation(static_cast<unsigned char>(data[p])))
        --p;
    // Past three continuation bytes no well-formed sequence is cut anyway.
    return p > begin && !is_continuation(static_cast<unsigned char>(data[p])) ? p : end;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

bool word_is_ascii(const unsigned char* s) {
    std::uint64_t word;
    std::memcpy(&word, s, sizeof word);
    return (word & kHighBits) == 0;
}

// The end of the run of bytes 00-7F that starts at i.
std::size_t ascii_run_end(const unsigned char* s, std::size_t i, std::size_t n) {
    while (i + 8 <= n && word_is_ascii(s + i)) i += 8;
    while (i < n && s[i] < 0x80) ++i;
    return i;
}

// Where the first run of at least kShortestKeptRun bytes 00-7F after from
// begins, or limit. Words are tried at a stride of eight, so a run of 15 or
// more is always found and a shorter one sometimes; which runs are found
// changes only how the data is cut, not the result.
constexpr std::size_t kShortestKeptRun = 8;
std::size_t next_ascii_run(const unsigned char* s, std::size_t from, std::size_t limit) {
    for (std::size_t p = from; p + 8 <= limit; p += 8) {
        if (!word_is_ascii(s + p)) continue;
        std::size_t start = p;
        while (start > from && s[start - 1] < 0x80) --start;
        if (start > from) return start;
    }
    return limit;
}

}  // namespace

// Bytes 00-7F are the same characters in UTF-8 and in code page 936, and
// every converter keeps them as they are, so runs of them are moved to the
// output without a round trip through UTF-16: most of an English book, and
// the markup and numbers of a Chinese one. Such a byte never belongs to a
// sequence of UTF-8, well-formed or not, so the data can be cut on either
// side of a run.
Text utf8_to_ansi_in_place(Bytes utf8, const CodePageConverter& codec, std::size_t chunk_bytes) {
    chunk_bytes = std::max(chunk_bytes, kMinimumChunkBytes);
    // Conversion stops at the first zero byte, as for a zero-terminated string.
    const std::size_t n = std::min(utf8.size(), utf8.find('\0'));
    InPlaceWriter writer(utf8);
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    std::size_t read = 0;
    while (read < n) {
        const std::size_t run_end = ascii_run_end(s, read, n);
        if (run_end - read >= kShortestKeptRun || run_end == n) {
            writer.keep(read, run_end);
            read = run_end;
            continue;
        }
        const std::size_t limit = read + std::min(chunk_bytes, n - read);
        std::size_t end = next_ascii_run(s, read, limit);
        if (end == limit && end < n) end = utf8_chunk_end(utf8, read, end);
        const std::u16string units =
            codec.to_utf16(std::string_view(utf8).substr(read, end - read), kCodePageUtf8);
        const std::string out = codec.from_utf16(units, kCodePageGbk);
        writer.write(up_to_zero(out), end);
        if (out.find('\0') != std::string::npos) break;
        read = end;
    }
    return writer.finish();
}

Text utf16le_to_ansi_in_place(Bytes utf16le, const CodePageConverter& codec,
                              std::size_t chunk_bytes) {
    chunk_bytes = std::max(chunk_bytes, kMinimumChunkBytes);
    const std::size_t chunk_units = chunk_bytes / 2;
    // An odd final byte is a last unit 00xx; the data ends at its first zero
    // unit.
    std::size_t unit_count = utf16le_unit_count(utf16le);
    for (std::size_t i = 0; i < unit_count; ++i) {
        if (utf16le_unit(utf16le, i) == 0) {
            unit_count = i;
            break;
        }
    }
    InPlaceWriter writer(utf16le);
    std::u16string units;
    std::size_t read = 0;  // in units
    while (read < unit_count) {
        std::size_t end = read + std::min(chunk_units, unit_count - read);
        // A surrogate pair stays in one chunk.
        if (end < unit_count && is_high_surrogate(utf16le_unit(utf16le, end - 1))) --end;
        units.resize(end - read);
        for (std::size_t i = read; i < end; ++i) units[i - read] = utf16le_unit(utf16le, i);
        const std::string out = codec.from_utf16(units, kCodePageGbk);
        writer.write(up_to_zero(out), std::min(end * 2, utf16le.size()));
        if (out.find('\0') != std::string::npos) break;
        read = end;
    }
    return writer.finish();
}

LoadedBook load_book(Bytes file_bytes, const CodePageConverter& codec) {
    LoadedBook book;
    book.encoding = classify_encoding(file_bytes, codec);
    Text text;
    switch (book.encoding) {
    case TextEncoding::Utf8:
        text = utf8_to_ansi_in_place(read_book_text(std::move(file_bytes)), codec);
        break;
    case TextEncoding::Utf16Le:
        text = utf16le_to_ansi_in_place(std::move(file_bytes), codec);
        break;
    case TextEncoding::Ansi:
        text = read_book_text(std::move(file_bytes));
        break;
    case TextEncoding::Utf16Be:
        return book;
    }
    book.lines = split_text(std::move(text), "\r\n");
    return book;
}

}  // namespace tq
