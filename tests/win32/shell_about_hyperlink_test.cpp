// The hyperlink control under Wine, and the fallback browser command line.
#include "shell/hyperlink_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "shell/hyperlink_command.h"

namespace tq {
namespace {

struct CommandCase {
    const char* name;
    const char* registered;
    const char* expected;
};

const CommandCase kCommandCases[] = {
    {"QuotedPlaceholder", "\"C:\\Browser\\browser.exe\" -osint -url \"%1\"",
     "\"C:\\Browser\\browser.exe\" -osint -url  https://example.org/a"},
    {"BarePlaceholder", "C:\\Browser\\browser.exe %1", "C:\\Browser\\browser.exe  https://example.org/a"},
    {"QuotedPlaceholderBeforeABareOne", "browser.exe \"%1\" --again %1",
     "browser.exe  https://example.org/a"},
    {"NoPlaceholder", "\"C:\\Browser\\browser.exe\"",
     "\"C:\\Browser\\browser.exe\" https://example.org/a"},
    {"NothingBeforeThePlaceholder", "\"%1\"", ""},
    {"BlankCommand", "   ", ""},
    {"EmptyCommand", "", ""},
};

TEST(BrowserCommandLine, CutsAtThePlaceholderAndAppendsTheAddress) {
    for (const auto& c : kCommandCases) {
        EXPECT_EQ(browser_command_line(c.registered, "https://example.org/a"), c.expected)
            << c.name;
    }
}

constexpr int kLinkId = 4321;

// A parent that records the WM_COMMANDs it gets.
struct Parent {
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_COMMAND && current) {
            current->commands.push_back({LOWORD(wparam), HIWORD(wparam),
                                         reinterpret_cast<HWND>(lparam)});
            return 0;
        }
        return DefWindowProcA(window, message, wparam, lparam);
    }
    struct Command {
        int id;
        int code;
        HWND from;
    };
    static inline Parent* current = nullptr;
    std::vector<Command> commands;
    HWND window = nullptr;

    Parent() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HyperlinkTestParent";
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        RegisterClassA(&wc);  // fails harmlessly when already registered
        window = CreateWindowExA(0, "HyperlinkTestParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, 300, 100, nullptr, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
        current = this;
    }
    ~Parent() {
        current = nullptr;
        DestroyWindow(window);
    }
};

struct PressCase {
    const char* name;
    const char* address;
    bool opener_succeeds;
    bool expect_opened;
    bool expect_visited;
};

const PressCase kPressCases[] = {
    {"AddressOpened", "https://example.org/tarnquil/", true, true, true},
    {"AddressNotOpened", "https://example.org/tarnquil/", false, true, false},
    {"NoAddressOnlyNotifies", "", true, false, false},
};

TEST(Hyperlink, PressNotifiesTheParentAndOpensTheAddress) {
    for (const auto& c : kPressCases) {
        SCOPED_TRACE(c.name);
        Parent parent;
        std::vector<std::string> opened;
        int callbacks = 0;
        Hyperlink link;
        link.set_address_opener([&](const std::string& address) {
            opened.push_back(address);
            return c.opener_succeeds;
        });
        ASSERT_TRUE(link.create(parent.window, kLinkId, "关于&问题反馈", 10, 10, 96, 24, c.address,
                                [&] { ++callbacks; }));
        EXPECT_FALSE(link.visited());
        SendMessageA(link.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));

        ASSERT_EQ(parent.commands.size(), 1u);
        EXPECT_EQ(parent.commands[0].id, kLinkId);
        EXPECT_EQ(parent.commands[0].code, kHyperlinkPressed);
        EXPECT_EQ(parent.commands[0].from, link.hwnd());
        EXPECT_EQ(callbacks, 1);
        EXPECT_EQ(opened.size(), c.expect_opened ? 1u : 0u);
        if (c.expect_opened && !opened.empty()) {
            EXPECT_EQ(opened[0], c.address);
        }
        EXPECT_EQ(link.visited(), c.expect_visited);
    }
}

TEST(Hyperlink, IsAChildWithItsCaptionAndAHandCursor) {
    Parent parent;
    Hyperlink link;
    ASSERT_TRUE(link.create(parent.window, kLinkId, "关于&问题反馈", 269, 10, 96, 24));
    EXPECT_EQ(GetDlgItem(parent.window, kLinkId), link.hwnd());
    char caption[64] = {};
    GetWindowTextA(link.hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "关于&问题反馈");
    RECT rect{};
    GetWindowRect(link.hwnd(), &rect);
    EXPECT_EQ(rect.right - rect.left, 96);
    EXPECT_EQ(rect.bottom - rect.top, 24);

    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SendMessageA(link.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.hwnd()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));

    // The link draws with an underlined copy of the font it is given.
    SendMessageA(link.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(link.hwnd(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTA face{};
    ASSERT_TRUE(GetObjectA(font, sizeof face, &face));
    EXPECT_TRUE(face.lfUnderline);
}

TEST(Hyperlink, DestroyingTheObjectTakesItsWindowAlong) {
    Parent parent;
    HWND window = nullptr;
    {
        Hyperlink link;
        ASSERT_TRUE(link.create(parent.window, kLinkId, "x", 0, 0, 20, 20));
        window = link.hwnd();
    }
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tq
