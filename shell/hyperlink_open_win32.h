// Opening a web address in the user's browser.
#pragma once

#include <string>

namespace tq {

// ShellExecute "open" first; when that gives 32 or less, the command line of
// the browser registered for ".htm" with the address after it (WinExec).
// True when either started something. Failure is silent by design: the caller
// only uses the answer to draw a link as visited.
bool open_web_address(const std::string& address);

}  // namespace tq
