#include "books/book_list.h"

#include <algorithm>

namespace tq {

namespace {

constexpr char kBackslash = '\\';

// Lead bytes of code page 936 as the platform's path functions see them
// (0x80 is a single-byte character there).
bool is_lead_byte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

unsigned char ascii_lower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

bool is_listed_book(std::uint32_t attributes) {
    constexpr std::uint32_t kNotBooks =
        kFileAttributeDirectory | kFileAttributeHidden | kFileAttributeSystem;
    return (attributes & kNotBooks) == 0;
}

std::vector<Text> listed_book_names(const std::vector<FoundFile>& found) {
    std::vector<Text> names;
    for (const FoundFile& file : found) {
        if (!is_listed_book(file.attributes)) continue;
        if (std::find(names.begin(), names.end(), file.name) != names.end()) continue;
        names.push_back(file.name);
    }
    return names;
}

bool ends_in_backslash(std::string_view path) {
    bool last_is_backslash = false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (is_lead_byte(c) && i + 1 < path.size()) {
            ++i;
            last_is_backslash = false;
        } else {
            last_is_backslash = c == kBackslash;
        }
    }
    return last_is_backslash;
}

Text join_book_path(const Text& folder, const Text& name) {
    Text path = folder;
    if (!ends_in_backslash(folder)) path += kBackslash;
    path += name;
    return path;
}

Text selected_book_path(const Text& folder_text, const Text& selected_name) {
    return join_book_path(folder_text, selected_name);
}

Text book_search_path(const Text& folder) { return join_book_path(folder, Text(kBookPattern)); }

bool same_book_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (is_lead_byte(ca) && i + 1 < a.size()) {
            // The whole character must match byte for byte.
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (ascii_lower(ca) != ascii_lower(cb)) {
            return false;
        }
    }
    return true;
}

std::optional<std::size_t> kept_selection(const std::vector<Text>& entries,
                                          std::string_view previous_name) {
    if (previous_name.empty()) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (same_book_name(entries[i], previous_name)) return i;
    return std::nullopt;
}

}  // namespace tq
