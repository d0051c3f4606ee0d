#include "settings/tray_picture.h"

#include "settings/config_rules.h"

namespace tq {

namespace {

Bytes read_or_empty(PictureFiles& files, const Text& path) {
    if (path.empty()) return {};
    return files.read_whole(path).value_or(Bytes());
}

}  // namespace

Bytes dialog_filter_buffer(const Text& filter) {
    Bytes buffer = filter;
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const auto c = static_cast<unsigned char>(buffer[i]);
        // A 0x7C can be the second byte of a two-byte character.
        if (c >= 0x81 && c <= 0xFE) ++i;
        else if (c == '|') buffer[i] = '\0';
    }
    buffer.append(2, '\0');
    return buffer;
}

Bytes load_tray_picture(ConfigStore& config, PictureFiles& files, const Bytes& default_icon) {
    const Text path = config.read_config_value(kSettingsSection, kPictureKey);
    if (!path.empty() && files.exists(path)) return read_or_empty(files, path);
    return default_icon;
}

Text ask_for_icon_file(IconFileDialog& dialog) {
    const Text remembered = dialog.current_directory();
    const std::optional<Text> chosen = dialog.run(remembered);
    dialog.set_current_directory(remembered);
    return chosen.value_or(Text());
}

Bytes choose_tray_picture(IconFileDialog& dialog, PictureFiles& files, ConfigStore& config) {
    const Text path = ask_for_icon_file(dialog);
    Bytes picture = read_or_empty(files, path);
    config.write_config_value(kSettingsSection, kPictureKey, path);
    return picture;
}

}  // namespace tq
