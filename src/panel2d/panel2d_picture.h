// The 2D panel seen obliquely from the front: a field of blocks in a box,
// drawn back row first so that nearer blocks cover those behind them.
// Logical size 1.4 N + 4 wide by 1.5 N + 2 high; one depth unit of height
// is drawn as large as one cell.
#pragma once

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "panel2d/grid.h"
#include "panel2d/panel2d_look.h"

namespace welkin {

// The 2D window's two pictures, for the clipboard.
enum class Picture2d { panel, crossword };

double panel_picture_width(int n);
double panel_picture_height(int n);

void paint_panel_picture(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                         Canvas& canvas);

}  // namespace welkin
