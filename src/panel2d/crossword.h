// The crossword: the 2D panel seen from the front as N x N coloured squares,
// front row at the bottom, each optionally carrying its height or depth.
// Logical size N wide by N + 1 high in the 2D window (the caption takes the
// last row), N by N full-screen.
#pragma once

#include <string>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "panel2d/grid.h"
#include "units/unit_mode.h"

namespace welkin {

enum class CrosswordQuantity { block_heights, well_depths };

inline constexpr Rgb highlight_colour{255, 206, 11};
inline constexpr Rgb block_layer_colour{205, 205, 255};
inline constexpr Rgb depth_layer_colour{255, 205, 205};

// What the full-screen view adds: cells of one block height picked out,
// and with `layerlight` the layers on one side of it tinted.
struct Highlight {
    int block_height = -1;  // none below 0
    bool layerlight = false;
};

struct CrosswordOptions {
    CrosswordQuantity quantity = CrosswordQuantity::block_heights;
    bool numbers = true;
    bool dimensions = false;  // lengths in the unit mode; writes them even without numbers
    bool no_colour = false;
    bool invert = false;      // no effect under no_colour
    bool full_screen = false;
    Highlight highlight{};    // full screen only
    UnitMode unit_mode = UnitMode::metric;
    double depth_unit_mm = 0;
};

double crossword_height(int n, bool full_screen);

// Font sizes: the cells' numbers, and the caption's (14 for small panels).
int crossword_font_size(int n, bool full_screen);
int crossword_caption_font_size(int n);

// The cell's fill before any highlight.
Rgb crossword_cell_colour(const Grid2d& g, const CrosswordOptions& options, int block_height);
// The fill with the full-screen highlight applied.
Rgb highlighted_cell_colour(const Grid2d& g, const CrosswordOptions& options, int block_height);

// What a cell says: its height or depth in depth units, or as a length.
std::string crossword_cell_text(const Grid2d& g, const CrosswordOptions& options,
                                const Cell2d& cell);

// "Block Heights in depth units", or with dimensions the unit and the offsets.
std::string crossword_caption(const Grid2d& g, const Offsets2d& o,
                              const CrosswordOptions& options);

// The well depth a cell shows: N - h for the finned legacy inverse, whose
// deepest well is N units, and N - 1 - h otherwise.
int shown_well_depth(const Grid2d& g, int block_height);

void paint_crossword(const Grid2d& g, const Offsets2d& o, const CrosswordOptions& options,
                     Canvas& canvas);

}  // namespace welkin
