// The control panel's layout as plain data: every control with its parent,
// rectangle (relative to the parent's client area) and initial text. The
// window code creates controls from this table and the tests compare the
// live windows with it.
#pragma once

#include <span>

namespace tq {

enum class ControlKind {
    Label,        // static text
    HintLabel,    // static text that receives mouse moves (it has a hint)
    Edit,         // single-line edit box
    NumericEdit,  // edit box with an up-down spinner beside it
    Button,
    Radio,        // automatic radio button
    GroupBox,
    ListBox,      // the sorted book list
    Picture,      // the tray picture box
    Hyperlink,
    StatusBar,
};

struct ControlSpec {
    int id;
    ControlKind kind;
    int parent_id;  // 0: the window itself
    int x, y, width, height;
    const char* text;
    bool first_of_group = false;  // WS_GROUP: the first radio button of its group
    bool initially_disabled = false;
};

// In creation order: a parent always comes before its children.
std::span<const ControlSpec> control_panel_layout();

// The id of the up-down spinner beside a numeric field; 0 for other controls.
// The spinner sits right of the field, as high as the field.
int spinner_id_for(int field_id);
constexpr int kSpinnerWidth = 16;

// Outer size of the window; it is centred on the primary screen.
constexpr int kPanelWidth = 943;
constexpr int kPanelHeight = 384;
constexpr const char* kPanelCaption = "控制面板";

}  // namespace tq
