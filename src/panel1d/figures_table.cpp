#include "panel1d/figures_table.h"

#include <cstddef>

#include "core/sequence.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view mm_suffix = " mm";
constexpr std::string_view inches_suffix = " inches";

std::string heading(int page, UnitMode mode) {
    const bool metric = mode == UnitMode::metric;
    switch (page) {
        case 0: return std::string(heading_ratio);
        case 1: return std::string(metric ? heading_depth_mm : heading_depth_inches);
        case 2: return std::string(metric ? heading_block_mm : heading_block_inches);
        default: return std::string(heading_phase);
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

std::string inches_text(double mm, UnitMode mode) {
    return well_length_words(mm, mode) + std::string(inches_suffix);
}

}  // namespace

std::string well_depth_text(const Design& d, int units) {
    const double mm = well_depth_mm(d, units);
    if (d.unit_mode != UnitMode::metric) return inches_text(mm, d.unit_mode);
    return number_text(round_half_up(mm)) + std::string(mm_suffix);
}

std::string block_height_text(const Design& d, int units) {
    const double mm = d.deepest_well_mm - well_depth_mm(d, units);
    if (d.unit_mode != UnitMode::metric) return inches_text(mm, d.unit_mode);
    return number_text(int_floor(d.deepest_well_mm + 0.5 - well_depth_mm(d, units))) +
           std::string(mm_suffix);
}

std::string phase_shift_text(const Design& d, int units) {
    return number_text(int_floor(units * 360.0 / d.well_count));
}

FiguresTable figures_table(const DesignSnapshot& s, int page, int first_well) {
    const Design& d = s.design;
    FiguresTable table;
    table.heading = heading(page, d.unit_mode);
    for (int j = 0; j < figures_rows; ++j) {
        const int w = first_well + j;
        if (w < 0 || w > d.well_count - 1) continue;
        const auto row = static_cast<std::size_t>(j);
        table.wellnum[row] = number_text(w);
        table.ratio[row] = value_text(d, page, s.sequence.at(w));
    }
    return table;
}

}  // namespace welkin
