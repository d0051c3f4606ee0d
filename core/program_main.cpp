#include "core/program_main.h"

namespace tq {

namespace {

// Runs when program_main leaves, however it leaves: segments first, then the
// lines, then the configuration path.
struct ExitCleanup {
    ReadingState& state;
    ~ExitCleanup() {
        state.line_segments = TextArray();
        state.book_lines = TextArray();
        state.config_path.clear();
    }
};

}  // namespace

int program_main(ProgramHost& host) {
    ReadingState state;  // cursor (0, 0), no lines, no segments, no path
    ExitCleanup cleanup{state};
    if (!host.create_main_window(state)) {
        host.report_start_failure();
        return 1;
    }
    return host.run_message_loop();
}

}  // namespace tq
