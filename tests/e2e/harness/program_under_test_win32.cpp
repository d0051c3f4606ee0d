#include "tests/e2e/harness/program_under_test_win32.h"


#include "shell/control_ids.h"
#include "tests/e2e/harness/paths_win32.h"
#include "tests/e2e/harness/text_win32.h"
#include "tests/e2e/harness/window_probe_win32.h"

namespace tq::e2e {

const wchar_t kIniFileName[] = L"配置文件.ini";
const char kPanelCaption[] = "控制面板";

namespace {

constexpr wchar_t kExeName[] = L"tarnquil.exe";
constexpr DWORD kIniValueCapacity = 4096;
constexpr UINT kKilledExitCode = 0xE2E;

std::string describe_error(const char* what) {
    return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
}

bool make_parent_folders(const std::wstring& path) {
    for (size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
         slash = path.find(L'\\', slash + 1)) {
        const std::wstring parent = path.substr(0, slash);
        if (!CreateDirectoryW(parent.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest() {
    if (folder_.path().empty()) {
        last_error_ = "no temporary folder";
        return;
    }
    exe_ = folder_.file(kExeName);
    if (!CopyFileW(program_path().c_str(), exe_.c_str(), TRUE))
        last_error_ = describe_error("cannot copy the program");
}

ProgramUnderTest::~ProgramUnderTest() { stop(); }

bool ProgramUnderTest::write_file(const std::wstring& name, const Bytes& content) {
    const std::wstring path = folder_.file(name);
    if (!make_parent_folders(path)) return false;
    unique_file file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                     nullptr) &&
           written == content.size();
}

bool ProgramUnderTest::copy_sample(const std::wstring& sample_name, const std::wstring& name) {
    const std::wstring target = folder_.file(name.empty() ? sample_name : name);
    if (!make_parent_folders(target)) return false;
    return CopyFileW((samples_folder() + L"\\" + sample_name).c_str(), target.c_str(), FALSE);
}

Bytes ProgramUnderTest::read_file(const std::wstring& name) const {
    unique_file file(CreateFileW(folder_.file(name).c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    Bytes content;
    if (!file) return content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    return content;
}

bool ProgramUnderTest::start(Milliseconds timeout) {
    if (!last_error_.empty()) return false;
    if (process_) {
        last_error_ = "already started";
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring command_line = L"\"" + exe_ + L"\"";
    if (!CreateProcessW(exe_.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.path().c_str(), &startup, &info)) {
        last_error_ = describe_error("cannot start the program");
        return false;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    process_id_ = info.dwProcessId;

    const bool found = wait_until(
        [&] { return (panel_ = find_top_window(process_id_, kPanelCaption)) != nullptr || !is_running(); },
        timeout);
    if (!found || !panel_) {
        last_error_ = is_running() ? "no control panel window appeared in time"
                                   : "the program ended before showing its window";
        return false;
    }
    // The panel exists from WM_NCCREATE on; idle means its set-up has run
    // and it has been shown.
    if (WaitForInputIdle(process_.get(), static_cast<DWORD>(timeout.count)) != 0) {
        last_error_ = "the program did not become idle";
        return false;
    }
    return true;
}

HWND ProgramUnderTest::control(int id) const { return find_control(panel_, id); }

bool ProgramUnderTest::is_running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramUnderTest::wait_for_exit(Milliseconds timeout) const {
    if (!process_) return std::nullopt;
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count)) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

void ProgramUnderTest::request_quit() const {
    if (panel_) PostMessageW(panel_, kDestroyPanelMessage, 0, 0);
}

void ProgramUnderTest::stop() {
    if (!is_running()) return;
    request_quit();
    if (!wait_for_exit()) {
        TerminateProcess(process_.get(), kKilledExitCode);
        WaitForSingleObject(process_.get(), static_cast<DWORD>(kExitTimeout.count));
    }
}

bool ProgramUnderTest::ini_exists() const {
    return GetFileAttributesW(folder_.file(kIniFileName).c_str()) != INVALID_FILE_ATTRIBUTES;
}

Text ProgramUnderTest::read_ini(const Text& section, const Text& key, const Text& fallback) const {
    // The A call reads the file in the ANSI code page, which is 936 under the
    // test environment's locale, like the program's own writes.
    const Text path = to_text(folder_.file(kIniFileName));
    std::string value(kIniValueCapacity, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                  value.data(), kIniValueCapacity, path.c_str());
    value.resize(length);
    return value;
}

}  // namespace tq::e2e
