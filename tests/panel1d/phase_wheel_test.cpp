#include "panel1d/phase_wheel.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "canvas/recording_canvas.h"
#include "test_designs.h"

namespace welkin {
namespace {

constexpr Rgb grey{216, 216, 216}, green{115, 164, 110}, red{255, 0, 0};

// A spoke of a three-well wheel, at 0, 2.094 or 4.188 radians, with pen 2.
CanvasOp spoke(double x2, double y2, Rgb c, double x1 = 100, double y1 = 100) {
    return {OpKind::line, x1, y1, x2, y2, c, 2};
}

RecordingCanvas painted(const Design& d) {
    RecordingCanvas canvas(120, 120);
    paint_phase_wheel(d, canvas);
    return canvas;
}

TEST(PhaseWheel, ThreeWellsGreySpokesUnderTheUsedOnes) {
    const RecordingCanvas c = painted(design_at(3, 600));  // 0 1 1 (0)
    ASSERT_EQ(c.ops.size(), 10u);
    EXPECT_EQ(c.ops[0], (CanvasOp{OpKind::clear, 0, 0, 0, 0, {224, 224, 224}}));
    EXPECT_EQ(c.ops[1], (CanvasOp{OpKind::set_scale, 0, 0, 202, 202, {}}));
    const CanvasOp spokes[] = {
        spoke(100, 0, grey),  spoke(186.622, 149.966, grey),  spoke(13.437, 150.068, grey),
        spoke(100, 0, green), spoke(186.622, 149.966, green), spoke(186.622, 149.966, green)};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_TRUE(near(c.ops[i + 3], spokes[i], 1e-3)) << i;
    EXPECT_EQ(c.ops[9], (CanvasOp{OpKind::circle, 100, 100, 100, 0, {180, 180, 180}, 2}));

    // An inverse panel's depth N lands a hair short of the top spoke.
    const CanvasOp deepest = painted(design_at(3, 600, true)).ops[6];  // 3 2 2 (3)
    EXPECT_TRUE(near(deepest, spoke(100, 0, {164, 149, 110}), 0.2)) << deepest;
    EXPECT_LT(deepest.x2, 100);
}

TEST(PhaseWheel, RedTipOnlyInAdvancedMode) {
    Design d = design_at(3, 600);
    for (d.wheel_shift = 0; d.wheel_shift < 3; ++d.wheel_shift) {
        EXPECT_TRUE(painted(d).of_kind(OpKind::line, red).empty()) << d.wheel_shift;
    }
    d.advanced = true;
    d.wheel_shift = 1;
    EXPECT_TRUE(near(painted(d).ops[9], spoke(186.622, 149.966, red, 173.629, 142.471), 1e-3));
    d.inverse_panel = true;  // the first well's shift is N - 1
    EXPECT_TRUE(near(painted(d).ops[9], spoke(13.437, 150.068, red, 26.421, 142.558), 1e-3));
}

}  // namespace
}  // namespace welkin
