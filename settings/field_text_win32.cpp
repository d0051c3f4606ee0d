#include "settings/field_text_win32.h"

namespace tq {

Text EditFieldText::text() const {
    if (!edit_) return {};
    Text text(static_cast<std::size_t>(GetWindowTextLengthA(edit_)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void EditFieldText::set_text(const Text& text) {
    if (edit_) SetWindowTextA(edit_, text.c_str());
}

}  // namespace tq
