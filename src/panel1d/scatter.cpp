#include "panel1d/scatter.h"

#include <cmath>
#include <cstddef>

#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"

namespace welkin {

namespace {

constexpr Rgb scatter_background = rgb_white;
// A sixteenth of three turns: the tilt per depth unit of difference, over N.
constexpr double tilt_turns = full_turn * 3 / 16;

}  // namespace

void paint_scatter(const DesignSnapshot& s, Canvas& canvas) {
    const Design& d = s.design;
    canvas.clear(scatter_background);
    const int n = d.well_count;
    if (n < 1 || n > max_well_count) return;
    canvas.set_scale(0, 0, n, 1);
    canvas.set_pen_width(1);
    // Stretches x so that a ray's width on screen is 1.5 x the picture's
    // height times sin a, whatever the picture's proportions.
    const double w = canvas.width_twips();
    const double stretch = w > 0 ? 3.0 * n * canvas.height_twips() / w : 0;
    const double step = tilt_turns / n;
    const double h = half_well_offset(s);
    const Rgb colour = panel_colours(d).well_fill;
    for (int i = 0; i < n; ++i) {
        // Entry N is the last well's neighbour as generated: side shifts
        // leave it alone.
        const double a = step * (s.sequence.at(i) - s.sequence.at(i + 1));
        const double x = i + 1 - h;
        canvas.line(x, 1, x - stretch / 2 * std::sin(a), 1 - std::cos(a), colour);
    }
}

}  // namespace welkin
