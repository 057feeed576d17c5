#include "panel1d/scorecard_pictures.h"

#include <cmath>

#include "core/design_texts.h"
#include "panel1d/phase_wheel.h"

namespace welkin {

namespace {

constexpr double icon_size = 20;
constexpr double width = 200;
constexpr double height = 120;
constexpr Rgb paper{236, 236, 236};
constexpr Rgb ink{40, 40, 40};
constexpr Rgb wall{90, 90, 90};
constexpr Rgb air_blue{55, 106, 240};
constexpr Rgb well_fill{115, 164, 110};
constexpr Rgb layer_shade{200, 150, 140};
constexpr Rgb band_fill{190, 220, 190};
constexpr double label_points = 7;

// One period of a wave between x0 and x1 around the line y = mid.
void wave(Canvas& c, double x0, double x1, double mid, double amplitude, double periods, Rgb col) {
    constexpr int steps = 48;
    double px = x0;
    double py = mid;
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double x = x0 + (x1 - x0) * t;
        const double y = mid - amplitude * std::sin(full_turn * periods * t);
        c.line(px, py, x, y, col);
        px = x;
        py = y;
    }
}

// A dimension line with end ticks.
void span(Canvas& c, double x0, double x1, double y, Rgb col) {
    c.line(x0, y, x1, y, col);
    c.line(x0, y - 4, x0, y + 4, col);
    c.line(x1, y - 4, x1, y + 4, col);
}

// A row of wells of the given depths (in tenths of the well height).
void wells(Canvas& c, double x0, double x1, double top, double bottom, const int* depths, int n) {
    const double pitch = (x1 - x0) / n;
    c.fill_box(x0, top, x1, bottom, wall);
    for (int i = 0; i < n; ++i) {
        const double x = x0 + pitch * i;
        c.fill_box(x + 1, top, x + pitch - 1, top + (bottom - top) * depths[i] / 10.0, well_fill);
    }
}

constexpr int seven_wells[] = {0, 1, 4, 2, 2, 4, 1};  // a 7-well panel's depths, in tenths

// The period is at least one design wavelength wide.
void period_width(Canvas& c) {
    c.text(66, 0, "one wavelength", label_points, air_blue);
    wave(c, 20, 180, 32, 16, 1, air_blue);
    span(c, 20, 180, 56, ink);
    wells(c, 20, 180, 64, 98, seven_wells, 7);
    c.text(56, 102, "period >= wavelength", label_points, ink);
}

// Air rubbing on the walls of a narrow well loses energy in a boundary layer.
void viscous_limit(Canvas& c) {
    c.fill_box(60, 10, 140, 115, wall);
    c.fill_box(85, 10, 115, 105, paper);
    c.fill_box(85, 10, 91, 105, layer_shade);
    c.fill_box(109, 10, 115, 105, layer_shade);
    for (double y = 20; y < 100; y += 16) c.line(100, y, 100, y + 8, air_blue);
    span(c, 85, 115, 5, ink);
    c.text(4, 40, "boundary", label_points, ink);
    c.text(4, 52, "layers", label_points, ink);
    c.text(146, 40, "narrow", label_points, ink);
    c.text(146, 52, "well", label_points, ink);
}

// At N times the design frequency every well shifts the phase by whole
// turns and the panel reflects like a flat plate.
void plate_frequency(Canvas& c) {
    constexpr int flat[] = {3, 3, 3, 3, 3, 3, 3};
    wells(c, 20, 180, 85, 115, flat, 7);
    for (double x = 40; x <= 160; x += 40) {
        c.line(x, 20, x, 75, air_blue);
        c.line(x, 20, x - 4, 28, air_blue);
        c.line(x, 20, x + 4, 28, air_blue);
    }
    c.text(20, 2, "f = N x design frequency:", label_points, ink);
    c.text(20, 12, "reflected like a flat plate", label_points, ink);
}

// Diffusion works from the lowest diffusion frequency up to the HF cutoff.
void usable_range(Canvas& c) {
    c.line(10, 90, 190, 90, ink);
    c.fill_box(50, 40, 150, 90, band_fill);
    wave(c, 10, 50, 65, 10, 1, air_blue);
    wave(c, 150, 190, 65, 10, 4, air_blue);
    c.text(40, 95, "lowest", label_points, ink);
    c.text(132, 95, "HF cutoff", label_points, ink);
    c.text(68, 20, "diffusion", label_points, ink);
}

}  // namespace

void paint_score_icon(ScoreIcon icon, Canvas& canvas) {
    canvas.clear(paper);
    canvas.set_scale(0, 0, icon_size, icon_size);
    canvas.set_pen_width(2);
    switch (icon) {
        case ScoreIcon::good:
            canvas.fill_box(1, 1, 19, 19, rgb_score_good);
            canvas.line(5, 10, 9, 15, rgb_white);
            canvas.line(9, 15, 15, 5, rgb_white);
            break;
        case ScoreIcon::bad:
            canvas.fill_box(1, 1, 19, 19, rgb_score_bad);
            canvas.line(5, 5, 15, 15, rgb_white);
            canvas.line(15, 5, 5, 15, rgb_white);
            break;
        case ScoreIcon::doubtful:
            canvas.fill_box(1, 1, 19, 19, rgb_score_doubtful);
            canvas.text(6, 1, "?", 11, ink);
            break;
    }
}

void paint_illustration(Illustration which, Canvas& canvas) {
    canvas.clear(paper);
    canvas.set_scale(0, 0, width, height);
    canvas.set_pen_width(1);
    switch (which) {
        case Illustration::period_width: period_width(canvas); break;
        case Illustration::viscous_limit: viscous_limit(canvas); break;
        case Illustration::plate_frequency: plate_frequency(canvas); break;
        case Illustration::usable_range: usable_range(canvas); break;
    }
}

}  // namespace welkin
