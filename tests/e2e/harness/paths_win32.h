// Where the driver finds the program under test and the sample books.
#pragma once

#include <string>

namespace tq::e2e {

// Windows paths (drive Z: of Wine) of the built program and of samples/.
std::wstring program_path();
std::wstring samples_folder();

// "Z:\..." for an absolute Linux path, which is how Wine maps the Linux root.
std::wstring windows_path_of(const std::string& linux_path);

}  // namespace tq::e2e
