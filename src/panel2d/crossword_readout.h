// The full-screen crossword's readout: the cell under the pointer, as a
// small box that follows the pointer and turns back near the far edges.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "panel2d/crossword.h"

namespace welkin {

// The legend beside the full-screen crossword, a line each.
inline constexpr std::array<std::string_view, 4> full_screen_legend = {
    "Any key to exit",
    "Left dbl-click:   highlight",
    "Centre dbl-click: clear",
    "Right dbl-click:  layerlight",
};

struct Readout {
    bool shown = false;
    // The box's anchor in logical units: its left edge, or its right edge
    // when `from_right`; likewise its top edge, or its bottom edge.
    double x = 0;
    double y = 0;
    bool from_right = false;
    bool from_bottom = false;
    int row = 0;
    int column = 0;
    int block_height = 0;
    std::string value_text;     // three lines parted by carriage returns
    std::string position_text;  // "Row 3  Column 4"
};

// The readout for the pointer at (x, y) on the N x N full-screen picture.
Readout crossword_readout(const Grid2d& g, const Offsets2d& o, const CrosswordOptions& options,
                          double x, double y);

// How a height or depth reads as a length: "12 mm", "1 1/2 inches", "1.5 inches".
std::string readout_length(double mm, UnitMode mode);

}  // namespace welkin
