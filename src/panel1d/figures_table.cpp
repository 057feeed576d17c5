#include "panel1d/figures_table.h"

#include <cstddef>

#include "core/sequence.h"
#include "units/numtext.h"

namespace welkin {

namespace {

std::string heading(int page) {
    switch (page) {
        case 0: return "Ratio";
        case 1: return "Depth in mm";
        case 2: return "Block height in mm";
        default: return "Phase shift in degrees";
    }
}

std::string value_text(const Design& d, int page, int units) {
    switch (page) {
        case 0: return number_text(units);
        case 1: return well_depth_text(d, units);
        case 2: return block_height_text(d, units);
        default: return phase_shift_text(d, units);
    }
}

}  // namespace

std::string well_depth_text(const Design& d, int units) {
    return number_text(round_half_up(well_depth_mm(d, units))) + " mm";
}

std::string block_height_text(const Design& d, int units) {
    return number_text(int_floor(d.deepest_well_mm + 0.5 - well_depth_mm(d, units))) + " mm";
}

std::string phase_shift_text(const Design& d, int units) {
    return number_text(int_floor(units * 360.0 / d.well_count));
}

FiguresTable figures_table(const Design& d, int first_well) {
    FiguresTable table;
    table.heading = heading(d.results_page);
    for (int j = 0; j < figures_rows; ++j) {
        const int w = first_well + j;
        if (w < 0 || w > d.well_count - 1) continue;
        const auto row = static_cast<std::size_t>(j);
        table.wellnum[row] = number_text(w);
        table.ratio[row] = value_text(d, d.results_page, d.well_seq[static_cast<std::size_t>(w)]);
    }
    return table;
}

}  // namespace welkin
