#include "lobes/lobes_view.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "units/numtext.h"

namespace welkin {

namespace {

constexpr int frame_pen = 2;
constexpr int true_tick_pen = 6;
constexpr double marker_foot = -104;  // markers start just in front of the lobe floor
constexpr double text_step_x = 10;
constexpr double design_marker_end = -520;
// In the explorer the design frequency's label stands at the end of its
// marker; an octave below it, the other label would run into it where the
// axis is long, so that one ends further forward, clear of it.
constexpr double octave_below_design_end_explorer = -580;

struct LegendLine {
    std::string_view text;
    Rgb colour;
};

constexpr Rgb legend_green{96, 196, 96};
constexpr Rgb legend_yellow{196, 196, 64};
constexpr Rgb legend_red{255, 64, 64};
constexpr Rgb legend_light_red{255, 128, 128};
constexpr auto legend = std::to_array<LegendLine>({
    {"Green area shows diffusion range including any reduction due to plate frequency",
     legend_green},
    {"Lowest diffusion frequency is design frequency or f_period, whichever is highest",
     legend_green},
    {"", legend_green},
    {"Yellow area shows scattering range one octave below diffusion range", legend_yellow},
    {"", legend_yellow},
    {"Red lines show active true diffusion frequencies", legend_red},
    {"", legend_red},
    {"Light Red area shows any decrease in HF cutoff due to signal angle, ignoring plate "
     "frequency",
     legend_light_red},
    {"Change signal angle and press the 'Enter' key or click the 'Redo' button to see the result",
     legend_light_red},
});
constexpr double legend_top = 10;
constexpr double legend_left = 30;
// A text line's height in pixels: Arial's line spacing at 96 dots per inch.
constexpr double line_spacing_px_per_point = 96.0 / 72.0 * 1.15;

void text_3d(Canvas& canvas, Point3 p, std::string_view text, double point_size) {
    const PicturePoint at = project_3d(p);
    canvas.text(at.x, at.y, text, point_size, lobe_colour::text);
}

void floor_line(Canvas& canvas, double x, double y1, double y2, Rgb colour) {
    line_3d(canvas, {x, y1, 0}, {x, y2, 0}, colour);
}

void marker(Canvas& canvas, double x, double end_y, std::string_view text, double point_size) {
    floor_line(canvas, x, marker_foot, end_y, lobe_colour::edge);
    if (!text.empty()) text_3d(canvas, {x + text_step_x, end_y, 0}, text, point_size);
}

std::string hz(double f) {
    return number_text(f) + " Hz";
}

void draw_floor_outline(Canvas& canvas, const LobeAnalysis& a) {
    const double start = axis_x(a, a.lobe_start_hz);
    for (const double y : {-100.0, 100.0}) {
        line_3d(canvas, {start, y, 0}, {1000, y, 0}, lobe_colour::floor_outline);
    }
    for (const double x : {start, 1000.0}) floor_line(canvas, x, -100, 100, lobe_colour::floor_outline);
}

void draw_true_markers(Canvas& canvas, const LobeAnalysis& a, double point_size) {
    for (const TrueMultiple& t : true_multiples(a)) {
        const double x = axis_x(a, t.freq_hz);
        if (t.active) {
            canvas.set_pen_width(true_tick_pen);
            floor_line(canvas, x, marker_foot, -120, lobe_colour::true_marker);
            canvas.set_pen_width(frame_pen);
            floor_line(canvas, x, -160, -400, lobe_colour::true_marker);
        } else {
            floor_line(canvas, x, marker_foot, -120, lobe_colour::true_marker);
        }
        text_3d(canvas, {x + text_step_x, -120, 0}, number_text(t.freq_hz), point_size);
    }
}

}  // namespace

Rgb order_colour(int m) {
    return {(40 * m) % 235 + 20, (20 * m) % 235 + 20, (10 * m) % 235 + 20};
}

void clear_lobes_picture(Canvas& canvas) {
    canvas.set_scale(0, 0, lobes_picture_width, lobes_picture_height);
    canvas.clear(lobe_colour::background);
    canvas.set_pen_width(frame_pen);
    for (const double x : {0.0, lobes_picture_width}) {
        canvas.line(x, 0, x, lobes_picture_height, lobe_colour::edge);
    }
}

void draw_explorer_legend(Canvas& canvas, double point_size) {
    const double step =
        point_size * line_spacing_px_per_point * lobes_picture_height / canvas.height_px();
    double y = legend_top;
    for (const LegendLine& line : legend) {
        if (!line.text.empty()) canvas.text(legend_left, y, line.text, point_size, line.colour);
        y += step;
    }
}

namespace {

// The colours a frequency gives the lobe floor and the band in front of it:
// the last of the colours the bands lay over one another there.
struct BandColours {
    std::optional<Rgb> floor;
    std::optional<Rgb> band;
};

BandColours band_colours(const LobeAnalysis& a, double f) {
    BandColours c;
    const double fd = a.design_freq_hz;
    if (a.lobes_mode && f >= a.f_period_hz) {
        c.floor = lobe_colour::floor_lobes;
    } else if (a.lobes_mode && a.lobe_start_hz < f && f < a.f_period_hz) {
        c.floor = lobe_colour::floor_early;
    }
    if (a.usable_low_hz <= f && f <= a.usable_high_hz) {
        c.band = lobe_colour::diffusion;
        if ((a.f_period_hz > fd && f < a.f_period_hz) || (a.f_period_hz < fd && f < fd)) {
            c.band = lobe_colour::scattering;
        }
    }
    if (f >= a.hf_angle_hz) c.band = lobe_colour::above_cutoff;
    return c;
}

// A run of frequencies of one colour on the floor between y1 and y2: one
// filled strip with the pen's edge its lines had, or a line where the run is
// a single frequency.
struct FloorRun {
    double y1;
    double y2;
    std::optional<Rgb> colour;
    double first_x = 0;
    double last_x = 0;

    void extend(Canvas& canvas, std::optional<Rgb> c, double x) {
        if (c != colour) {
            draw(canvas);
            colour = c;
            first_x = x;
        }
        last_x = x;
    }
    void draw(Canvas& canvas) const {
        if (!colour) return;
        if (first_x == last_x) {
            floor_line(canvas, first_x, y1, y2, *colour);
            return;
        }
        const std::array<Point, 4> corners{to_point(project_3d({first_x, y1, 0})),
                                           to_point(project_3d({last_x, y1, 0})),
                                           to_point(project_3d({last_x, y2, 0})),
                                           to_point(project_3d({first_x, y2, 0}))};
        canvas.fill_polygon_edged(corners, *colour);
    }
    static Point to_point(PicturePoint p) { return {p.x, p.y}; }
};

}  // namespace

// The floor's colours change only at a few frequencies: each stretch of one
// colour is one strip instead of a line a hertz.
void draw_floor_bands(Canvas& canvas, const LobeAnalysis& a) {
    line_3d(canvas, {axis_x(a, 0), -100, 0}, {1000, -100, 0}, lobe_colour::edge);
    const double start = a.lobes_mode ? std::min(a.lobe_start_hz, a.usable_low_hz) : 0;
    FloorRun floor{-100, 100, std::nullopt};
    FloorRun band{-200, -400, std::nullopt};
    for (double f = start; f <= a.hf_zero_hz; f += 1) {
        const double x = axis_x(a, f);
        const BandColours c = band_colours(a, f);
        floor.extend(canvas, c.floor, x);
        band.extend(canvas, c.band, x);
    }
    floor.draw(canvas);
    band.draw(canvas);
}

void draw_markers(Canvas& canvas, const LobeAnalysis& a, double point_size) {
    const double fd = a.design_freq_hz;
    const double zero = axis_x(a, 0);
    if (a.lobes_mode) draw_floor_outline(canvas, a);
    floor_line(canvas, zero, -100, -120, lobe_colour::edge);
    text_3d(canvas, {zero + text_step_x, -120, 0}, "0 Hz", point_size);
    if (a.plate_freq_hz < a.hf_zero_hz) {
        marker(canvas, axis_x(a, a.plate_freq_hz), -420, "Plate frequency " + hz(a.plate_freq_hz),
               point_size);
    }
    marker(canvas, axis_x(a, a.hf_angle_hz), -470, hz(a.hf_angle_hz), point_size);
    if (!a.lobes_mode) {
        marker(canvas, axis_x(a, fd), design_marker_end, "Design frequency " + hz(fd), point_size);
    }
    if (fd > a.f_period_hz) {
        marker(canvas, axis_x(a, int_floor(fd / 2)),
               a.lobes_mode ? design_marker_end : octave_below_design_end_explorer,
               "One octave below design frequency " + hz(int_floor(fd * 0.5)), point_size);
    }
    marker(canvas, 1000, -420, hz(a.hf_zero_hz), point_size);
    if (a.lobes_mode) marker(canvas, axis_x(a, a.lobe_start_hz), -400, "", point_size);
    marker(canvas, axis_x(a, a.f_period_hz), -420, "f_period " + hz(a.f_period_hz), point_size);
    if (fd < a.f_period_hz) {
        marker(canvas, axis_x(a, a.f_period_hz / 2), -420,
               "One octave below f_period  " + hz(int_floor(a.f_period_hz / 2)), point_size);
    }
    draw_true_markers(canvas, a, point_size);
}

}  // namespace welkin
