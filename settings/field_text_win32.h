// A numeric field's text on a Win32 edit control.
#pragma once

#include <windows.h>

#include "settings/numeric_field.h"

namespace tq {

// set_text goes through WM_SETTEXT, so the control sends EN_CHANGE to its
// parent before the call returns: the change handling runs inside the write.
class EditFieldText final : public FieldText {
public:
    explicit EditFieldText(HWND edit) : edit_(edit) {}
    void attach(HWND edit) { edit_ = edit; }
    Text text() const override;
    void set_text(const Text& text) override;

private:
    HWND edit_;
};

}  // namespace tq
