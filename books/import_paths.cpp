#include "books/import_paths.h"

#include <vector>

#include "books/book_list.h"

namespace tq {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kFilterSeparator = '|';

bool is_lead_byte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

Bytes open_file_filter(std::string_view bar_separated) {
    Bytes filter;
    filter.reserve(bar_separated.size() + 2);
    for (std::size_t i = 0; i < bar_separated.size(); ++i) {
        const char c = bar_separated[i];
        if (is_lead_byte(static_cast<unsigned char>(c)) && i + 1 < bar_separated.size()) {
            filter += c;
            filter += bar_separated[++i];
        } else {
            filter += c == kFilterSeparator ? '\0' : c;
        }
    }
    filter.append(2, '\0');
    return filter;
}

Text parse_open_file_buffer(std::string_view buffer) {
    // The used part ends at the first empty field, i.e. two zeros in a row.
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < buffer.size()) {
        std::size_t end = buffer.find('\0', start);
        if (end == std::string_view::npos) end = buffer.size();
        if (end == start) break;
        fields.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (fields.empty()) return {};
    if (fields.size() == 1) return Text(fields.front());

    const Text directory(fields.front());
    Text paths;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (i > 1) paths += kLineEnd;
        paths += join_book_path(directory, Text(fields[i]));
    }
    return paths;
}

}  // namespace tq
