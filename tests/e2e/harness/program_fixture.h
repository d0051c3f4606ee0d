// The base of most end-to-end cases: a tray host that exists before the
// program starts and outlives it (so the icon's removal at exit is seen),
// and one run of the program in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include "tests/e2e/harness/message_box_probe_win32.h"
#include "tests/e2e/harness/program_under_test_win32.h"
#include "tests/e2e/harness/tray_host_win32.h"
#include "tests/e2e/harness/window_probe_win32.h"

namespace tq::e2e {

class ProgramTest : public ::testing::Test {
protected:
    // Put INI content and books into `program` first, then call this.
    void start_program() {
        ASSERT_TRUE(tray.receives_tray_calls())
            << "another Shell_TrayWnd lies above the test host";
        ASSERT_TRUE(program.start()) << program.last_error();
    }

    // The program's tray calls for its own panel.
    auto from_panel(TrayCall call) const {
        return [call, panel = program.panel()](const TrayNotice& notice) {
            return notice.is(call) && notice.for_window(panel);
        };
    }

    TrayHost tray;               // declared first: destroyed after the program
    ProgramUnderTest program;
};

}  // namespace tq::e2e
