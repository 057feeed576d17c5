#include "panel1d/phase_wheel.h"

#include <cmath>
#include <cstddef>

#include "panel1d/cross_section.h"

namespace welkin {

namespace {

constexpr double wheel_size = 202;
constexpr double centre = 100;
constexpr double radius = 100;
constexpr double tip_inner_radius = 85;
constexpr int wheel_pen = 2;

// Angle 0 points up and angles grow clockwise.
void spoke(Canvas& canvas, double angle, double from, double to, Rgb colour) {
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    canvas.line(centre + from * s, centre - from * c, centre + to * s, centre - to * c, colour);
}

}  // namespace

void paint_phase_wheel(const DesignSnapshot& snapshot, Canvas& canvas) {
    const Design& d = snapshot.design;
    canvas.clear(phase_wheel_background);
    canvas.set_scale(0, 0, wheel_size, wheel_size);
    canvas.set_pen_width(wheel_pen);
    const int n = d.well_count;
    if (n >= 1 && n <= max_well_count) {
        const double step = full_turn / n;
        for (int i = 0; i < n; ++i) spoke(canvas, i * step, 0, radius, unused_spoke_colour);
        const Rgb used = panel_colours(d).well_fill;
        for (int i = 0; i < n; ++i) {
            spoke(canvas, snapshot.sequence.at(i) * step, 0, radius, used);
        }
        if (d.advanced) {
            // The first well's shift: inverting a panel turns a shift of a into N - a.
            const int s = d.inverse_panel ? n - d.wheel_shift : d.wheel_shift;
            spoke(canvas, s * step, tip_inner_radius, radius, first_well_tip_colour);
        }
    }
    canvas.circle(centre, centre, radius, phase_wheel_rim_colour);
}

}  // namespace welkin
