#include "lobes/lobe_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "canvas/recording_canvas.h"
#include "lobes/lobes_run.h"
#include "lobes/lobes_view.h"

namespace welkin {
namespace {

// N 7, 50 mm wells, 5 mm fins: a 385 mm period, f_period 893 Hz, the HF
// cutoff 3440 Hz at 0 degrees; at 0 degrees order m's sine is 893 m / f.
LobeInputs panel(int n = 7) {
    return {.well_count = n,
            .design_freq_hz = 500,
            .well_width_mm = 50,
            .period_width_mm = n * 55.0,
            .plate_freq_hz = n * 500.0,
            .unit_mode = UnitMode::metric};
}

constexpr Rgb order_1{60, 40, 30};
constexpr Rgb order_2{100, 60, 40};

// The picture point of order m's tip at f, worked by hand from the view
// (X = x + 400 - 2y, Y = 600 - (0.3x + 0.9y + 2z)) at 0 degrees.
Point tip_at(double f, int m) {
    const double x = (f - 893) * 1000.0 / (3440 - 893);
    const double s = m * 893.0 / f;
    const double y = -100 * s;
    const double z = 100 * std::sqrt(1 - s * s);
    return {x + 400 - 2 * y, 600 - (0.3 * x + 0.9 * y + 2 * z)};
}

struct Span {
    explicit Span(int scale = 1) : canvas(1600 * scale, 768 * scale) {}
    RecordingCanvas canvas;
    SteepAngleMemory memory{};
};

void draw(Span& s, const LobeAnalysis& a, double high, double low) {
    LobeSheets sheets(a, s.memory);
    sheets.draw_span(s.canvas, high, low);
}

TEST(LobeSheets, EachLobeOfASpanIsOneSheetReachingItsTips) {
    const Result<LobeAnalysis> a = analyse_lobes(panel(), 0, true);
    ASSERT_TRUE(a.ok());
    Span s;
    draw(s, *a, 3000, 2500);
    struct Row {
        const char* what;
        Rgb colour;
        int order;
    };
    for (const Row& row : {Row{"order +1", order_1, 1}, Row{"order -2", order_2, -2}}) {
        const auto sheets = s.canvas.of_kind(OpKind::polygon, row.colour);
        // Order -1 and +1 share a colour; each is one sheet.
        ASSERT_EQ(sheets.size(), 2u) << row.what;
        const auto reaches = [&](const CanvasOp& op, Point p) {
            return std::any_of(op.points.begin(), op.points.end(), [&](Point q) {
                return std::abs(q.x - p.x) < 1e-6 && std::abs(q.y - p.y) < 1e-6;
            });
        };
        const bool found = std::any_of(sheets.begin(), sheets.end(), [&](const CanvasOp& op) {
            return reaches(op, tip_at(3000, row.order)) && reaches(op, tip_at(2500, row.order));
        });
        EXPECT_TRUE(found) << row.what;
    }
}

// A whole N 101 run used to draw a spoke and a dot per order and hertz,
// some 800 000 strokes; its sheets are a few per order and span.
TEST(LobeSheets, LargePanelRunDrawsThousandsOfShapesNotHundredsOfThousands) {
    RecordingCanvas canvas(1600, 768);
    SteepAngleMemory memory{};
    LobesRun run(panel(101), {.angle_deg = 30}, memory);
    run.finish(canvas);
    ASSERT_TRUE(run.analysis().ok());
    EXPECT_LT(canvas.ops.size(), 60000u);
    EXPECT_GT(canvas.of_kind(OpKind::polygon).size(), 200u);
}

}  // namespace
}  // namespace welkin
