#include "tests/e2e/harness/text_win32.h"

#include <windows.h>

namespace tq::e2e {

namespace {
constexpr UINT kChineseCodePage = 936;
}

std::wstring to_wide(const Text& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(kChineseCodePage, 0, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kChineseCodePage, 0, text.data(), static_cast<int>(text.size()),
                        wide.data(), length);
    return wide;
}

Text to_text(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = WideCharToMultiByte(kChineseCodePage, 0, wide.data(),
                                           static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                           nullptr);
    Text text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kChineseCodePage, 0, wide.data(), static_cast<int>(wide.size()),
                        text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace tq::e2e
