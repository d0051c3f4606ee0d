// The tray icon picture held by "图片框1": loaded at start-up from the saved
// choice or the built-in icon, and replaced by "更换托盘图标".
#pragma once

#include <optional>

#include "core/text.h"
#include "settings/config_store.h"

namespace tq {

// The file system as this feature sees it.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;
    // Something exists under the path; a folder counts, an empty path never does.
    virtual bool exists(const Text& path) = 0;
    // The whole file, or nullopt when it cannot be read (a folder, a locked file).
    virtual std::optional<Bytes> read_whole(const Text& path) = 0;
};

// The file-open dialog and the current directory it may change.
class IconFileDialog {
public:
    virtual ~IconFileDialog() = default;
    virtual Text current_directory() = 0;
    virtual void set_current_directory(const Text& directory) = 0;
    // The chosen full path, or nullopt for Cancel, a closed dialog or a path
    // longer than the buffer. Opens in initial_directory.
    virtual std::optional<Text> run(const Text& initial_directory) = 0;
};

// The dialog's filter as written, and the title.
inline constexpr const char* kIconFilter = "图标（*.ico）|*.ico";
inline constexpr const char* kIconDialogTitle = "选择图标图片，仅支持ico";

// The filter as the dialog takes it: each "|" a zero byte, two zero bytes at
// the end.
Bytes dialog_filter_buffer(const Text& filter);

// The picture for "图片框1" at start-up: the file named by "图片框" when
// something exists there (empty when it cannot be read), else the built-in icon.
Bytes load_tray_picture(ConfigStore& config, PictureFiles& files, const Bytes& default_icon);

// The full path chosen in the dialog, or an empty text. The current directory
// is the same afterwards whatever the outcome.
Text ask_for_icon_file(IconFileDialog& dialog);

// "更换托盘图标": asks for a file, stores its path under "图片框" (also an empty
// one after Cancel) and gives the new picture: the file's bytes unchanged, or
// empty when no file was chosen or it cannot be read.
Bytes choose_tray_picture(IconFileDialog& dialog, PictureFiles& files, ConfigStore& config);

}  // namespace tq
