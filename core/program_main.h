// The program's life from entry to exit, apart from the platform: create the
// reading state, bring up the main window, run the message loop, free.
#pragma once

#include "core/reading_state.h"

namespace tq {

class ProgramHost {
public:
    virtual ~ProgramHost() = default;
    // Creates and shows the control panel; its set-up runs inside. False when
    // the window could not be created.
    virtual bool create_main_window(ReadingState& state) = 0;
    // Runs until the last window of the program is gone; the exit code.
    virtual int run_message_loop() = 0;
    // Tells the user that the program cannot start.
    virtual void report_start_failure() = 0;
};

int program_main(ProgramHost& host);

}  // namespace tq
