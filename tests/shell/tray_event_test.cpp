#include "shell/tray_event.h"

#include <gtest/gtest.h>

#include <vector>

namespace tq {
namespace {

TEST(TrayEventFromNotification, MapsTheMouseNotifications) {
    const struct {
        const char* name;
        std::uintptr_t lparam;
        std::optional<TrayEvent> event;
    } cases[] = {
        {"left_up", 0x202, TrayEvent::TrayLeftUp},
        {"left_double_click", 0x203, TrayEvent::TrayDoubleClick},
        {"right_up", 0x205, TrayEvent::TrayMenuRequest},
        {"context_menu", 0x7B, TrayEvent::TrayMenuRequest},
        {"mouse_move_ignored", 0x200, std::nullopt},
        {"left_down_ignored", 0x201, std::nullopt},
        {"right_down_ignored", 0x204, std::nullopt},
        {"right_double_click_ignored", 0x206, std::nullopt},
        {"zero_ignored", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tray_event_from_notification(c.lparam), c.event);
    }
}

class FakePort : public TrayEventPort {
public:
    ScreenPoint cursor{0, 0};
    bool reading = false;
    int rearms = 0;
    std::vector<ScreenPoint> menus;

    ScreenPoint cursor_position() const override { return cursor; }
    bool is_reading() const override { return reading; }
    void show_and_rearm() override { ++rearms; }
    void show_tray_menu(ScreenPoint at) override { menus.push_back(at); }
};

TEST(HandleTrayEvent, DoubleClickRecordsTheAnchorAndShowsOnlyWhileReading) {
    for (const bool reading : {true, false}) {
        SCOPED_TRACE(reading ? "reading" : "not_reading");
        FakePort port;
        port.cursor = {1270, 790};
        port.reading = reading;
        ReadingState state;
        // What the shell sends for one double click.
        for (TrayEvent e : {TrayEvent::TrayLeftUp, TrayEvent::TrayDoubleClick, TrayEvent::TrayLeftUp}) {
            handle_tray_event(e, state, port);
        }
        EXPECT_EQ(state.balloon_x, 1270);
        EXPECT_EQ(state.balloon_y, 790);
        EXPECT_EQ(port.rearms, reading ? 1 : 0);
        EXPECT_TRUE(port.menus.empty());
    }
}

TEST(HandleTrayEvent, MenuRequestOpensTheMenuAtThePointerAndKeepsTheAnchor) {
    FakePort port;
    port.cursor = {-300, 40};  // a monitor left of the primary one
    port.reading = true;
    ReadingState state;
    state.balloon_x = 5;
    state.balloon_y = 6;
    handle_tray_event(TrayEvent::TrayMenuRequest, state, port);
    ASSERT_EQ(port.menus.size(), 1u);
    EXPECT_EQ(port.menus[0].x, -300);
    EXPECT_EQ(port.menus[0].y, 40);
    EXPECT_EQ(state.balloon_x, 5);
    EXPECT_EQ(state.balloon_y, 6);
    EXPECT_EQ(port.rearms, 0);
}

}  // namespace
}  // namespace tq
