// The per-well figures table under the cross-section: a heading and eleven
// rows of well number and value, scrolled through the wells.
#pragma once

#include <array>
#include <string>

#include "core/design.h"

namespace welkin {

inline constexpr int figures_rows = 11;

struct FiguresTable {
    std::string heading;                              // Label21
    std::array<std::string, figures_rows> wellnum{};  // well numbers
    std::array<std::string, figures_rows> ratio{};    // the page's value per well
};

// The table for results_page 0..3 starting at well `first_well`; rows past
// the last well are blank.
FiguresTable figures_table(const Design& d, int first_well);

// Texts of one well, shared with the pointer read-out over the panel.
std::string well_depth_text(const Design& d, int units);
std::string block_height_text(const Design& d, int units);
std::string phase_shift_text(const Design& d, int units);

}  // namespace welkin
