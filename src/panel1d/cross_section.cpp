#include "panel1d/cross_section.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "panel1d/figures_table.h"
#include "units/numtext.h"

namespace welkin {

namespace {

// The panel's width in twips per millimetre at each drawing scale is this
// over vertical_scale_mm.
constexpr double scale_twips_factor = 1747.0;
// One stroke's inset from the far edges, so the border lands inside.
constexpr double inset_twips = 10.0;

constexpr std::string_view tip_well = "Well";
constexpr std::string_view tip_ratio = ":    Ratio";
constexpr std::string_view tip_depth = "    Depth ";
constexpr std::string_view tip_block = "    Block height ";
constexpr std::string_view tip_phase = "    Phase shift ";
constexpr std::string_view tip_degrees = " degrees";
constexpr std::string_view tip_unused = "    Unused depth units ";

bool drawable(const Design& d) {
    return d.well_count >= 1 && d.well_count <= max_well_count;
}

// inset_twips in the units of an axis `logical` units long over
// `device_twips`; none on a device without size.
double inset(double logical, double device_twips) {
    return device_twips > 0 ? inset_twips * logical / device_twips : 0;
}

}  // namespace

const PanelColours& panel_colours(const Design& d) {
    return d.inverse_panel ? inverse_panel_colours : standard_panel_colours;
}

double half_well_offset(const DesignSnapshot& s) {
    return s.design.half_width && s.sequence.at(0) == 0 ? 0.5 : 0.0;
}

double cross_section_logical_height(const Design& d) {
    const double n = d.well_count;
    if (d.vertical_scale_mm <= 0 || !(d.design_half_wavelength_mm > 0)) return n;
    return d.vertical_scale_mm * n / d.design_half_wavelength_mm;
}

double cross_section_width_twips(const Design& d, double panel_width_mm,
                                 double picture_full_width_twips) {
    if (d.vertical_scale_mm <= 0) return picture_full_width_twips;
    return scale_twips_factor * panel_width_mm / d.vertical_scale_mm;
}

namespace {

// The wells, filled from their floors to the back, each floor and the step
// up to it outlined.
void paint_wells(const DesignSnapshot& s, double h, Canvas& canvas) {
    const int n = s.design.well_count;
    const PanelColours& c = panel_colours(s.design);
    double previous = 0;
    for (int k = 0; k <= n; ++k) {
        // With the offset the last well is the other half of the first.
        const double well = k == n && h > 0 ? s.sequence.at(0) : s.sequence.at(k);
        const double left = k - h;
        const bool half_well = h > 0 && (k == 0 || k == n);
        canvas.fill_box(left, well, left + 1, n, half_well ? c.half_well_fill : c.well_fill);
        canvas.line(left, previous, left, well, c.outline);
        canvas.line(left, well, left + 1, well, c.outline);
        previous = well;
    }
}

// The unused depth behind the deepest well, with the well walls that the
// grey box covered drawn again down to its front.
void paint_unused_depth(const DesignSnapshot& s, double h, double iy, Canvas& canvas) {
    const int n = s.design.well_count;
    const double nd = n;
    const PanelColours& c = panel_colours(s.design);
    const int deepest = s.sequence.max_units;
    canvas.fill_box(0, deepest, nd, nd, unused_depth_colour);
    for (int k = 0; k < n; ++k) canvas.line(k - h, s.sequence.at(k), k - h, deepest, c.outline);
    if (h > 0) {
        const double m = std::min(s.sequence.at(0), s.sequence.at(n));
        canvas.line(nd - h, m, nd - h, deepest, c.outline);
    }
    for (int y = deepest; y <= n; ++y) canvas.line(0, y, nd, y, grid_colour);
    canvas.line(0, deepest, nd, deepest, c.outline);
    if (deepest == n) canvas.line(0, nd - iy, nd, nd - iy, c.outline);
}

}  // namespace

void paint_cross_section(const DesignSnapshot& s, Canvas& canvas) {
    const Design& d = s.design;
    canvas.clear(cross_section_background);
    if (!drawable(d)) return;
    const int n = d.well_count;
    const double nd = n;
    const double height = cross_section_logical_height(d);
    canvas.set_scale(0, 0, nd, height);
    canvas.set_pen_width(1);
    const double ix = inset(nd, canvas.width_twips());
    const double iy = inset(height, canvas.height_twips());
    const double h = half_well_offset(s);
    const PanelColours& c = panel_colours(d);

    for (int i = 0; i <= n; ++i) canvas.line(0, i, nd, i, grid_colour);
    paint_wells(s, h, canvas);
    for (int i = 0; i <= n; ++i) canvas.line(i - h, 0, i - h, nd, c.outline);
    canvas.line(0, 0, 0, nd, c.outline);
    canvas.line(nd - ix, 0, nd - ix, nd, c.outline);
    paint_unused_depth(s, h, iy, canvas);
}

std::string well_tooltip(const DesignSnapshot& snapshot, double x) {
    const Design& d = snapshot.design;
    if (!drawable(d) || !std::isfinite(x)) return {};
    const double n = d.well_count;
    // Wrapped into 0..N-1 so the half-well at the right end reads as well 0.
    double w = std::fmod(round_half_even(x - 0.5 + half_well_offset(snapshot)), n);
    if (w < 0) w += n;
    const int well = static_cast<int>(w);
    const int s = snapshot.sequence.at(well);
    std::string tip(tip_well);
    tip += number_text(well);
    tip += tip_ratio;
    tip += number_text(s);
    tip += tip_depth;
    tip += well_depth_text(d, s);
    tip += tip_block;
    tip += block_height_text(d, s);
    tip += tip_phase;
    tip += phase_shift_text(d, s);
    tip += tip_degrees;
    tip += tip_unused;
    tip += number_text(d.well_count - snapshot.sequence.max_units);
    return tip;
}

}  // namespace welkin
