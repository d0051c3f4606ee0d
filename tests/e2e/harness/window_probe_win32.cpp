#include "tests/e2e/harness/window_probe_win32.h"

#include "tests/e2e/harness/text_win32.h"
#include "tests/e2e/harness/wait.h"

namespace tq::e2e {

namespace {

constexpr UINT kSendTimeoutMs = static_cast<UINT>(kStepTimeout.count);
constexpr int kClassNameCapacity = 256;
constexpr int kCaptionCapacity = 1024;

struct TopWindowSearch {
    DWORD process_id;
    std::wstring caption;        // compared when `match_caption`
    bool match_caption;
    std::wstring class_name;     // compared when not empty
    std::vector<HWND> found;
};

BOOL CALLBACK collect_top_window(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopWindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process_id) return TRUE;
    if (!search->class_name.empty() && class_name_of(window) != search->class_name) return TRUE;
    if (search->match_caption) {
        // For another process's window GetWindowTextW reads the stored
        // caption and sends nothing, so a busy program cannot stall the search.
        wchar_t caption[kCaptionCapacity] = {};
        GetWindowTextW(window, caption, kCaptionCapacity);
        if (search->caption != caption) return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK find_control_by_id(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::optional<LRESULT> send_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

HWND find_top_window(DWORD process_id, const Text& caption) {
    TopWindowSearch search{process_id, to_wide(caption), true, {}, {}};
    EnumWindows(&collect_top_window, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

std::vector<HWND> top_windows_of_class(DWORD process_id, const wchar_t* class_name) {
    TopWindowSearch search{process_id, {}, false, class_name, {}};
    EnumWindows(&collect_top_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND find_control(HWND parent, int id) {
    if (!parent) return nullptr;
    // EnumChildWindows walks all descendants, group-box children included.
    ControlSearch search{id, nullptr};
    EnumChildWindows(parent, &find_control_by_id, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Text window_text(HWND window) {
    const auto length = send_message(window, WM_GETTEXTLENGTH);
    if (!length || *length <= 0) return {};
    std::wstring buffer(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied = send_message(window, WM_GETTEXT, buffer.size(),
                                     reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied) return {};
    buffer.resize(static_cast<size_t>(*copied));
    return to_text(buffer);
}

bool set_window_text(HWND window, const Text& text) {
    const std::wstring wide = to_wide(text);
    const auto result = send_message(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    return result && *result;
}

bool click(HWND button) { return button && send_message(button, BM_CLICK).has_value(); }

void click_async(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool is_checked(HWND button) {
    const auto state = send_message(button, BM_GETCHECK);
    return state && *state == BST_CHECKED;
}

std::vector<Text> list_items(HWND list) {
    std::vector<Text> items;
    const auto count = send_message(list, LB_GETCOUNT);
    if (!count || *count == LB_ERR) return items;
    for (LRESULT i = 0; i < *count; ++i) {
        const auto length = send_message(list, LB_GETTEXTLEN, static_cast<WPARAM>(i));
        if (!length || *length == LB_ERR) break;
        std::wstring buffer(static_cast<size_t>(*length) + 1, L'\0');
        const auto copied = send_message(list, LB_GETTEXT, static_cast<WPARAM>(i),
                                         reinterpret_cast<LPARAM>(buffer.data()));
        if (!copied || *copied == LB_ERR) break;
        buffer.resize(static_cast<size_t>(*copied));
        items.push_back(to_text(buffer));
    }
    return items;
}

int list_selection(HWND list) {
    const auto selection = send_message(list, LB_GETCURSEL);
    return selection && *selection != LB_ERR ? static_cast<int>(*selection) : -1;
}

bool select_list_item(HWND list, int index) {
    const auto result = send_message(list, LB_SETCURSEL, static_cast<WPARAM>(index));
    if (!result || *result == LB_ERR) return false;
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE);
    return send_message(GetParent(list), WM_COMMAND, command, reinterpret_cast<LPARAM>(list))
        .has_value();
}

RECT outer_rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT rect_in_parent(HWND child) {
    RECT r = outer_rect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG_PTR window_style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

LONG_PTR window_ex_style(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

std::wstring class_name_of(HWND window) {
    wchar_t name[kClassNameCapacity] = {};
    const int length = GetClassNameW(window, name, kClassNameCapacity);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

}  // namespace tq::e2e
