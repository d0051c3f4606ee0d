// The INI file "配置文件.ini" on the platform's private-profile functions.
#pragma once

#include "core/reading_state.h"
#include "settings/config_store.h"

namespace tq {

// The program file's full path (GetModuleFileNameA of the process, at most
// 259 bytes); empty when the platform cannot give it.
Text module_file_path();

// The directory of the program file, without a trailing backslash.
Text program_directory();

// Sets state.config_path to directory + "\配置文件.ini" and creates the file
// empty when nothing (no file, no folder) exists under that path. A failure
// to create it is silent: reads then give their defaults, writes are lost.
void open_config_in(ReadingState& state, const Text& directory);
// The same beside the program file: the first step of the start-up.
void open_config(ReadingState& state);

// The default of "文件框": the current user's desktop folder with a trailing
// backslash, or empty when the platform cannot name it.
Text desktop_folder_default();

// Reads and writes go straight to the file at state.config_path, as it is at
// the moment of the call.
class ConfigFile final : public ConfigStore {
public:
    explicit ConfigFile(const ReadingState& state) : state_(state) {}

    Text read_config_value(const Text& section, const Text& key,
                           const std::optional<Text>& default_value = std::nullopt) override;
    void write_config_value(const Text& section, const Text& key, const Text& value) override;

private:
    const ReadingState& state_;
};

}  // namespace tq
