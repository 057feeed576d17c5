// The lobes picture drawn in strips against the old line-by-line drawing,
// rasterised without smoothing at the window's size and twice it.
#include <gtest/gtest.h>

#include <string>

#include "core/sequence.h"
#include "core/width_analysis.h"
#include "oracle/image_match.h"
#include "oracle/lobes_replay.h"
#include "render/lobes_render.h"
#include "render/qt_canvas.h"

namespace welkin {
namespace {

// The default 600 Hz panel with 3 mm fins and the well width auto-wells gives it.
LobeInputs panel(int n) {
    Design d;
    d.well_count = n;
    generate_sequence(d);
    d.design_freq_hz = 600;
    d.design_half_wavelength_mm = half_wavelength_from_freq(600);
    d.deepest_well_mm = deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
    d.fin_width_mm = 3;
    const double well = analyse_widths(d).recommended_width_mm;
    return {.well_count = n,
            .design_freq_hz = 600,
            .well_width_mm = well,
            .period_width_mm = n * (d.fin_width_mm + well),
            .plate_freq_hz = n * 600.0,
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

void expect_angles_match(int n) {
    for (const double angle : {0.0, 30.0, 60.0}) {
        for (const int scale : {1, 2}) {
            const QSize size = lobes_default_size * scale;
            const LobesRunOptions options{.lobes_mode = true, .angle_deg = angle};
            const std::string name = "lobes-n" + std::to_string(n) + "-" +
                                     std::to_string(static_cast<int>(angle)) + "deg-x" +
                                     std::to_string(scale);
            const Result<QImage> drawn = render_lobes(panel(n), options, size);
            ASSERT_TRUE(drawn.ok()) << drawn.message();
            EXPECT_TRUE(pictures_match(*drawn, replayed(panel(n), options, size), name, 0.005,
                                       0.0005));
        }
    }
}

TEST(LobesPictureMatchesReplay, SmallPanel) {
    expect_angles_match(7);
}

TEST(LobesPictureMatchesReplay, LargePanel) {
    expect_angles_match(31);
}

}  // namespace
}  // namespace welkin
