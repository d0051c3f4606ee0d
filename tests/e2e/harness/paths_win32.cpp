#include "tests/e2e/harness/paths_win32.h"

namespace tq::e2e {

std::wstring windows_path_of(const std::string& linux_path) {
    std::wstring path;
    if (!linux_path.empty() && linux_path.front() == '/') path = L"Z:";
    // The build paths are ASCII, so a byte-wise widening is exact.
    for (char c : linux_path) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
    return path;
}

std::wstring program_path() { return windows_path_of(TQ_E2E_PROGRAM); }

std::wstring samples_folder() { return windows_path_of(TQ_E2E_SAMPLES_DIR); }

}  // namespace tq::e2e
