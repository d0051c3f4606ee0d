#include "settings/config_file_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "settings/config_rules.h"
#include "shell/unique_handle.h"

namespace tq {

namespace {

constexpr DWORD kModulePathBufferSize = MAX_PATH;  // 260 bytes

bool something_exists(const Text& path) {
    WIN32_FIND_DATAA found{};
    // A folder of that name is found too, and counts as existing.
    const unique_find search(FindFirstFileA(path.c_str(), &found));
    return static_cast<bool>(search);
}

}  // namespace

Text module_file_path() {
    char buffer[kModulePathBufferSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, kModulePathBufferSize);
    // A path that filled the buffer may come back without its zero byte; it
    // is cut there, and its directory is still a real ancestor folder.
    return Text(buffer, length < kModulePathBufferSize ? length : kModulePathBufferSize - 1);
}

Text program_directory() { return directory_of(module_file_path()); }

void open_config_in(ReadingState& state, const Text& directory) {
    state.config_path = config_path_in(directory);
    if (something_exists(state.config_path)) return;
    // Create-or-truncate, no sharing, nothing written: the file is just there.
    const unique_file file(CreateFileA(state.config_path.c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

void open_config(ReadingState& state) { open_config_in(state, program_directory()); }

Text desktop_folder_default() {
    char buffer[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_DESKTOPDIRECTORY, FALSE)) return {};
    return with_trailing_backslash(buffer);
}

Text ConfigFile::read_config_value(const Text& section, const Text& key,
                                   const std::optional<Text>& default_value) {
    const std::optional<ProfileReadRequest> request =
        profile_read_request(state_.config_path, section, key, default_value);
    if (!request) return {};
    std::vector<char> buffer(kConfigValueBufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(
        request->section.c_str(), request->key.c_str(),
        request->default_value ? request->default_value->c_str() : nullptr, buffer.data(),
        static_cast<DWORD>(buffer.size()), request->path.c_str());
    return Text(buffer.data(), length < buffer.size() ? length : buffer.size() - 1);
}

void ConfigFile::write_config_value(const Text& section, const Text& key, const Text& value) {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), state_.config_path.c_str());
}

}  // namespace tq
