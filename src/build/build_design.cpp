#include "build/build_design.h"

#include <algorithm>
#include <cstddef>

#include "core/sequence.h"
#include "panel2d/cutting_list.h"

namespace welkin {

namespace {

BuildDesign common(const Design& d, const DesignResults& r) {
    BuildDesign b;
    b.fin_width_mm = d.fin_width_mm;
    b.well_width_mm = d.well_width_mm;
    b.block_width_mm = r.well_width_shown_mm;
    b.panel_width_mm = r.panel_width_mm;
    return b;
}

}  // namespace

BuildDesign build_design_1d(const DesignSnapshot& s) {
    const Design& d = s.design;
    BuildDesign b = common(d, s.results);
    // A count outside the prime table (a damaged file) has no wells to build.
    b.n = is_panel_order(d.well_count) ? d.well_count : 0;
    b.front_mm = d.deepest_well_mm;
    for (int i = 0; i < b.n; ++i) {
        const double depth = well_depth_mm(d, s.sequence.at(i));
        b.well_depth_mm.push_back(depth);
        b.block_height_mm.push_back(std::max(0.0, b.front_mm - depth));
    }
    return b;
}

BuildDesign build_design_2d(const DesignSnapshot& s, const Offsets2d& offsets) {
    const Design& d = s.design;
    BuildDesign b = common(d, s.results);
    b.two_d = true;
    const Grid2d g = grid_2d(d);
    b.n = is_panel_order(d.well_count) ? listed_order(g) : 0;
    const double unit = depth_unit_mm(d);
    for (int row = 0; row < b.n; ++row) {
        for (int column = 0; column < b.n; ++column) {
            const Cell2d cell = cell_2d(g, offsets, row, column);
            // Height plus depth is the same for every cell of a grid.
            b.front_mm = (cell.block_height + cell.well_depth) * unit;
            b.well_depth_mm.push_back(cell.well_depth * unit);
            b.block_height_mm.push_back(cell.block_height * unit);
        }
    }
    return b;
}

}  // namespace welkin
