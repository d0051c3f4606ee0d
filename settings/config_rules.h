// The path and argument rules of the INI file, apart from the platform calls
// that use them, so that they build and are tested without Windows.
#pragma once

#include <cstddef>
#include <optional>

#include "core/text.h"

namespace tq {

// "配置文件.ini", the file beside the program.
inline constexpr const char* kConfigFileName = "配置文件.ini";
// The section of the program's own settings and its keys.
inline constexpr const char* kSettingsSection = "初始化";
inline constexpr const char* kPictureKey = "图片框";
inline constexpr const char* kFolderKey = "文件框";
inline constexpr const char* kWidthKey = "单次显示字数";
inline constexpr const char* kDwellKey = "停留时间";

// The buffer a value is read into: the longest value that can come back is
// one byte shorter, a longer one comes back cut.
inline constexpr std::size_t kConfigValueBufferSize = 10240;

// Position of the last path separator, or npos. A 0x5C that is the second
// byte of a two-byte character (lead byte 0x81-0xFE, as code page 936 has
// them) is part of that character and no separator.
std::size_t last_path_separator(std::string_view path);

// The directory of a file path, cut at its last separator, without a trailing
// backslash: "C:\a\b.exe" gives "C:\a", "C:\b.exe" gives "C:". A path without
// any separator gives an empty directory.
Text directory_of(std::string_view file_path);

// program directory + "\配置文件.ini".
Text config_path_in(std::string_view program_directory);

// The folder with a trailing backslash, unless it already ends in one (found
// double-byte aware) or is empty: an empty folder is the fallback when the
// platform cannot name the desktop, and stays empty.
Text with_trailing_backslash(std::string_view folder);

// Bytes 0x20 and below (blanks and control characters) dropped from the front.
Text trim_leading_blanks(std::string_view text);

// The arguments of one profile read, after the trimming rules. default_value
// is null when the caller gave none or an empty one, as the platform takes it.
struct ProfileReadRequest {
    Text path;
    Text section;
    Text key;
    std::optional<Text> default_value;
};

// nullopt when path, section or key is empty after trimming: the read then
// gives an empty text without asking the platform, whatever the default.
std::optional<ProfileReadRequest> profile_read_request(std::string_view path, std::string_view section,
                                                       std::string_view key,
                                                       const std::optional<Text>& default_value);

}  // namespace tq
