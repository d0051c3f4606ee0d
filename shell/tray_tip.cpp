#include "shell/tray_tip.h"

namespace tq {

namespace {

// The lead bytes of code page 936, as IsDBCSLeadByteEx(936, ...) reports them.
bool is_cp936_lead_byte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace

Text cut_tray_tip(std::string_view tip) {
    std::size_t end = 0;
    while (end < tip.size()) {
        const bool pair =
            is_cp936_lead_byte(static_cast<unsigned char>(tip[end])) && end + 1 < tip.size();
        const std::size_t next = end + (pair ? 2 : 1);
        if (next > kTrayTipMaxBytes) break;
        end = next;
    }
    return Text(tip.substr(0, end));
}

}  // namespace tq
