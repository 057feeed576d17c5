// The program's own folder: where the settings file and the reports live.
#pragma once

#include <filesystem>
#include <string>

namespace welkin {

inline constexpr std::string_view settings_file_name = "welkin.ini";

// $WELKIN_HOME when set; else the folder of the running program when it
// can be written to; else the user's configuration folder (created when
// missing).
std::filesystem::path app_folder();

// welkin.ini in the program's own folder.
std::filesystem::path settings_path();

}  // namespace welkin
