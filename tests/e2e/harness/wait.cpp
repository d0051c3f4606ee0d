#include "tests/e2e/harness/wait.h"

#include <windows.h>

namespace tq::e2e {

namespace {
constexpr DWORD kPollIntervalMs = 20;
}

bool wait_until(const std::function<bool()>& condition, Milliseconds timeout) {
    const ULONGLONG deadline = GetTickCount64() + timeout.count;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollIntervalMs);
    }
}

bool holds_for(const std::function<bool()>& condition, Milliseconds duration) {
    const ULONGLONG deadline = GetTickCount64() + duration.count;
    for (;;) {
        if (!condition()) return false;
        if (GetTickCount64() >= deadline) return true;
        Sleep(kPollIntervalMs);
    }
}

}  // namespace tq::e2e
