#include "panel1d/scatter.h"

#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"
#include "test_designs.h"

namespace welkin {
namespace {

// 10500 x 1500 twips: for seven wells the stretch is 3 x 7 x 1500 / 10500 = 3.
RecordingCanvas painted(const DesignSnapshot& s, int width_px = 700, int height_px = 100) {
    RecordingCanvas canvas(width_px, height_px);
    paint_scatter(s, canvas);
    return canvas;
}
RecordingCanvas painted(const Design& d, int width_px = 700, int height_px = 100) {
    return painted(drawn(d), width_px, height_px);
}
std::vector<CanvasOp> rays(const DesignSnapshot& s) {
    return painted(s).of_kind(OpKind::line);
}
std::vector<CanvasOp> rays(const Design& d) {
    return rays(drawn(d));
}

CanvasOp ray(double x1, double x2, double y2, Rgb c = {115, 164, 110}) {
    return {OpKind::line, x1, 1, x2, y2, c};
}

TEST(Scatter, RaysTiltByThePhaseStepToTheNextWell) {
    Design d = design_at(7, 600);  // 0 1 4 2 2 4 1 (0)
    EXPECT_EQ(painted(d).of_kind(OpKind::set_scale).at(0), (CanvasOp{OpKind::set_scale, 0, 0, 7, 1, {}}));
    const std::vector<CanvasOp> r = rays(d);
    ASSERT_EQ(r.size(), 7u);
    // a = 1.177875 / 7 x (0 - 1): the next well is deeper, so the ray leans right.
    EXPECT_TRUE(near(r[0], ray(1, 1.251212, 0.014124), 1e-6)) << r[0];
    EXPECT_EQ(r[3], ray(4, 4, 0)) << "equal depths give a vertical ray";
    EXPECT_EQ(rays(design_at(7, 600, true))[3], ray(4, 4, 0, {164, 149, 110}));
    EXPECT_TRUE(near(painted(d, 0, 0).of_kind(OpKind::line).at(0), ray(1, 1, 0.014124), 1e-6))
        << "no size, no stretch";
    d.half_width = true;
    EXPECT_TRUE(near(rays(d)[0], ray(0.5, 0.751212, 0.014124), 1e-6)) << "half a unit left";
    d.side_shift = 1;  // 1 4 2 2 4 1 0 (0): no offset, and entry N stays as generated
    EXPECT_EQ(rays(d)[6], ray(7, 7, 0));
    DesignSnapshot s = drawn(d);
    s.sequence.wells[7] = 1;
    EXPECT_TRUE(near(rays(s)[6], ray(7, 7.251212, 0.014124), 1e-6));
}

}  // namespace
}  // namespace welkin
