#include "books/encoding.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tq {

namespace {

constexpr unsigned char kUtf8Mark[] = {0xEF, 0xBB, 0xBF};
constexpr unsigned char kUtf16LeMark[] = {0xFF, 0xFE};
constexpr unsigned char kUtf16BeMark[] = {0xFE, 0xFF};

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Bytes 00-7F need no look at their neighbours; eight at a time keeps the
// scan of a large mostly-ASCII book near memory speed.
std::size_t skip_ascii(const unsigned char* s, std::size_t i, std::size_t n) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, s + i, sizeof word);
        if (word & kHighBits) break;
        i += 8;
    }
    while (i < n && s[i] < 0x80) ++i;
    return i;
}

}  // namespace

// Eight bytes at a time, each byte's class kept in its top bit: a byte must
// be a continuation (80-BF) exactly where a lead before it asks for one, and
// no byte may be F8-FF. A lead C0-DF asks for the next byte, E0-EF for two,
// F0-F7 for three. That is the byte-by-byte walk below, for all bytes at once.
constexpr std::uint64_t kTopBits = 0x8080808080808080ull;
// The word loop stops this far before the end, so that every sequence whose
// lead it sees is whole and counts for the result.
constexpr std::size_t kWordMargin = 3;
// The words are loaded in host order, and the first byte must be the lowest.
static_assert(std::endian::native == std::endian::little);

bool is_likely_utf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    bool long_sequence_seen = false;
    std::size_t i = 0;
    std::uint64_t carried = 0;  // continuations asked for by leads of the last word
    while (i + 8 + kWordMargin <= n) {
        std::uint64_t w;
        std::memcpy(&w, s + i, sizeof w);
        i += 8;
        if ((w & kTopBits) == 0 && carried == 0) continue;
        const std::uint64_t top1 = w << 1, top2 = w << 2, top3 = w << 3, top4 = w << 4;
        const std::uint64_t continuation = w & ~top1 & kTopBits;
        const std::uint64_t lead = w & top1 & kTopBits;  // C0-FF
        const std::uint64_t lead3 = lead & top2;         // E0-FF
        const std::uint64_t lead4 = lead3 & top3;        // F0-FF
        if (lead4 & top4) return false;                  // F8-FF
        // Byte k of the word sits at bits 8k-8k+7, so a shift left by eight
        // moves a byte's flag onto the byte after it.
        const std::uint64_t asked = lead << 8 | lead3 << 16 | lead4 << 24 | carried;
        if (asked != continuation) return false;
        carried = lead >> 56 | lead3 >> 48 | lead4 >> 40;
        long_sequence_seen = long_sequence_seen || lead3 != 0;
    }
    // Continuations the last word asked for lie within the data (the margin);
    // the walk goes on after them.
    for (int k = 0; k < 3 && (carried >> (8 * k) & 0x80); ++k, ++i)
        if (!is_continuation(s[i])) return false;
    while ((i = skip_ascii(s, i, n)) < n) {
        const unsigned char c = s[i];
        // Whole three-byte sequences first: they are most of a Chinese book.
        if ((c & 0xF0) == 0xE0 && n - i >= 3) {
            if (!is_continuation(s[i + 1]) || !is_continuation(s[i + 2])) return false;
            long_sequence_seen = true;
            i += 3;
            continue;
        }
        std::size_t length;
        if (c >= 0xC0 && c <= 0xDF) length = 2;
        else if (c >= 0xE0 && c <= 0xEF) length = 3;
        else if (c >= 0xF0 && c <= 0xF7) length = 4;
        else return false;  // a continuation byte or F8-FF where a lead belongs
        const std::size_t available = n - i;
        const std::size_t checked = length < available ? length : available;
        for (std::size_t k = 1; k < checked; ++k)
            if (!is_continuation(s[i + k])) return false;
        if (checked < length) break;  // cut off by the end of the data
        if (length >= 3) long_sequence_seen = true;
        i += length;
    }
    return long_sequence_seen;
}

TextEncoding classify_encoding(std::string_view bytes, const CodePageConverter& codec) {
    const auto starts_with = [&](const unsigned char* mark, std::size_t size) {
        return bytes.size() >= size && std::memcmp(bytes.data(), mark, size) == 0;
    };
    const bool utf8_mark_start = starts_with(kUtf8Mark, 2) && bytes.size() >= 3;
    if (utf8_mark_start) {
        if (static_cast<unsigned char>(bytes[2]) == kUtf8Mark[2]) return TextEncoding::Utf8;
    } else {
        if (starts_with(kUtf16LeMark, 2)) return TextEncoding::Utf16Le;
        if (starts_with(kUtf16BeMark, 2)) return TextEncoding::Utf16Be;
    }
    if (bytes.empty()) return TextEncoding::Ansi;
    if (codec.is_text_unicode(bytes)) return TextEncoding::Utf16Le;
    if (is_likely_utf8(bytes)) return TextEncoding::Utf8;
    return TextEncoding::Ansi;
}

}  // namespace tq
