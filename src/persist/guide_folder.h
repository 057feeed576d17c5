// Where the offline user guide is: <executable folder>/../share/welkin/guide.
// An installed program finds it under its prefix; a program run from its
// build folder finds the copy the build makes there.
#pragma once

#include <filesystem>

namespace welkin {

inline constexpr const char* guide_start_page = "index.html";

// The guide folder for a program in `executable_folder`.
std::filesystem::path guide_folder_for(const std::filesystem::path& executable_folder);

// The guide folder of the running program.
std::filesystem::path guide_folder();

}  // namespace welkin
