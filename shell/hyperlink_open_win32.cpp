#include "shell/hyperlink_open_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "shell/hyperlink_command.h"

namespace tq {
namespace {

// ShellExecute and WinExec report success with a value above 31; 32 and less
// are error codes (ShellExecute's HINSTANCE is only an int in disguise).
constexpr INT_PTR kLastExecError = 32;
constexpr UINT kLastWinExecError = 31;

// The default value of a key under HKEY_CLASSES_ROOT; nothing when the key or
// its value is missing or not a string.
std::optional<std::string> class_default_value(const std::string& key) {
    constexpr DWORD kStringTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ;
    DWORD size = 0;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kStringTypes, nullptr, nullptr,
                     &size) != ERROR_SUCCESS ||
        size == 0) {
        return std::nullopt;
    }
    std::string value(size, '\0');
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, kStringTypes, nullptr,
                     value.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(size);
    // The size counts the terminating zero (and expansion may have left more).
    if (auto end = value.find('\0'); end != std::string::npos) value.resize(end);
    return value;
}

bool open_with_registered_browser(const std::string& address) {
    auto file_class = class_default_value(".htm");
    if (!file_class || file_class->empty()) return false;
    auto command = class_default_value(*file_class + "\\shell\\open\\command");
    if (!command) return false;
    std::string line = browser_command_line(*command, address);
    if (line.empty()) return false;
    return WinExec(line.c_str(), SW_SHOW) > kLastWinExecError;
}

}  // namespace

bool open_web_address(const std::string& address) {
    if (address.empty()) return false;
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW));
    if (result > kLastExecError) return true;
    return open_with_registered_browser(address);
}

}  // namespace tq
