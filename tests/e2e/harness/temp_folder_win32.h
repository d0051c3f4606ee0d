// A fresh folder under the Wine user's temp folder, removed with all its
// content when the owner goes.
#pragma once

#include <string>

namespace tq::e2e {

class TempFolder {
public:
    TempFolder();  // creates it; path() is empty when that failed
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    // path() + "\" + name.
    std::wstring file(const std::wstring& name) const;

private:
    std::wstring path_;
};

// Removes a folder and everything in it; false when something stayed.
bool remove_tree(const std::wstring& folder);

}  // namespace tq::e2e
