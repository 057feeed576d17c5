// How the run is driven: its pauses, an abort, and what it draws when the
// inputs are refused. What it draws is compared pixel by pixel with the old
// drawing in tests/render.
#include "lobes/lobes_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "canvas/recording_canvas.h"
#include "lobes/lobes_view.h"

namespace welkin {
namespace {

// The worked example's panel: N 7, 50 mm wells, 5 mm fins, so a 385 mm
// period, f_period 893 Hz and the HF cutoff 3440 Hz at 0 degrees.
LobeInputs panel(double fd = 500, int n = 7) {
    return {.well_count = n,
            .design_freq_hz = fd,
            .well_width_mm = 50,
            .period_width_mm = n * 55.0,
            .plate_freq_hz = n * fd,
            .unit_mode = UnitMode::metric};
}

struct Drawn {
    RecordingCanvas canvas{1000, 480};
    SteepAngleMemory memory{};
    std::string message;
};

Drawn run(const LobeInputs& in, double angle, bool lobes_mode = true,
          SliceChoice slices = SliceChoice::working_range_ends) {
    Drawn out;
    LobesRun r(in, {.lobes_mode = lobes_mode, .angle_deg = angle, .slices = slices},
               out.memory);
    r.finish(out.canvas);
    out.message = r.analysis().message();
    return out;
}

std::size_t lines_of(const Drawn& d, Rgb colour) {
    return d.canvas.of_kind(OpKind::line, colour).size();
}

TEST(LobesRun, NoSliceInsideTheSweepDrawsNoSlicesOrTick) {
    // At 90 degrees the usable range is empty (its top is 0 Hz), and at fd
    // 8000 Hz its bottom (4000 Hz) lies above the HF cutoff.
    const Drawn ends = run(panel(8000), 90);
    EXPECT_EQ(ends.message, "");
    EXPECT_EQ(lines_of(ends, lobe_colour::signal_tick), 0u);
    EXPECT_EQ(lines_of(ends, lobe_colour::slice), 0u);
    // fd 4000 Hz has no multiple between f_period and the cutoff.
    const Drawn trues = run(panel(4000), 0, true, SliceChoice::true_diffusion);
    EXPECT_EQ(lines_of(trues, lobe_colour::slice), 0u);
    EXPECT_EQ(lines_of(trues, lobe_colour::signal_tick), 0u);
}

TEST(LobesRun, PausesAboutTenTimesAndStopsOnAbort) {
    RecordingCanvas canvas(1000, 480);
    SteepAngleMemory memory{};
    LobesRun r(panel(), {.angle_deg = 0}, memory);
    EXPECT_EQ(r.advance(canvas), RunPause::cleared);
    EXPECT_EQ(r.advance(canvas), RunPause::markers);
    // 893 to 3440 Hz: a pause every 255 frequencies of 2548.
    int pauses = 0;
    while (r.advance(canvas) == RunPause::sweeping) ++pauses;
    EXPECT_EQ(pauses, 9);

    // Abort is served at the end of the step under way: one span of the
    // forty the sweep is drawn in, where finishing draws all the rest.
    const auto after_first_pause = [](LobesRun& run, RecordingCanvas& c) {
        run.advance(c);
        run.advance(c);
        EXPECT_EQ(run.advance(c), RunPause::sweeping);
        return c.ops.size();
    };
    RecordingCanvas finished_canvas(1000, 480);
    LobesRun finished(panel(), {.angle_deg = 0}, memory);
    const std::size_t finished_from = after_first_pause(finished, finished_canvas);
    finished.finish(finished_canvas);
    LobesRun aborted(panel(), {.angle_deg = 0}, memory);
    const std::size_t before = after_first_pause(aborted, canvas);
    aborted.request_abort();
    EXPECT_EQ(aborted.advance(canvas), RunPause::finished);
    const std::size_t rest = finished_canvas.ops.size() - finished_from;
    EXPECT_GT(canvas.ops.size(), before);
    EXPECT_LT((canvas.ops.size() - before) * 10, rest);
    EXPECT_TRUE(aborted.finished());
}

TEST(LobesRun, InvalidAngleLeavesTheEdges) {
    for (const bool lobes_mode : {true, false}) {
        const Drawn d = run(panel(), 91, lobes_mode);
        EXPECT_EQ(d.message, angle_error_text);
        EXPECT_EQ(d.canvas.of_kind(OpKind::line).size(), 2u);
        EXPECT_EQ(d.canvas.of_kind(OpKind::text).size(), lobes_mode ? 0u : 6u);
    }
    // A damaged design is refused the same way, before any division.
    LobeInputs zero = panel();
    zero.well_width_mm = 0;
    const Drawn damaged = run(zero, 0);
    EXPECT_EQ(damaged.message, lobe_design_error_text);
    EXPECT_EQ(damaged.canvas.of_kind(OpKind::line).size(), 2u);
}

// In the explorer the design frequency has a marker of its own; the label an
// octave below it must not print over its label, even where the frequency
// axis is long and the two markers stand close together.
TEST(LobesRun, ExplorerOctaveLabelStandsClearOfTheDesignFrequency) {
    struct Row {
        const char* name;
        LobeInputs inputs;
    };
    LobeInputs long_axis = panel(300, 31);  // f_period 258 Hz, HF cutoff 4300 Hz
    long_axis.well_width_mm = 40;
    long_axis.period_width_mm = 31 * 43.0;
    // One text line of the picture: 10 points at 96 dpi on a 480-pixel-high
    // canvas whose picture is 1200 units high.
    const double line_height = 10 * 96.0 / 72.0 * 1200.0 / 480.0;
    for (const Row& row : {Row{"worked example", panel(1000)}, Row{"long axis", long_axis}}) {
        const Drawn d = run(row.inputs, 0, false);
        const auto texts = d.canvas.of_kind(OpKind::text);
        const auto starting = [&](std::string_view start) {
            return std::find_if(texts.begin(), texts.end(), [&](const CanvasOp& op) {
                return op.text.starts_with(start);
            });
        };
        const auto design = starting("Design frequency ");
        const auto octave = starting("One octave below design frequency ");
        ASSERT_NE(design, texts.end()) << row.name;
        ASSERT_NE(octave, texts.end()) << row.name;
        EXPECT_GE(octave->y1 - design->y1, line_height) << row.name;
    }
}

}  // namespace
}  // namespace welkin
