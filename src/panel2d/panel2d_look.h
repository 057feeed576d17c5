// How the 2D panel picture looks: its colours and options, shared by the
// picture and the scene it draws.
#pragma once

#include "canvas/rgb.h"

namespace welkin {

inline constexpr Rgb block_outline_colour = rgb_black;
inline constexpr Rgb block_depth_line_colour{254, 254, 254};
inline constexpr Rgb box_frame_colour{128, 128, 128};
inline constexpr Rgb wall_depth_line_colour{230, 230, 230};
inline constexpr Rgb empty_block_top_colour{128, 128, 128};

struct PanelPictureOptions {
    bool depth_lines = true;  // "Show Depth lines"
    // The window's picture stands in its box; the full-screen view shows
    // the blocks alone.
    bool box = true;
};

}  // namespace welkin
