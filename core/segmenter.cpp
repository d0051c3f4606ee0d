#include "core/segmenter.h"

#include <algorithm>
#include <utility>

namespace tq {

namespace {

constexpr unsigned char kCutLeadByteMin = 0x7F;
constexpr std::string_view kCrLf = "\r\n";

bool is_cut_lead_byte(char c) { return static_cast<unsigned char>(c) >= kCutLeadByteMin; }

// How many bytes of rest go into the next piece; rest is longer than width.
std::size_t next_piece_length(std::string_view rest, std::size_t width) {
    std::size_t k = 0;
    while (k < width) {
        // rest.size() > width > k, so rest[k] exists; and rest[k + 1] exists
        // whenever a two-byte character is taken, because then k <= width - 2.
        if (is_cut_lead_byte(rest[k])) {
            if (k == width - 1) break;  // the character does not fit
            k += 2;
        } else if (rest[k] == '\r' && rest[k + 1] == '\n') {
            k += 2;
            break;
        } else {
            k += 1;
        }
    }
    // Only a CR LF that began at the width-th byte overshoots; its LF then
    // begins the next piece.
    return std::min(k, width);
}

bool ends_with_crlf(std::string_view piece) {
    return piece.size() >= kCrLf.size() && piece.substr(piece.size() - kCrLf.size()) == kCrLf;
}

}  // namespace

TextArray segment_line(std::string_view line, std::int32_t width) {
    // With a width of 1 a two-byte character could never be taken and with 0
    // or less nothing could, so the cut would never end. The field that feeds
    // the width is kept at 2 or more; anything below is cut as 2, the finest
    // cut that still makes progress.
    const std::size_t n = static_cast<std::size_t>(std::max(width, kMinSegmentWidth));

    Text joined;
    // Each piece of at least n - 1 bytes adds at most one CR LF.
    joined.reserve(line.size() + (line.size() / (n - 1) + 1) * kCrLf.size());
    std::size_t start = 0;
    while (line.size() - start > n) {
        const std::string_view piece = line.substr(start, next_piece_length(line.substr(start), n));
        joined.append(piece);
        if (!ends_with_crlf(piece)) joined.append(kCrLf);
        start += piece.size();
    }
    joined.append(line.substr(start));
    return split_text(std::move(joined), kCrLf);
}

}  // namespace tq
