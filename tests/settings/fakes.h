// Fakes of the ports the settings logic talks to.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "core/ports.h"
#include "settings/config_store.h"

namespace tq::test {

// An INI file in memory with the reading rules of the real one: a missing
// section or key gives the default, a present empty value gives an empty
// text, an empty section or key name gives an empty text without a lookup.
class FakeConfig final : public ConfigStore {
public:
    struct Write {
        Text section, key, value;
        bool operator==(const Write&) const = default;
    };

    Text read_config_value(const Text& section, const Text& key,
                           const std::optional<Text>& default_value = std::nullopt) override {
        ++reads;
        if (section.empty() || key.empty()) return {};
        const auto it = values.find({section, key});
        if (it != values.end()) return it->second;
        return default_value.value_or(Text());
    }
    void write_config_value(const Text& section, const Text& key, const Text& value) override {
        writes.push_back({section, key, value});
        values[{section, key}] = value;
    }

    std::map<std::pair<Text, Text>, Text> values;
    std::vector<Write> writes;
    int reads = 0;
};

class FakeTimer final : public ReadingTimer {
public:
    void set_period(std::int32_t milliseconds) override { periods.push_back(milliseconds); }
    std::int32_t period() const override { return periods.empty() ? 0 : periods.back(); }
    std::vector<std::int32_t> periods;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        Text text, title;
        MessageButtons buttons;
        MessageIcon icon;
    };
    MessageAnswer show(const Text& text, const Text& title, MessageButtons buttons,
                       MessageIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        return MessageAnswer::Ok;
    }
    std::vector<Shown> shown;
};

}  // namespace tq::test
