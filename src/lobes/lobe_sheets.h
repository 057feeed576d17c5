// The lobe sweep drawn a span of frequencies at a time. Where the sweep
// draws every lobe as a spoke and a dot at every hertz, a span draws each
// lobe's spokes as one filled sheet, its tips the grey stipple the strokes
// leave (on an image, replayed by TipBand) or a grey line along them (in a
// file): in a few shapes instead of thousands.
#pragma once

#include <array>
#include <vector>

#include "canvas/canvas.h"
#include "lobes/lobe_analysis.h"

namespace welkin {

// The last steep-lobe angle filled per order number; the program keeps it
// from run to run, so a repeated run fills only where the angle moved.
using SteepAngleMemory = std::array<double, 11>;

// Steep lobes are thickened towards the floor for the first orders only.
inline constexpr int steep_lobe_orders = 6;

class LobeSheets {
public:
    LobeSheets(const LobeAnalysis& a, SteepAngleMemory& memory);

    // The lobes of the frequencies from `high` down to `low` (whole hertz
    // apart), the farther painted first as the sweep does. A frequency that
    // shows slices is drawn on its own, by the caller.
    void draw_span(Canvas& canvas, double high, double low);

private:
    // The frequencies of a span, and which of the lobes it draws.
    struct Span {
        double high;
        double low;
        bool steep_right;
    };
    static const std::vector<double>& no_fills() {
        static const std::vector<double> none;
        return none;
    }

    std::vector<std::vector<double>> steep_fills(double high, double low);
    void draw_layer(Canvas& canvas, int order, Span span, const std::vector<double>& fills);
    void draw_steep_fills(Canvas& canvas, int order, const std::vector<double>& fills);

    const LobeAnalysis& a_;
    SteepAngleMemory& memory_;
};

}  // namespace welkin
