// The 2D report: the panel's variant and offsets, its grid as block heights
// and well depths, cutting lists for a solid build from blocks and for a
// hollow build from slotted fins, and the volume and weight of material.
#pragma once

#include <string>
#include <string_view>

#include "core/design.h"
#include "core/width_analysis.h"
#include "panel2d/grid.h"

namespace welkin {

inline constexpr std::string_view report_2d_file_name = "welkin_2d.txt";

// The whole file for the grid at the offsets last set in the 2D window.
std::string report_2d_text(const Design& d, const DesignResults& results, const Offsets2d& offsets);

}  // namespace welkin
