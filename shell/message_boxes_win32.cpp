#include "shell/message_boxes_win32.h"

#include <windows.h>

namespace tq {

MessageAnswer Win32MessageBoxes::show(const Text& text, const Text& title, MessageButtons buttons,
                                      MessageIcon icon) {
    UINT style = MB_TASKMODAL | (buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK);
    switch (icon) {
        case MessageIcon::None: break;
        case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
        case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
        case MessageIcon::Question: style |= MB_ICONQUESTION; break;
    }
    return MessageBoxA(nullptr, text.c_str(), title.c_str(), style) == IDOK ? MessageAnswer::Ok
                                                                          : MessageAnswer::Cancel;
}

}  // namespace tq
