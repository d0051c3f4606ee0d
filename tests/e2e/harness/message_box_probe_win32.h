// Message boxes of the program under test: MessageBoxA with no owner makes a
// top-level dialog of class "#32770" whose text is the static control 0xFFFF.
#pragma once

#include <windows.h>

#include <optional>

#include "core/text.h"
#include "tests/e2e/harness/wait.h"

namespace tq::e2e {

struct MessageBoxSeen {
    HWND box = nullptr;
    Text title;
    Text text;
};

// The first message box the process shows within `timeout`.
std::optional<MessageBoxSeen> wait_for_message_box(DWORD process_id,
                                                   Milliseconds timeout = kStepTimeout);
// True when the process shows no message box right now.
bool no_message_box(DWORD process_id);
// Presses the box's button `button_id` (IDOK, IDCANCEL, IDYES...) and waits
// until the box has gone; false when it stays.
bool answer_message_box(HWND box, int button_id);
// Whether the box has a button with that id (which buttons the style gave).
bool has_button(HWND box, int button_id);

}  // namespace tq::e2e
