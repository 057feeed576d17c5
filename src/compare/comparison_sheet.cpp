#include "compare/comparison_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "response/surface.h"
#include "units/angles.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr Rgb ink{0, 0, 0};
constexpr Rgb axis{90, 90, 90};
constexpr Rgb grid{222, 222, 222};
constexpr Rgb flat_colour{170, 170, 170};
constexpr Rgb wood{205, 170, 125};
constexpr double label_points = 8;
constexpr double title_points = 10;
constexpr double polar_range = 40;  // dB below the peak at the centre

double text_scale(const Canvas& c) {
    return std::min(c.width_px() / comparison_sheet_width, c.height_px() / comparison_sheet_height);
}

// ---- the cross-sections, one slot per design across the top ----

constexpr double strip_top = 10;
constexpr double strip_height = 130;
constexpr double slot_width = comparison_sheet_width / max_compared_designs;

// The wells as drawn, the deepest filling the slot's height; each slot at
// its own scale, since the names below give the sizes.
void paint_section_slot(const PinnedDesign& p, std::size_t slot, Canvas& c) {
    const double left = 20 + static_cast<double>(slot) * slot_width;
    const double width = slot_width - 40;
    const double top = strip_top + 24;
    const double height = strip_height - 34;
    const Surface s = surface_of(p.snapshot, 1);
    double deepest = 0;
    for (const Well& w : s.wells) deepest = std::max(deepest, w.depth_mm);
    if (s.period_mm <= 0 || deepest <= 0) return;
    const double x_per_mm = width / s.period_mm;
    c.fill_box(left, top, left + width, top + height, wood);
    for (const Well& w : s.wells) {
        const double x = left + (w.centre_mm - w.width_mm / 2) * x_per_mm;
        c.fill_box(x, top, x + w.width_mm * x_per_mm, top + height * w.depth_mm / deepest,
                   rgb_white);
    }
    c.box(left, top, left + width, top + height, axis);
    c.text(left, strip_top, p.name, title_points * text_scale(c), design_colours[slot]);
}

// ---- the band chart ----

constexpr double chart_left = 60;
constexpr double chart_right = 580;
constexpr double chart_top = 180;
constexpr double chart_bottom = 640;

double band_x(std::size_t band) {
    const double step =
        (chart_right - chart_left) / static_cast<double>(third_octave_centres_hz.size() - 1);
    return chart_left + step * static_cast<double>(band);
}

double d_n_y(double d_n) {
    return chart_bottom - (chart_bottom - chart_top) * std::clamp(d_n, 0.0, 1.0);
}

void paint_chart_frame(Canvas& c) {
    const double points = label_points * text_scale(c);
    for (int tenth = 0; tenth <= 10; tenth += 2) {
        const double y = d_n_y(tenth / 10.0);
        c.line(chart_left, y, chart_right, y, tenth == 0 ? axis : grid);
        c.text(chart_left - 30, y - 6, decimal_text(tenth / 10.0, 1), points, axis);
    }
    for (std::size_t i = 0; i < third_octave_centres_hz.size(); i += 3) {
        c.text(band_x(i) - 12, chart_bottom + 6, number_text_trimmed(third_octave_centres_hz[i]),
               points, axis);
    }
    c.text(chart_left, chart_top - 24, "d_n per one-third octave (Hz)",
           title_points * text_scale(c), ink);
}

void paint_band_curve(const DesignColumn& column, Rgb colour, Canvas& c) {
    std::vector<Point> points;
    for (std::size_t i = 0; i < column.response.bands.size(); ++i)
        points.push_back({band_x(i), d_n_y(column.response.bands[i].diffusion.d_n)});
    c.set_pen_width(2);
    c.polyline(points, colour);
    c.set_pen_width(1);
}

// ---- the polar plots, two by two ----

constexpr double polar_radius = 110;

Point polar_centre(std::size_t slot) {
    return {760 + 300.0 * static_cast<double>(slot % 2),
            330 + 240.0 * static_cast<double>(slot / 2)};
}

Point polar_point(Point centre, double angle_deg, double level_db) {
    const double r = polar_radius * std::max(0.0, 1 + level_db / polar_range);
    const double a = angle_deg * radians_per_degree;
    return {centre.x + r * std::sin(a), centre.y - r * std::cos(a)};
}

void paint_polar(const DesignColumn& column, std::size_t slot, Rgb colour, Canvas& c) {
    const Point centre = polar_centre(slot);
    for (double db = 0; db > -polar_range; db -= 10) {
        std::vector<Point> ring;
        for (int a = -90; a <= 90; a += 5) ring.push_back(polar_point(centre, a, db));
        c.polyline(ring, db == 0 ? axis : grid);
    }
    c.line(centre.x - polar_radius, centre.y, centre.x + polar_radius, centre.y, axis);
    const ResponseView& v = column.response;
    std::vector<Point> flat;
    std::vector<Point> curve;
    for (std::size_t i = 0; i < v.plot_angles_deg.size(); ++i) {
        flat.push_back(polar_point(centre, v.plot_angles_deg[i], v.flat_levels_db[i]));
        curve.push_back(polar_point(centre, v.plot_angles_deg[i], v.levels_db[i]));
    }
    c.polyline(flat, flat_colour);
    c.set_pen_width(2);
    c.polyline(curve, colour);
    c.set_pen_width(1);
    c.text(centre.x - polar_radius, centre.y + 8,
           number_text_trimmed(v.sound.frequency_hz) + " Hz, d_n " +
               decimal_text(v.arc.diffusion.d_n, 3),
           label_points * text_scale(c), colour);
}

}  // namespace

void paint_comparison_sheet(const Comparison& comparison, Canvas& canvas) {
    canvas.set_scale(0, 0, comparison_sheet_width, comparison_sheet_height);
    canvas.clear(rgb_white);
    paint_chart_frame(canvas);
    canvas.text(640, chart_top - 24,
                "Polar response, source at " +
                    number_text_trimmed(comparison.settings().source_angle_deg) + "\xC2\xB0",
                title_points * text_scale(canvas), ink);
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        const Rgb colour = design_colours[i % design_colours.size()];
        paint_section_slot(comparison.designs()[i], i, canvas);
        paint_band_curve(comparison.columns()[i], colour, canvas);
        paint_polar(comparison.columns()[i], i, colour, canvas);
    }
}

}  // namespace welkin
