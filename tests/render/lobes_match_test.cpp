// The lobes picture drawn in sheets and strips against the old line-by-line
// drawing, rasterised without smoothing at the window's size and twice it.
#include <gtest/gtest.h>

#include <string>

#include "core/sequence.h"
#include "core/width_analysis.h"
#include "lobes/lobes_view.h"
#include "oracle/image_match.h"
#include "oracle/lobes_replay.h"
#include "render/lobes_render.h"
#include "render/qt_canvas.h"

namespace welkin {
namespace {

// A panel at `design_hz` with 3 mm fins and the well width auto-wells gives it.
LobeInputs panel(int n, double design_hz = 600) {
    Design d;
    d.well_count = n;
    const PanelSequence s = panel_sequence(d);
    d.design_freq_hz = design_hz;
    d.design_half_wavelength_mm = half_wavelength_from_freq(design_hz);
    d.deepest_well_mm = deepest_from_half_wavelength(d.design_half_wavelength_mm, s.max_units, n);
    d.fin_width_mm = 3;
    const double well = analyse_widths(d, s).recommended_width_mm;
    return {.well_count = n,
            .design_freq_hz = design_hz,
            .well_width_mm = well,
            .period_width_mm = n * (d.fin_width_mm + well),
            .plate_freq_hz = n * design_hz,
            .unit_mode = d.unit_mode};
}

QImage replayed(const LobeInputs& in, const LobesRunOptions& options, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    SteepAngleMemory memory{};
    QtCanvas canvas(image);
    canvas.set_smoothing(false);
    LobesReplay run(in, options, memory);
    run.finish(canvas);
    return image;
}

// The old drawing leaves each lobe's tips as a stippled grey band: every
// hertz's dot, partly covered by the next hertz's spoke. The picture
// replays those strokes around the tips, so at most 0.5% of the pixels may
// differ (a quarter of that is usual), each within a pixel of its colour
// but for the few where lobes of two orders cross within a span and the
// nearer lies a pixel or two over.
constexpr double max_differing = 0.005;
constexpr double max_displaced = 0.0025;

// Each way of running the picture: the lobes at several angles (an early
// lobe floor only at an angle, the orders grazing at 90 degrees), the
// explorer (no lobes, a light red floor from 0 Hz at 90 degrees), and the
// slices at the true diffusion frequencies, whose last is the plate
// frequency at 400 Hz.
// The lobes at an angle are drawn at twice the size as well; the others
// only at the window's.
struct Run {
    const char* name;
    LobesRunOptions options;
    double design_hz = 600;
    int largest_scale = 1;
};

const Run runs[] = {
    {"lobes-0deg", {.lobes_mode = true, .angle_deg = 0}, 600, 2},
    {"lobes-30deg", {.lobes_mode = true, .angle_deg = 30}, 600, 2},
    {"lobes-60deg", {.lobes_mode = true, .angle_deg = 60}, 600, 2},
    {"lobes-grazing", {.lobes_mode = true, .angle_deg = -90}},
    {"explorer-30deg", {.lobes_mode = false, .angle_deg = 30}},
    {"explorer-grazing", {.lobes_mode = false, .angle_deg = 90}},
    {"trues-400hz", {.lobes_mode = true, .angle_deg = 0, .slices = SliceChoice::true_diffusion},
     400},
};

void expect_runs_match(int n) {
    for (const Run& run : runs) {
        for (int scale = 1; scale <= run.largest_scale; ++scale) {
            const QSize size = lobes_default_size * scale;
            const std::string name =
                "lobes-n" + std::to_string(n) + "-" + run.name + "-x" + std::to_string(scale);
            const LobeInputs in = panel(n, run.design_hz);
            const Result<QImage> drawn = render_lobes(in, run.options, size);
            ASSERT_TRUE(drawn.ok()) << name << ": " << drawn.message();
            EXPECT_TRUE(
                pictures_match(*drawn, replayed(in, run.options, size), name, max_differing,
                               max_displaced));
        }
    }
}

TEST(LobesPictureMatchesReplay, SmallPanel) {
    expect_runs_match(7);
}

TEST(LobesPictureMatchesReplay, LargePanel) {
    expect_runs_match(31);
}

}  // namespace
}  // namespace welkin
