// The per-well figures table under the cross-section: a heading and eleven
// rows of well number and value, scrolled through the wells.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/design.h"
#include "core/design_snapshot.h"

namespace welkin {

inline constexpr int figures_rows = 11;

inline constexpr std::string_view heading_ratio = "Ratio";
inline constexpr std::string_view heading_depth_mm = "Depth in mm";
inline constexpr std::string_view heading_depth_inches = "Depth in inches";
inline constexpr std::string_view heading_block_mm = "Block height in mm";
inline constexpr std::string_view heading_block_inches = "Block height in inches";
inline constexpr std::string_view heading_phase = "Phase shift in degrees";

struct FiguresTable {
    std::string heading;                              // the table caption
    std::array<std::string, figures_rows> wellnum{};  // well numbers
    std::array<std::string, figures_rows> ratio{};    // the page's value per well
};

// The table's page 0..3 (ratios, depths, block heights, phase shifts)
// starting at well `first_well`; rows past the last well are blank.
FiguresTable figures_table(const DesignSnapshot& s, int page, int first_well);

// Texts of one well of `units` depth units in the design's unit mode, shared
// with the pointer read-out over the panel: whole millimetres, or the
// unrounded length in inches.
std::string well_depth_text(const Design& d, int units);
std::string block_height_text(const Design& d, int units);
std::string phase_shift_text(const Design& d, int units);

}  // namespace welkin
