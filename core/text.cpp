#include "core/text.h"

#include <limits>
#include <stdexcept>

namespace tq {

void TextArray::add_range(std::size_t offset, std::size_t length) {
    constexpr std::size_t kMax = std::numeric_limits<std::uint32_t>::max();
    if (offset > kMax || length > kMax - offset || offset + length > storage_.size())
        throw std::length_error("TextArray range outside its buffer");
    spans_.push_back(Span{static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length)});
}

void TextArray::push_back(std::string_view text) {
    const std::size_t offset = storage_.size();
    storage_.append(text);
    add_range(offset, text.size());
}

namespace {

// The scan of split_text pairs a byte 0x80-0xFF with the byte after it. A
// separator is matched only where the scan stands on a character boundary.
// The general form walks every byte; it serves separators that begin with a
// byte 0x80 or above.
void split_by_walking(TextArray& result, std::string_view s, std::string_view separator) {
    const std::size_t n = s.size();
    const std::size_t m = separator.size();
    std::size_t scan = 0;
    std::size_t piece = 0;
    while (n - scan >= m) {
        if (s.compare(scan, m, separator) == 0) {
            result.add_range(piece, scan - piece);
            scan += m;
            piece = scan;
        } else if (static_cast<unsigned char>(s[scan]) >= 0x80) {
            if (scan + 1 == n) break;  // a lone lead byte at the very end
            scan += 2;
        } else {
            scan += 1;
        }
    }
    if (piece < n) result.add_range(piece, n - piece);
}

// The same result found by searching for the separator, for separators whose
// first byte is below 0x80 (all the program uses). The position after any
// byte below 0x80 is a character boundary (that byte was a one-byte character
// or the second byte of a pair), and so is the position after a match. So a
// candidate is on a boundary exactly when the run of bytes 0x80-0xFF right
// before it, counted back to the last known boundary, has even length; an odd
// run makes the candidate's first byte the second byte of a pair. A book is
// split in about the time of one search instead of a walk over every byte.
void split_by_searching(TextArray& result, std::string_view s, std::string_view separator) {
    const std::size_t n = s.size();
    const std::size_t m = separator.size();
    std::size_t boundary = 0;  // a known character boundary, no match before it unreported
    std::size_t piece = 0;
    while (boundary < n) {
        const std::size_t candidate = s.find(separator, boundary);
        if (candidate == std::string_view::npos) break;
        std::size_t run_start = candidate;
        while (run_start > boundary && static_cast<unsigned char>(s[run_start - 1]) >= 0x80) --run_start;
        if ((candidate - run_start) % 2 == 1) {
            boundary = candidate + 1;  // after the second byte of a pair
            continue;
        }
        result.add_range(piece, candidate - piece);
        boundary = candidate + m;
        piece = boundary;
    }
    if (piece < n) result.add_range(piece, n - piece);
}

}  // namespace

TextArray split_text(Text text, std::string_view separator) {
    const std::size_t n = text.size();
    TextArray result(std::move(text));
    if (n == 0 || separator.empty()) return result;
    const std::string_view s = result.storage();
    if (static_cast<unsigned char>(separator[0]) < 0x80)
        split_by_searching(result, s, separator);
    else
        split_by_walking(result, s, separator);
    result.shrink_to_fit();
    return result;
}

namespace {

// Full-width forms in code page 936: A3 B0..A3 B9 are the digits, A3 AB the
// plus sign, A3 AD the minus sign, A1 A1 the ideographic space.
std::string normalise_full_width(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 && i + 1 < text.size()) {
            const auto d = static_cast<unsigned char>(text[i + 1]);
            if (c == 0xA3 && d >= 0xB0 && d <= 0xB9) out += static_cast<char>('0' + (d - 0xB0));
            else if (c == 0xA3 && d == 0xAB) out += '+';
            else if (c == 0xA3 && d == 0xAD) out += '-';
            else if (c == 0xA1 && d == 0xA1) out += ' ';
            else { out += text[i]; out += text[i + 1]; }
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::int32_t text_to_int(std::string_view text) {
    const std::string s = normalise_full_width(text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > kLimit) value = kLimit;  // saturate; keeps reading digits
    }
    if (negative) return static_cast<std::int32_t>(-value);  // -2^31 fits
    return static_cast<std::int32_t>(value > kLimit - 1 ? kLimit - 1 : value);
}

Text int_to_text(std::int64_t value) { return std::to_string(value); }

}  // namespace tq
