// What makes the About window modal without a dialog box: the other top-level
// windows of the thread are disabled while it is open, and a nested message
// loop keeps the program's timer, tray and hot keys running meanwhile.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

namespace tq {

// Disables every top-level window of the calling thread that has neither a
// parent nor an owner, except the ones named, and gives each its former
// enabled state back on restore() or destruction.
class DisabledTopLevelWindows {
public:
    DisabledTopLevelWindows(HWND keep_enabled, HWND also_keep_enabled);
    ~DisabledTopLevelWindows() { restore(); }
    DisabledTopLevelWindows(const DisabledTopLevelWindows&) = delete;
    DisabledTopLevelWindows& operator=(const DisabledTopLevelWindows&) = delete;

    void restore();

private:
    // Window and whether it was enabled before.
    std::vector<std::pair<HWND, bool>> windows_;
};

// Dispatches the thread's messages until window is gone. Escape pressed in it
// (or in one of its children) closes it with WM_CLOSE. A WM_QUIT that arrives
// meanwhile ends the loop, destroys the window and is posted again so the
// outer loop ends too.
void run_modal_loop(HWND window);

}  // namespace tq
