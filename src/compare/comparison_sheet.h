// The comparison sheet: one small cross-section per design across the top,
// under it the d_n of every band with all designs overlaid, each in its own
// colour, and beside that each design's polar response at its column's
// frequency. Logical size 1200 x 700, y downwards. Reads the columns the
// comparison computed; computes no response of its own.
#pragma once

#include <array>
#include <cstddef>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "compare/comparison.h"

namespace welkin {

inline constexpr double comparison_sheet_width = 1200;
inline constexpr double comparison_sheet_height = 700;

// Each column's colour, in column order.
inline constexpr std::array<Rgb, max_compared_designs> design_colours = {
    Rgb{0, 84, 166}, Rgb{200, 60, 40}, Rgb{40, 140, 60}, Rgb{150, 80, 170}};

void paint_comparison_sheet(const Comparison& comparison, Canvas& canvas);

}  // namespace welkin
