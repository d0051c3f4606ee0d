#include "settings/config_rules.h"

namespace tq {

namespace {

constexpr char kSeparator = '\\';

bool is_lead_byte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

std::size_t last_path_separator(std::string_view path) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (is_lead_byte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
            ++i;  // the trail byte may be 0x5C and is still no separator
        } else if (path[i] == kSeparator) {
            found = i;
        }
    }
    return found;
}

Text directory_of(std::string_view file_path) {
    const std::size_t cut = last_path_separator(file_path);
    if (cut == std::string_view::npos) return {};
    return Text(file_path.substr(0, cut));
}

Text config_path_in(std::string_view program_directory) {
    Text path(program_directory);
    path += kSeparator;
    path += kConfigFileName;
    return path;
}

Text with_trailing_backslash(std::string_view folder) {
    Text result(folder);
    if (result.empty()) return result;
    if (last_path_separator(folder) != folder.size() - 1) result += kSeparator;
    return result;
}

Text trim_leading_blanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
    return Text(text.substr(i));
}

std::optional<ProfileReadRequest> profile_read_request(std::string_view path, std::string_view section,
                                                       std::string_view key,
                                                       const std::optional<Text>& default_value) {
    ProfileReadRequest request{trim_leading_blanks(path), trim_leading_blanks(section),
                               trim_leading_blanks(key), std::nullopt};
    if (request.path.empty() || request.section.empty() || request.key.empty()) return std::nullopt;
    if (default_value && !default_value->empty()) request.default_value = default_value;
    return request;
}

}  // namespace tq
