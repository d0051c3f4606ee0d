// The INI file "配置文件.ini" as the rest of the program sees it: every read
// and write goes straight to the file, nothing is cached.
#pragma once

#include <optional>

#include "core/text.h"

namespace tq {

class ConfigStore {
public:
    virtual ~ConfigStore() = default;
    // The key's value, or the default when the file, section or key is missing.
    // A key present with an empty value gives an empty text, not the default.
    virtual Text read_config_value(const Text& section, const Text& key,
                                   const std::optional<Text>& default_value = std::nullopt) = 0;
    // A failed write is not noticed.
    virtual void write_config_value(const Text& section, const Text& key, const Text& value) = 0;
};

}  // namespace tq
