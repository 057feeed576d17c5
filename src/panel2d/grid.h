// The 2D panel: an N x N grid whose rows are the 1D sequence, each row
// rotated on the phase wheel by its own square, so that a cell's residue
// depends on the sum of two squares.
//
// Nothing here is stored: the 2D window, the full-screen view and the 2D
// report evaluate cells wherever they need them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas/rgb.h"
#include "core/design.h"

namespace welkin {

enum class Variant2d { standard, optimised_inverse, legacy_inverse };

// What decides every cell's height and depth, re-derived from the design
// each time so that a change in the main window shows at the next use.
struct Grid2d {
    int n = 0;  // panel order; below 1 the grid has no cells
    Variant2d variant = Variant2d::standard;
    bool finned = false;
    friend bool operator==(const Grid2d&, const Grid2d&) = default;
};

Grid2d grid_2d(const Design& d);

// The user's offsets of the grid, each 0..N-1.
struct Offsets2d {
    int left_shift = 0;  // columns shifted to the left
    int pull = 0;        // rows pulled towards the front
    friend bool operator==(const Offsets2d&, const Offsets2d&) = default;
};

// In whole depth units. Row 0 is the front row, column 0 the left column.
struct Cell2d {
    int residue = 0;
    int block_height = 0;
    int well_depth = 0;
    friend bool operator==(const Cell2d&, const Cell2d&) = default;
};

Cell2d cell_2d(const Grid2d& g, const Offsets2d& o, int r, int c);

// The same cells for drawings that visit all of them: each row's and each
// column's square is worked out once instead of once per cell.
class GridCells {
public:
    GridCells(const Grid2d& g, const Offsets2d& o);
    Cell2d at(int r, int c) const;

private:
    Grid2d g_;
    Offsets2d o_;
    std::vector<int> row_squares_;
    std::vector<int> column_squares_;
};

// Row r equals the 1D panel rotated on the phase wheel by k(r) = (pull + r)^2 mod N.
int row_equivalence(const Grid2d& g, const Offsets2d& o, int r);

// The 2D window's buttons that move the grid: "Push", "Pull", "<", ">",
// "Centre" and "No shift".
enum class OffsetMove { push, pull, left, right, centre, no_shift };

// Every move reduces modulo N, so the offsets stay within 0..N-1 even when
// they started outside.
Offsets2d move_offsets(const Offsets2d& o, OffsetMove move, int n);

// One depth unit in millimetres: half the design wavelength over N.
double depth_unit_mm(const Design& d);

// The caption over the 2D picture, such as "Finned Standard   N:7  Left:4  Pull:4".
std::string panel_caption_2d(const Grid2d& g, const Offsets2d& o);

// The colour that tells the variants apart.
Rgb variant_colour(const Grid2d& g);

// The base colour of display row r: lightest at the front.
Rgb row_shade(const Grid2d& g, int r);

}  // namespace welkin
