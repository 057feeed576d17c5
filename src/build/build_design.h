// What the build planner needs to know of a design, as plain lengths: the
// wells of a 1D panel, or the cells of a 2D one at its offsets. Taken from
// the recompute that drew it.
#pragma once

#include <vector>

#include "core/design_snapshot.h"
#include "panel2d/grid.h"

namespace welkin {

struct BuildDesign {
    bool two_d = false;
    int n = 0;                  // wells across (1D) or rows and columns (2D)
    double fin_width_mm = 0;    // above 0 the panel has fins between its wells
    double well_width_mm = 0;   // the validated well width: a well bottom's side
    double block_width_mm = 0;  // the well width as shown: a block's side
    double panel_width_mm = 0;  // N x (fin + well), as the analysis gives it
    double front_mm = 0;        // from the back of the blocks to the panel's face
    // Row-major, one entry per well (1D: n entries; 2D: n x n, row 0 the front).
    std::vector<double> well_depth_mm;
    std::vector<double> block_height_mm;  // front_mm - well depth

    // Well or cell i's place, counted from 0.
    int row_of(int i) const { return two_d ? i / n : 0; }
    int column_of(int i) const { return two_d ? i % n : i; }
    int cells() const { return static_cast<int>(well_depth_mm.size()); }
};

// The 1D panel as the main window shows it. Depths are unrounded; the
// reports show them rounded.
BuildDesign build_design_1d(const DesignSnapshot& s);

// The 2D panel at the given offsets, as the 2D window and report evaluate it.
BuildDesign build_design_2d(const DesignSnapshot& s, const Offsets2d& offsets);

}  // namespace welkin
