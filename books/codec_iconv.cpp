#include "books/codec_iconv.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

namespace tq {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char kDefaultChar = '?';
constexpr std::size_t kUnicodeSampleBytes = 64 * 1024;  // even
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFE;
constexpr std::size_t kTrailCount = kLastTrail - kFirstTrail + 1;
// Marks the surrogates in the table from Unicode; no code of 936 has the
// lead byte FF.
constexpr std::uint16_t kSurrogateCode = 0xFFFF;

// Both directions of code page 936. A 936 code of 0x100 or more is a lead
// byte (high) and a trail byte (low); below 0x100 a single byte.
struct Gbk936Tables {
    std::array<char16_t, 0x100> single{};  // kReplacement where a byte is a lead
    std::array<char16_t, (kLastLead - kFirstLead + 1) * kTrailCount> pair{};
    std::array<std::uint16_t, 0x10000> from_unicode{};
};

std::size_t run_iconv(iconv_t cd, const char* in, std::size_t in_size, char* out,
                      std::size_t out_size) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in_ptr = const_cast<char*>(in);
    char* out_ptr = out;
    std::size_t in_left = in_size;
    std::size_t out_left = out_size;
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1) ||
        in_left != 0)
        return 0;
    return out_size - out_left;
}

std::unique_ptr<Gbk936Tables> build_tables() {
    auto tables = std::make_unique<Gbk936Tables>();
    tables->single.fill(kReplacement);
    tables->pair.fill(kReplacement);
    tables->from_unicode.fill(static_cast<std::uint16_t>(kDefaultChar));
    tables->from_unicode[0] = 0;
    for (unsigned u = 0xD800; u <= 0xDFFF; ++u) tables->from_unicode[u] = kSurrogateCode;

    iconv_t to_unicode = iconv_open("UTF-16LE", "CP936");
    iconv_t from_unicode = iconv_open("CP936", "UTF-16LE");
    if (to_unicode == reinterpret_cast<iconv_t>(-1) ||
        from_unicode == reinterpret_cast<iconv_t>(-1)) {
        // Without iconv's table only ASCII converts; the rest substitutes.
        for (unsigned b = 0; b < 0x80; ++b) {
            tables->single[b] = static_cast<char16_t>(b);
            tables->from_unicode[b] = static_cast<std::uint16_t>(b);
        }
        return tables;
    }
    char out[8];
    for (unsigned b = 0; b < 0x100; ++b) {
        const char in = static_cast<char>(b);
        if (run_iconv(to_unicode, &in, 1, out, sizeof out) == 2)
            tables->single[b] = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                                      static_cast<unsigned char>(out[1]) << 8);
    }
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            if (run_iconv(to_unicode, in, 2, out, sizeof out) == 2)
                tables->pair[(lead - kFirstLead) * kTrailCount + trail - kFirstTrail] =
                    static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                          static_cast<unsigned char>(out[1]) << 8);
        }
    }
    for (unsigned u = 1; u < 0x10000; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF) continue;
        const char in[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
        const std::size_t n = run_iconv(from_unicode, in, 2, out, sizeof out);
        if (n == 1)
            tables->from_unicode[u] = static_cast<unsigned char>(out[0]);
        else if (n == 2)
            tables->from_unicode[u] = static_cast<std::uint16_t>(
                static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
    }
    iconv_close(to_unicode);
    iconv_close(from_unicode);
    return tables;
}

const Gbk936Tables& tables() {
    static const std::unique_ptr<Gbk936Tables> built = build_tables();
    return *built;
}

bool is_continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Four bytes as loaded, first byte lowest: 1110xxxx 10xxxxxx 10xxxxxx.
constexpr std::uint32_t kThreeByteMask = 0xC0C0F0;
constexpr std::uint32_t kThreeBytePattern = 0x8080E0;
std::uint32_t load_order(std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::big)
        v = (v >> 24) | (v >> 8 & 0xFF00) | (v << 8 & 0xFF0000) | (v << 24);
    return v;
}

// Both decoders write through a pointer into room for one unit per byte (the
// most either can give) and cut the rest afterwards, so the loop over a large
// book checks no capacity per unit.
void decode_utf8(std::string_view bytes, std::u16string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    out.resize(n);
    char16_t* o = out.data();
    std::size_t i = 0;
    while (i < n) {
        const unsigned c = s[i];
        if (c < 0x80) {
            *o++ = static_cast<char16_t>(c);
            ++i;
            continue;
        }
        // Most of a Chinese book: a three-byte sequence whose lead is neither
        // E0 nor ED, the only leads whose second byte has narrower bounds, so
        // two continuation bytes make it well-formed. One masked compare of
        // the three bytes tests lead and continuations together.
        if (n - i >= 4 && c != 0xE0 && c != 0xED) {
            std::uint32_t v;
            std::memcpy(&v, s + i, sizeof v);
            v = load_order(v);
            if ((v & kThreeByteMask) == kThreeBytePattern) {
                *o++ = static_cast<char16_t>((c & 0x0F) << 12 | (s[i + 1] & 0x3Fu) << 6 |
                                             (s[i + 2] & 0x3Fu));
                i += 3;
                continue;
            }
        }
        // Length, smallest value and the bounds of the second byte, which
        // together reject overlong forms, surrogates and values past U+10FFFF.
        std::size_t length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) length = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;
            if (c == 0xED) high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;
        }
        bool valid = length != 0 && i + length <= n && s[i + 1] >= low && s[i + 1] <= high;
        for (std::size_t k = 2; valid && k < length; ++k) valid = is_continuation(s[i + k]);
        if (!valid) {
            *o++ = kReplacement;
            ++i;
            continue;
        }
        std::uint32_t value = c & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) value = value << 6 | (s[i + k] & 0x3F);
        if (value < 0x10000) {
            *o++ = static_cast<char16_t>(value);
        } else {
            value -= 0x10000;
            *o++ = static_cast<char16_t>(0xD800 + (value >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + (value & 0x3FF));
        }
        i += length;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

void decode_gbk(std::string_view bytes, std::u16string& out) {
    const Gbk936Tables& t = tables();
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    out.resize(n);
    char16_t* o = out.data();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned c = s[i];
        if (c >= kFirstLead && c <= kLastLead && i + 1 < n && s[i + 1] >= kFirstTrail &&
            s[i + 1] <= kLastTrail && s[i + 1] != 0x7F) {
            *o++ = t.pair[(c - kFirstLead) * kTrailCount + s[i + 1] - kFirstTrail];
            ++i;
        } else {
            *o++ = t.single[c];
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

bool is_high_surrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool is_low_surrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// At most two bytes a unit; written through a pointer like the decoders.
void encode_gbk(std::u16string_view units, std::string& out) {
    const Gbk936Tables& t = tables();
    const std::size_t n = units.size();
    out.resize(n * 2);
    char* o = out.data();
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t u = units[i];
        const std::uint16_t code = t.from_unicode[u];
        if (code == kSurrogateCode) {
            // Code page 936 has nothing beyond the BMP: a pair is one
            // character and gives one default character.
            if (is_high_surrogate(u) && i + 1 < n && is_low_surrogate(units[i + 1])) ++i;
            *o++ = kDefaultChar;
            continue;
        }
        // Both bytes are stored either way (the room holds two per unit), so
        // that the length of the code is the only thing that differs.
        const bool two_bytes = code > 0xFF;
        o[0] = static_cast<char>(two_bytes ? code >> 8 : code);
        o[1] = static_cast<char>(code & 0xFF);
        o += two_bytes ? 2 : 1;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

void encode_utf8(std::u16string_view units, std::string& out) {
    const std::size_t n = units.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t value = units[i];
        if (is_high_surrogate(units[i]) && i + 1 < n && is_low_surrogate(units[i + 1])) {
            value = 0x10000 + ((value - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (is_high_surrogate(units[i]) || is_low_surrogate(units[i])) {
            value = kReplacement;
        }
        if (value < 0x80) {
            out.push_back(static_cast<char>(value));
        } else if (value < 0x800) {
            out.push_back(static_cast<char>(0xC0 | value >> 6));
            out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else if (value < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | value >> 12));
            out.push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | value >> 18));
            out.push_back(static_cast<char>(0x80 | (value >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        }
    }
}

}  // namespace

std::u16string IconvCodePageConverter::to_utf16(std::string_view bytes,
                                                CodePage code_page) const {
    std::u16string out;
    if (code_page == kCodePageUtf8) decode_utf8(bytes, out);
    else if (code_page == kCodePageGbk) decode_gbk(bytes, out);
    return out;
}

std::string IconvCodePageConverter::from_utf16(std::u16string_view units,
                                               CodePage code_page) const {
    std::string out;
    if (code_page == kCodePageUtf8) {
        out.reserve(units.size() * 3);
        encode_utf8(units, out);
    } else if (code_page == kCodePageGbk) {
        encode_gbk(units, out);
    }
    return out;
}

bool IconvCodePageConverter::is_text_unicode(std::string_view bytes) const {
    const std::size_t n = bytes.size();
    if (n < 2 || n % 2 != 0) return false;
    // Like any statistical test it judges a sample: the first 64 KiB tell as
    // much as the whole of a 100 MB book, and scanning all of it would cost
    // every load a pass over the file.
    const std::size_t sample = std::min(n, kUnicodeSampleBytes);
    std::size_t zero_high = 0;
    for (std::size_t i = 0; i < sample; i += 2) {
        const bool zero_low = bytes[i] == '\0';
        const bool high_zero = bytes[i + 1] == '\0';
        if (zero_low && high_zero && i + 2 < n) return false;
        zero_high += high_zero;
    }
    return zero_high * 2 >= sample / 2;
}

}  // namespace tq
