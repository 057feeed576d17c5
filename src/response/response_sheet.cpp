#include "response/response_sheet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "units/angles.h"
#include "units/numtext.h"

namespace welkin {

namespace {

namespace colour = response_colour;

constexpr double title_points = 10;
constexpr double label_points = 8;

// Text grows and shrinks with the sheet, so that a small window or a large
// export keeps the sheet's proportions.
double text_scale(const Canvas& c) {
    return std::min(c.width_px() / response_sheet_width, c.height_px() / response_sheet_height);
}
double title_size(const Canvas& c) {
    return title_points * text_scale(c);
}
double label_size(const Canvas& c) {
    return label_points * text_scale(c);
}

// ---- the polar plot ----

constexpr double polar_x = 300;  // the centre, on the surface
constexpr double polar_y = 440;
constexpr double polar_radius = 260;  // 0 dB
constexpr double ring_step_db = 10;
constexpr double spoke_step_deg = 30;
constexpr int ring_segments = 90;
constexpr double polar_model_x = 360;  // right of the legend

// A receiver direction at a distance from the centre; 0 degrees straight up.
Point polar_point(double angle_deg, double radius) {
    const double a = angle_deg * radians_per_degree;
    return {polar_x + radius * std::sin(a), polar_y - radius * std::cos(a)};
}

// Levels above 0 dB (a design louder somewhere than the flat panel's peak,
// on a common reference) are cut at the outer ring; a note says by how much.
double radius_of(double level_db) {
    return polar_radius * std::clamp(1 + level_db / polar_range_db, 0.0, 1.0);
}

void polar_line(Canvas& c, Point a, Point b, Rgb colour) {
    c.line(a.x, a.y, b.x, b.y, colour);
}

void paint_polar_grid(Canvas& c) {
    for (double db = 0; db > -polar_range_db; db -= ring_step_db) {
        const double r = radius_of(db);
        std::vector<Point> ring;
        for (int i = 0; i <= ring_segments; ++i) {
            ring.push_back(polar_point(-90 + 180.0 * i / ring_segments, r));
        }
        c.polyline(ring, db == 0 ? colour::axis : colour::grid);
        // Along the face, where no curve goes.
        c.text(polar_x + r - 10, polar_y + 6, number_text_trimmed(db), label_size(c), colour::axis);
    }
    c.text(polar_x + 6, polar_y + 6, "dB", label_size(c), colour::axis);
    for (double a = -90; a <= 90; a += spoke_step_deg) {
        polar_line(c, polar_point(a, 0), polar_point(a, polar_radius), colour::grid);
        const std::string label = number_text_trimmed(a) + "\xC2\xB0";
        const Point at = polar_point(a, polar_radius + 14);
        // The ends of the face take their labels beside it.
        const double x = a == 90 ? at.x - 6 : a == -90 ? at.x - 26 : at.x - 14;
        c.text(x, at.y - 8, label, label_size(c), colour::axis);
    }
    c.set_pen_width(3);  // the diffuser's face
    polar_line(c, polar_point(-90, polar_radius), polar_point(90, polar_radius), colour::axis);
    c.set_pen_width(1);
}

void paint_curve(Canvas& c, const std::vector<double>& angles, const std::vector<double>& levels,
                 Rgb colour, int pen) {
    std::vector<Point> curve;
    for (std::size_t i = 0; i < angles.size() && i < levels.size(); ++i) {
        curve.push_back(polar_point(angles[i], radius_of(levels[i])));
    }
    c.set_pen_width(pen);
    c.polyline(curve, colour);
    c.set_pen_width(1);
}

void paint_source(Canvas& c, double source_deg) {
    c.set_pen_width(2);
    // Outside the angle labels, pointing at the centre.
    polar_line(c, polar_point(source_deg, polar_radius + 48),
               polar_point(source_deg, polar_radius + 26), colour::marker);
    c.set_pen_width(1);
}

void legend_line(Canvas& c, double y, Rgb colour, int pen, const std::string& text) {
    c.set_pen_width(pen);
    c.line(20, y + 7, 50, y + 7, colour);
    c.set_pen_width(1);
    c.text(58, y, text, label_size(c), colour::text);
}

std::string coefficient(double x) {
    return decimal_text(x, 3);
}

void paint_polar(const ResponseView& v, Canvas& c) {
    c.text(20, 12, "Polar response at " + response_headline(v), title_size(c), colour::text);
    if (!v.design_caption.empty()) {
        c.text(20, 32, "Design: " + v.design_caption, label_size(c), colour::text);
    }
    c.text(polar_model_x, 54, response_model_label(v), label_size(c), colour::text);
    legend_line(c, 54, colour::design, 2, "This design");
    legend_line(c, 72, colour::flat, 1, "Flat panel of the same width");
    legend_line(c, 90, colour::marker, 2, "Direction of the source");
    paint_polar_grid(c);
    paint_curve(c, v.plot_angles_deg, v.flat_levels_db, colour::flat, 1);
    paint_curve(c, v.plot_angles_deg, drawn_levels_db(v), colour::design, 2);
    paint_source(c, v.sound.source_angle_deg);
    const Diffusion& d = v.arc.diffusion;
    c.text(20, 470,
           "Diffusion coefficient d " + coefficient(d.d) + ", flat " + coefficient(d.d_flat) +
               ", normalised " + coefficient(d.d_n),
           label_size(c), colour::text);
    const bool common = v.common_reference && v.peak_over_flat_db;
    c.text(20, 488,
           "37 receivers from -90\xC2\xB0 to 90\xC2\xB0; levels within " +
               number_text_trimmed(polar_range_db) + " dB of " +
               (common ? "the flat panel's peak" : "each curve's peak"),
           label_size(c), colour::axis);
    double y = 510;
    for (const SheetNote& note : response_notes(v)) {
        c.text(20, y, note.text, label_size(c), note.warning ? colour::marker : colour::axis);
        y += 18;
    }
}

// ---- the band chart ----

constexpr double chart_left = 680;
constexpr double chart_right = 1170;
constexpr double chart_top = 110;
constexpr double chart_bottom = 420;
constexpr double chart_min = -0.2;
constexpr double chart_max = 1.0;
constexpr double chart_step = 0.2;
constexpr double bar_share = 0.6;
constexpr double lowest_centre_hz = third_octave_centres_hz.front();
constexpr int bands_per_row = 9;

double band_width() {
    return (chart_right - chart_left) / static_cast<double>(third_octave_centres_hz.size());
}

// The middle of band i.
double band_x(std::size_t i) {
    return chart_left + (static_cast<double>(i) + 0.5) * band_width();
}

// A frequency's place on the chart. The nominal centres are the decade
// series rounded (125 for 125.9, 1000 for 1000), ten bands to a decade.
double chart_x(double f_hz) {
    const double bands_above_lowest = 10 * std::log10(f_hz / lowest_centre_hz);
    return chart_left + (bands_above_lowest + 0.5) * band_width();
}

double chart_y(double value) {
    const double v = std::clamp(value, chart_min, chart_max);
    return chart_bottom - (v - chart_min) / (chart_max - chart_min) * (chart_bottom - chart_top);
}

void paint_chart_grid(Canvas& c) {
    for (int i = 0; chart_min + i * chart_step <= chart_max + 1e-9; ++i) {
        const double v = chart_min + i * chart_step;
        const double y = chart_y(v);
        c.line(chart_left, y, chart_right, y, std::abs(v) < 1e-9 ? colour::axis : colour::grid);
        c.text(chart_left - 34, y - 7, decimal_text(v, 1), label_size(c), colour::axis);
    }
    c.box(chart_left, chart_top, chart_right, chart_bottom, colour::axis);
    // Octave marks under the axis; the table below names every band.
    for (std::size_t i = 0; i < third_octave_centres_hz.size(); i += 3) {
        const double x = band_x(i);
        c.line(x, chart_bottom, x, chart_bottom + 5, colour::axis);
        c.text(x - 12, chart_bottom + 7, number_text_trimmed(third_octave_centres_hz[i]),
               label_size(c), colour::axis);
    }
    c.text(chart_right - 20, chart_bottom + 7, "Hz", label_size(c), colour::axis);
}

void paint_usable(const ResponseView& v, Canvas& c) {
    if (!v.usable) {
        c.text(chart_left, 84, "No usable range at this source angle", label_size(c), colour::text);
        return;
    }
    const double x1 = std::clamp(chart_x(v.usable->low_hz), chart_left, chart_right);
    const double x2 = std::clamp(chart_x(v.usable->high_hz), chart_left, chart_right);
    if (x2 > x1) c.fill_box(x1, chart_top, x2, chart_bottom, colour::usable);
    c.text(chart_left, 84,
           "Shaded: usable range " + number_text_trimmed(v.usable->low_hz) + " Hz to " +
               number_text_trimmed(v.usable->high_hz) + " Hz",
           label_size(c), colour::text);
}

void paint_bars(const ResponseView& v, Canvas& c) {
    const double half_bar = bar_share * band_width() / 2;
    for (std::size_t i = 0; i < v.bands.size(); ++i) {
        const double x = band_x(i);
        c.fill_box(x - half_bar, chart_y(0), x + half_bar, chart_y(v.bands[i].diffusion.d_n),
                   colour::design);
    }
}

void paint_frequency_marker(const ResponseView& v, Canvas& c) {
    const double x = chart_x(v.sound.frequency_hz);
    if (!(x >= chart_left && x <= chart_right)) return;
    c.set_pen_width(2);
    c.line(x, chart_top, x, chart_bottom, colour::marker);
    c.set_pen_width(1);
}

void paint_band_table(const ResponseView& v, Canvas& c) {
    const double column = (chart_right - chart_left) / bands_per_row;
    for (std::size_t i = 0; i < v.bands.size(); ++i) {
        const auto row = static_cast<double>(i / bands_per_row);
        const auto col = static_cast<double>(i % bands_per_row);
        const double x = chart_left + col * column;
        const double y = 458 + row * 44;
        c.text(x, y, number_text_trimmed(v.bands[i].centre_hz), label_size(c), colour::axis);
        c.text(x, y + 17, decimal_text(v.bands[i].diffusion.d_n, 2), label_size(c), colour::text);
    }
    for (double row = 0; row < 2; ++row) {
        c.text(chart_left - 88, 458 + row * 44, "Band, Hz", label_size(c), colour::axis);
        c.text(chart_left - 88, 475 + row * 44, "Normalised", label_size(c), colour::text);
    }
}

void paint_chart(const ResponseView& v, Canvas& c) {
    c.text(chart_left - 40, 12, "Normalised diffusion coefficient per one-third octave",
           title_size(c), colour::text);
    c.text(chart_left - 40, 34, response_model_label(v), label_size(c), colour::text);
    paint_usable(v, c);
    paint_chart_grid(c);
    paint_bars(v, c);
    paint_frequency_marker(v, c);
    paint_band_table(v, c);
}

std::string hz_text(double hz) {
    return number_text_trimmed(hz) + " Hz";
}

// Where the frequency of the polar plot falls off the chart, if it does.
std::optional<SheetNote> off_chart_note(double f_hz) {
    const double x = chart_x(f_hz);
    if (x >= chart_left && x <= chart_right) return std::nullopt;
    const std::string bands = hz_text(third_octave_centres_hz.front()) + " to " +
                              hz_text(third_octave_centres_hz.back());
    return SheetNote{"The plot's " + hz_text(f_hz) + " lies " +
                         (x < chart_left ? "below" : "above") +
                         " the chart, whose bands run from " + bands,
                     true};
}

std::optional<SheetNote> common_reference_note(const ResponseView& v) {
    if (!v.common_reference) return std::nullopt;
    if (!v.peak_over_flat_db) {
        return SheetNote{"The flat panel is silent here, so each curve has its own peak", true};
    }
    // Less than a tenth of a decibel does not show on the plot.
    if (*v.peak_over_flat_db < 0.1) return std::nullopt;
    return SheetNote{"This design's loudest direction is " +
                         decimal_text(*v.peak_over_flat_db, 1) +
                         " dB above the flat panel's peak; the plot is cut at 0 dB",
                     true};
}

}  // namespace

std::string response_model_label(const ResponseView& view) {
    if (view.model == ResponseModel::far_field) return "Far-field model";
    return "Boundary elements, source at " + number_text_trimmed(view.source_distance_m) +
           " m, receivers at " + number_text_trimmed(view.receiver_distance_m) + " m";
}

std::vector<SheetNote> response_notes(const ResponseView& view) {
    const bool far_field = view.model == ResponseModel::far_field;
    std::vector<SheetNote> notes{
        {far_field
             ? "Far-field model: rigid wells, no edge diffraction, one plane; see Help for its limits"
             : "Boundary-element model: thin rigid panels, rear open, edges included; see Help",
         false}};
    const double source = view.sound.source_angle_deg;
    // Edges are what a grazing source hears most, and only the far field leaves them out.
    if (far_field && std::abs(source) >= grazing_source_deg) {
        notes.push_back({"Grazing source, " + number_text_trimmed(std::abs(source)) +
                             "\xC2\xB0 from the normal: the model is at its weakest here",
                         true});
    }
    if (auto note = off_chart_note(view.sound.frequency_hz)) notes.push_back(*note);
    if (auto note = common_reference_note(view)) notes.push_back(*note);
    return notes;
}

std::string response_headline(const ResponseView& view) {
    const std::string panels =
        view.panels == 1 ? "1 panel" : number_text_trimmed(view.panels) + " panels side by side";
    return number_text_trimmed(view.sound.frequency_hz) + " Hz, source at " +
           number_text_trimmed(view.sound.source_angle_deg) + "\xC2\xB0, " + panels;
}

void paint_response_sheet(const ResponseView& view, Canvas& canvas) {
    canvas.set_scale(0, 0, response_sheet_width, response_sheet_height);
    canvas.clear(rgb_white);
    canvas.set_pen_width(1);
    paint_polar(view, canvas);
    paint_chart(view, canvas);
}

}  // namespace welkin
