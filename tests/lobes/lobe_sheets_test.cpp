// How many shapes a whole lobes run draws. Where its sheets fall is matched
// pixel by pixel with the old line-by-line drawing in tests/render.
#include "lobes/lobe_sheets.h"

#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"
#include "lobes/lobes_run.h"
#include "lobes/lobes_view.h"

namespace welkin {
namespace {

// N 7, 50 mm wells, 5 mm fins: a 385 mm period, f_period 893 Hz, the HF
// cutoff 3440 Hz at 0 degrees.
LobeInputs panel(int n = 7) {
    return {.well_count = n,
            .design_freq_hz = 500,
            .well_width_mm = 50,
            .period_width_mm = n * 55.0,
            .plate_freq_hz = n * 500.0,
            .unit_mode = UnitMode::metric};
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
