// One run of the program in a folder of its own: the folder gets a copy of
// the exe (the program keeps its INI beside the exe, so every test starts
// from a clean one) and whatever INI and book files the test puts there.
// The destructor ends the program and removes the folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/text.h"
#include "shell/unique_handle.h"
#include "tests/e2e/harness/temp_folder_win32.h"
#include "tests/e2e/harness/wait.h"

namespace tq::e2e {

// The configuration file's name beside the exe.
extern const wchar_t kIniFileName[];
// The control panel's caption at start.
extern const char kPanelCaption[];

class ProgramUnderTest {
public:
    ProgramUnderTest();  // prepares the folder and copies the exe into it
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Before start(): files of the run. Names are relative to the folder;
    // missing subfolders are made.
    bool write_ini(const Text& content) { return write_file(kIniFileName, content); }
    bool write_file(const std::wstring& name, const Bytes& content);
    // Copies samples/<sample_name> to <name> (default: the same name).
    bool copy_sample(const std::wstring& sample_name, const std::wstring& name = {});

    // Starts the program and waits until its control panel exists and the
    // program waits for input (its set-up has run). False on failure, with
    // the reason in last_error().
    bool start(Milliseconds timeout = kStartTimeout);
    const std::string& last_error() const { return last_error_; }

    // The control panel found at start.
    HWND panel() const { return panel_; }
    HWND control(int id) const;
    DWORD process_id() const { return process_id_; }
    const std::wstring& folder() const { return folder_.path(); }
    std::wstring file(const std::wstring& name) const { return folder_.file(name); }

    bool is_running() const;
    // Waits for the process to end; its exit code, or nullopt while it runs.
    std::optional<DWORD> wait_for_exit(Milliseconds timeout = kExitTimeout) const;
    // Posts the panel's private destroy message, as the quit commands do.
    void request_quit() const;
    // Ends the program: request_quit, then TerminateProcess if it stays.
    void stop();

    // The configuration file of this run.
    bool ini_exists() const;
    // GetPrivateProfileStringA on it; section, key and value in code page 936.
    Text read_ini(const Text& section, const Text& key, const Text& fallback = {}) const;
    Bytes read_file(const std::wstring& name) const;

private:
    TempFolder folder_;
    std::wstring exe_;
    unique_file process_;
    DWORD process_id_ = 0;
    HWND panel_ = nullptr;
    std::string last_error_;
};

}  // namespace tq::e2e
