// Writing a report into the program's own folder, telling the user, and
// opening it in the desktop's viewer.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/design_snapshot.h"
#include "forms/host.h"
#include "panel2d/grid.h"

namespace welkin {

// Replaces folder/name with the text, says so and opens it; or says that it
// could not, and opens nothing. Returns whether the report was written.
bool publish_report(Host& host, const std::filesystem::path& folder, std::string_view name,
                    std::string_view text);

// "Generate 1D report", of the design the main window shows.
bool generate_1d_report(Host& host, const DesignSnapshot& design,
                        const std::filesystem::path& folder);

// The 2D window's report, for the grid at the given offsets.
bool generate_2d_report(Host& host, const DesignSnapshot& design, const Offsets2d& offsets,
                        const std::filesystem::path& folder);

// The offsets the 2D window opens with: the grid centred.
Offsets2d centred_offsets(int n);

}  // namespace welkin
