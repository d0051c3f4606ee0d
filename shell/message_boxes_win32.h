// Message boxes as the program shows them: MessageBoxA with no owner window,
// task-modal, so every window of the thread is disabled while one is open.
#pragma once

#include "core/ports.h"

namespace tq {

class Win32MessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const Text& text, const Text& title, MessageButtons buttons,
                       MessageIcon icon) override;
};

}  // namespace tq
