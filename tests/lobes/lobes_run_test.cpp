#include "lobes/lobes_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "canvas/recording_canvas.h"

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

// The view worked by hand: X = x + 400 - 2y, Y = 600 - (0.3x + 0.9y + 2z).
double px(double x, double y) { return x + 400 - 2 * y; }
double py(double x, double y, double z) { return 600 - (0.3 * x + 0.9 * y + 2 * z); }
// x of f on the example's axis: f_period 893 at 0, 3440 at 1000.
double ax(double f) { return (f - 893) * 1000.0 / (3440 - 893); }

constexpr Rgb slice_grey{200, 200, 200};
constexpr Rgb tick_orange{252, 178, 0};
constexpr Rgb early_floor{179, 180, 217};
constexpr Rgb light_red{220, 205, 205};
constexpr Rgb green{207, 225, 210};
constexpr Rgb specular{204, 210, 170};
constexpr Rgb marker_grey{230, 230, 230};

std::size_t lines_of(const Drawn& d, Rgb colour) {
    return d.canvas.of_kind(OpKind::line, colour).size();
}

// Lines and filled shapes of the colour.
std::size_t shapes_of(const Drawn& d, Rgb colour) {
    return lines_of(d, colour) + d.canvas.of_kind(OpKind::polygon, colour).size();
}

// Lines of the colour that start at the picture point (X, Y).
std::size_t lines_from(const Drawn& d, Rgb colour, double x, double y) {
    const auto lines = d.canvas.of_kind(OpKind::line, colour);
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const CanvasOp& op) {
        return std::abs(op.x1 - x) < 1e-6 && std::abs(op.y1 - y) < 1e-6;
    }));
}

TEST(LobesRun, ExplorerDrawsNoLobesFloorSlicesOrLobeStartMarker) {
    const Drawn explorer = run(panel(), 30, false);
    const Drawn lobes = run(panel(), 30, true);
    struct Row {
        const char* what;
        Rgb colour;
    };
    for (const Row& row : {Row{"lobe floor", {228, 229, 221}}, Row{"early floor", early_floor},
                           Row{"floor outline", {76, 76, 76}}, Row{"slices", slice_grey},
                           Row{"tips", {128, 128, 128}}, Row{"order 1", {60, 40, 30}},
                           Row{"specular", specular}, Row{"signal tick", tick_orange}}) {
        EXPECT_EQ(shapes_of(explorer, row.colour), 0u) << row.what;
        EXPECT_GT(shapes_of(lobes, row.colour), 0u) << row.what;
    }
    // A marker ending at y -400 is the lobe-start marker.
    auto lobe_start_markers = [](const Drawn& d) {
        const auto lines = d.canvas.of_kind(OpKind::line, marker_grey);
        return std::count_if(lines.begin(), lines.end(), [](const CanvasOp& op) {
            const double x = op.x2 - 1200;
            return std::abs(op.x1 - px(x, -104)) < 1e-6 && std::abs(op.y2 - py(x, -400, 0)) < 1e-6;
        });
    };
    EXPECT_EQ(lobe_start_markers(explorer), 0);
    EXPECT_EQ(lobe_start_markers(lobes), 1);
}

TEST(LobesRun, EarlyLobeFloorOnlyAtAnAngle) {
    EXPECT_EQ(shapes_of(run(panel(), 0), early_floor), 0u);
    // At 30 degrees the lobes begin at 595 Hz: 596 to 892 Hz lie between,
    // one strip across the floor (y -100 to 100).
    const Drawn d = run(panel(), 30);
    const auto strips = d.canvas.of_kind(OpKind::polygon, early_floor);
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(lines_of(d, early_floor), 0u);
    // The axis of this run is not the worked one at 0 degrees; its ends are
    // the strip's: the left end at 596 Hz, the right at 892 Hz, 296 Hz apart.
    const double width = strips[0].x2 - strips[0].x1 - 400;  // less the floor's own slant
    const double per_hz = width / 296;
    EXPECT_GT(per_hz, 0);
    // The floor band of the lobes starts where this one ends: 893 Hz, one hertz on.
    const auto floor = d.canvas.of_kind(OpKind::polygon, Rgb{228, 229, 221});
    ASSERT_EQ(floor.size(), 1u);
    EXPECT_NEAR(floor[0].x1 - strips[0].x1, 297 * per_hz, 1e-6);
}

TEST(LobesRun, OneSignalTickOnTheHighestSlice) {
    const Drawn d = run(panel(), 0);
    // Slices at 3440 Hz (x 1000) and 893 Hz; the tick is on the first.
    ASSERT_EQ(lines_of(d, tick_orange), 1u);
    const CanvasOp tick = d.canvas.of_kind(OpKind::line, tick_orange).front();
    EXPECT_TRUE(near(tick, {.kind = OpKind::line, .x1 = 2000, .y1 = 390, .x2 = 2000, .y2 = 350,
                            .colour = tick_orange, .pen_width = 6},
                     1e-6))
        << tick;
    EXPECT_EQ(lines_of(d, slice_grey), 2u * 180u);
}

TEST(LobesRun, NoSliceInsideTheSweepDrawsNoSlicesOrTick) {
    // At 90 degrees the usable range is empty (its top is 0 Hz), and at fd
    // 8000 Hz its bottom (4000 Hz) lies above the HF cutoff.
    const Drawn ends = run(panel(8000), 90);
    EXPECT_EQ(ends.message, "");
    EXPECT_EQ(lines_of(ends, tick_orange), 0u);
    EXPECT_EQ(lines_of(ends, slice_grey), 0u);
    // fd 4000 Hz has no multiple between f_period and the cutoff.
    const Drawn trues = run(panel(4000), 0, true, SliceChoice::true_diffusion);
    EXPECT_EQ(lines_of(trues, slice_grey), 0u);
    EXPECT_EQ(lines_of(trues, tick_orange), 0u);
}

TEST(LobesRun, NearGrazingOrdersLieFlatOnTheSlice) {
    // At 893 Hz and 0 degrees orders -1 and +1 have sines of exactly -1 and 1.
    const Drawn d = run(panel(), 0);
    constexpr Rgb order_1{60, 40, 30};
    const auto flat = [](double y_end) {
        return CanvasOp{.kind = OpKind::line, .x1 = 1000, .y1 = 870, .x2 = px(0, y_end),
                        .y2 = py(0, y_end, 0), .colour = order_1, .pen_width = 3};
    };
    EXPECT_EQ(d.canvas.count(flat(-200)), 1u);
    EXPECT_EQ(d.canvas.count(flat(-400)), 1u);
    // ... and not in the lobe plane, which starts at (x, 0, 0).
    EXPECT_EQ(lines_from(d, order_1, px(0, 0), py(0, 0, 0)), 0u);
}

TEST(LobesRun, PlateFrequencySliceHasNoLobeLines) {
    // fd 400 Hz: the plate frequency 2800 Hz is the last active multiple.
    const Drawn d = run(panel(400), 0, true, SliceChoice::true_diffusion);
    const double plate = ax(2800);
    const double at_2400 = ax(2400);
    const double bx = px(plate, -300);
    const double by = py(plate, -300, 0);
    EXPECT_EQ(lines_from(d, specular, bx, by), 1u);  // the signal line
    EXPECT_EQ(lines_from(d, {60, 40, 30}, bx, by), 0u);
    EXPECT_GT(lines_from(d, {60, 40, 30}, px(at_2400, -300), py(at_2400, -300, 0)), 0u);
    // Five slices: 1200, 1600, 2000, 2400 and 2800 Hz.
    EXPECT_EQ(lines_of(d, slice_grey), 5u * 180u);
}

TEST(LobesRun, OctaveMarkerHeights) {
    struct Row {
        const char* name;
        double fd;
        std::string text;
        double f_marker;
        double y_end;
    };
    for (const Row& row : {Row{"fd above f_period", 1000, "One octave below design frequency  500 Hz",
                               500, -520},
                           Row{"fd below f_period", 500, "One octave below f_period   446 Hz",
                               446.5, -420}}) {
        const Drawn d = run(panel(row.fd), 0);
        const auto texts = d.canvas.of_kind(OpKind::text);
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&](const CanvasOp& op) { return op.text == row.text; });
        ASSERT_NE(found, texts.end()) << row.name;
        const double x = (row.f_marker - 893) * 1000.0 / (3440 - 893) + 10;
        EXPECT_NEAR(found->x1, px(x, row.y_end), 1e-6) << row.name;
        EXPECT_NEAR(found->y1, py(x, row.y_end, 0), 1e-6) << row.name;
    }
}

TEST(LobesRun, ExplorerAt90DegreesIsLightRedFromZeroHertz) {
    const Drawn d = run(panel(), 90, false);
    SteepAngleMemory memory{};
    const LobesRun r(panel(), {.lobes_mode = false, .angle_deg = 90}, memory);
    EXPECT_EQ(result_texts(*r.analysis()).usable_range, "There is no usable working range");
    EXPECT_EQ(shapes_of(d, green), 0u);
    // 0 to 3440 Hz: one strip from y -200 to -400, its corners the
    // projections of (x(0), -200) and (x(3440) = 1000, -400).
    const auto red = d.canvas.of_kind(OpKind::polygon, light_red);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_NEAR(red[0].x1, px(ax(0), -200), 1e-6);
    EXPECT_NEAR(red[0].x2, px(1000, -400), 1e-6);
    EXPECT_NEAR(red[0].y2, py(ax(0), -400, 0), 1e-6);
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

    LobesRun aborted(panel(), {.angle_deg = 0}, memory);
    aborted.advance(canvas);
    aborted.advance(canvas);
    ASSERT_EQ(aborted.advance(canvas), RunPause::sweeping);
    const std::size_t before = canvas.ops.size();
    aborted.request_abort();
    EXPECT_EQ(aborted.advance(canvas), RunPause::finished);
    // The next frequency's specular lobe and the pair of order 1, nothing of order 2.
    const auto drawn_after = [&](Rgb colour) {
        return std::count_if(canvas.ops.begin() + static_cast<std::ptrdiff_t>(before),
                             canvas.ops.end(), [&](const CanvasOp& op) { return op.colour == colour; });
    };
    EXPECT_GT(drawn_after(specular), 0);
    EXPECT_GT(drawn_after(Rgb{60, 40, 30}), 0);  // order 1
    EXPECT_EQ(drawn_after(Rgb{100, 60, 40}), 0);  // order 2
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

}  // namespace
}  // namespace welkin
