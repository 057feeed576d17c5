// The 2D panel seen obliquely from the front: a field of blocks in a box,
// drawn back row first so that nearer blocks cover those behind them.
// Logical size 1.4 N + 4 wide by 1.5 N + 2 high; one depth unit of height
// is drawn as large as one cell.
#pragma once

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "panel2d/grid.h"

namespace welkin {

// The 2D window's two pictures, for the clipboard.
enum class Picture2d { panel, crossword };

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

double panel_picture_width(int n);
double panel_picture_height(int n);

void paint_panel_picture(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                         Canvas& canvas);

}  // namespace welkin
