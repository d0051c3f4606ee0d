// The file system and the file-open dialog of the tray picture on Win32.
#pragma once

#include <windows.h>

#include "settings/tray_picture.h"

namespace tq {

class Win32PictureFiles final : public PictureFiles {
public:
    bool exists(const Text& path) override;
    std::optional<Bytes> read_whole(const Text& path) override;
};

// GetOpenFileNameA, modal to the owner window.
class Win32IconFileDialog final : public IconFileDialog {
public:
    explicit Win32IconFileDialog(HWND owner) : owner_(owner) {}
    Text current_directory() override;
    void set_current_directory(const Text& directory) override;
    std::optional<Text> run(const Text& initial_directory) override;

private:
    HWND owner_;
};

}  // namespace tq
