// The command line that opens an address with the browser registered for
// ".htm", for when ShellExecute cannot open it.
#pragma once

#include <string>
#include <string_view>

namespace tq {

// registered_command is the "shell\open\command" value of the ".htm" class,
// e.g. "C:\Browser\browser.exe" -osint -url "%1". It is cut where the quoted
// placeholder begins, or else where a bare %1 begins, and the address follows
// after a space. An empty (or all-blank) program part gives an empty result:
// there is nothing to run then, and WinExec must not be asked to run the
// address on its own.
inline std::string browser_command_line(std::string_view registered_command,
                                        std::string_view address) {
    std::string_view program = registered_command;
    if (auto quoted = program.find("\"%1"); quoted != std::string_view::npos) {
        program = program.substr(0, quoted);
    } else if (auto bare = program.find("%1"); bare != std::string_view::npos) {
        program = program.substr(0, bare);
    }
    if (program.find_first_not_of(" \t") == std::string_view::npos) return {};
    std::string line(program);
    line += ' ';
    line += address;
    return line;
}

}  // namespace tq
