#include "shell/tray_tip.h"

#include <gtest/gtest.h>

#include <string>

namespace tq {
namespace {

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kZhong = "\xD6\xD0";  // 中
const std::string kA = "\xB0\xA1";      // 啊: its second byte lies in the lead-byte range

struct TipCase {
    const char* name;
    std::string tip;
    std::string shown;
};

TEST(CutTrayTip, KeepsWholeCharactersWithinTheField) {
    const TipCase cases[] = {
        {"empty", "", ""},
        {"short_ascii_kept", "abc", "abc"},
        {"exactly_62_ascii_kept", std::string(62, 'a'), std::string(62, 'a')},
        {"70_ascii_cut_after_62", std::string(70, 'x'), std::string(62, 'x')},
        {"pairs_ending_at_62_kept", repeat(kZhong, 31) + kZhong, repeat(kZhong, 31)},
        {"pair_across_62_dropped", std::string(61, 'a') + kZhong + "b", std::string(61, 'a')},
        {"odd_start_then_pairs", "a" + repeat(kZhong, 31), "a" + repeat(kZhong, 30)},
        // Walking from the first byte: the byte at 61 is 0xA1, a lead byte by
        // value but the second half of 啊, so the cut stays at 62.
        {"trail_byte_in_lead_range", repeat(kA, 31) + "x", repeat(kA, 31)},
        {"trail_byte_in_lead_range_shifted", "x" + repeat(kA, 31), "x" + repeat(kA, 30)},
        {"0x80_is_a_single_byte", std::string(61, 'a') + "\x80" + "b",
         std::string(61, 'a') + "\x80"},
        {"0xFF_is_a_single_byte", std::string(61, 'a') + "\xFF" + "b",
         std::string(61, 'a') + "\xFF"},
        {"lone_lead_byte_at_the_end_kept", "ab\xB0", "ab\xB0"},
        {"lone_lead_byte_at_62_kept", std::string(61, 'a') + "\xB0", std::string(61, 'a') + "\xB0"},
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Text shown = cut_tray_tip(c.tip);
        EXPECT_EQ(shown, c.shown);
        EXPECT_LE(shown.size(), kTrayTipMaxBytes);
    }
}

}  // namespace
}  // namespace tq
