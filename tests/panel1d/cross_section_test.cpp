#include "panel1d/cross_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "canvas/recording_canvas.h"
#include "test_designs.h"

namespace welkin {
namespace {

constexpr Rgb outline{20, 108, 0}, fill{115, 164, 110}, half_fill{153, 186, 150};
constexpr Rgb grey{187, 187, 187};

// 10500 x 4500 twips: for a 7 x 7 drawing the insets are 7/1050 and 7/450.
RecordingCanvas painted(const Design& d, int width_px = 700, int height_px = 300) {
    RecordingCanvas canvas(width_px, height_px);
    paint_cross_section(drawn(d), canvas);
    return canvas;
}

CanvasOp line(double x1, double y1, double x2, double y2, Rgb c = outline) {
    return {OpKind::line, x1, y1, x2, y2, c};
}
CanvasOp box(double x1, double y1, double x2, double y2, Rgb c) {
    return {OpKind::fill_box, x1, y1, x2, y2, c};
}

TEST(CrossSection, SevenWellsStretchedWithTheUnusedBandAndTheirTips) {
    const Design d = design_at(7, 600);  // 0 1 4 2 2 4 1 (0), 287 mm
    const RecordingCanvas c = painted(d);
    EXPECT_EQ(c.of_kind(OpKind::set_scale).at(0), (CanvasOp{OpKind::set_scale, 0, 0, 7, 7, {}}));
    EXPECT_EQ(c.count(line(2, 1, 2, 4)), 1u) << "step down from well 1";
    EXPECT_TRUE(c.of_kind(OpKind::fill_box, half_fill).empty()) << "no offset, no half-wells";

    // The band goes over the border and under the walls and grid drawn again.
    const auto border = c.find(line(7 - 7.0 / 1050, 0, 7 - 7.0 / 1050, 7), 1e-12);
    const auto band = c.find(box(0, 4, 7, 7, grey));
    ASSERT_TRUE(border && band);
    EXPECT_LT(*border, *band);
    EXPECT_TRUE(c.find(line(1, 1, 1, 4), 0, *band)) << "well 1's wall";
    for (int y = 4; y <= 7; ++y) EXPECT_TRUE(c.find(line(0, y, 7, y, {240, 240, 240}), 0, *band));
    EXPECT_EQ(c.ops.back(), line(0, 4, 7, 4)) << "no back-edge line";

    EXPECT_EQ(well_tooltip(drawn(d), 2.5),
              "Well 2:    Ratio 4    Depth  164 mm    Block height  0 mm    Phase shift  205 "
              "degrees    Unused depth units  3");
    EXPECT_TRUE(well_tooltip(drawn(d), 7.2).starts_with("Well 0:")) << "7 wraps to 0";
    EXPECT_TRUE(well_tooltip(drawn(d), -0.8).starts_with("Well 6:")) << "-1 wraps to 6";
    EXPECT_TRUE(well_tooltip(drawn(d), 3.0).starts_with("Well 2:")) << "2.5 rounds to even";
    EXPECT_EQ(well_tooltip(drawn(d), std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(CrossSection, InversePanelWithResidueZeroShowsItsBackEdge) {
    const Design d = design_at(7, 600, true);  // 7 6 3 5 5 3 6 (7)
    const RecordingCanvas c = painted(d);
    EXPECT_EQ(c.count(box(0, 7, 7, 7, grey)), 1u) << "the band has no height";
    EXPECT_EQ(c.count(box(2, 3, 3, 7, {164, 149, 110})), 1u);
    EXPECT_EQ(c.ops.back(), line(0, 7 - 7.0 / 450, 7, 7 - 7.0 / 450, {108, 81, 0}));
    // Without a size there are no insets rather than infinite ones.
    for (const CanvasOp& op : painted(d, 0, 0).ops) {
        EXPECT_TRUE(std::isfinite(op.x1 + op.y1 + op.x2 + op.y2)) << op;
    }
}

TEST(CrossSection, HalfWellOffsetOnlyWhenTheFirstWellIsZeroDepth) {
    Design d = design_at(7, 600);
    d.half_width = true;
    const RecordingCanvas c = painted(d);
    EXPECT_EQ(c.of_kind(OpKind::fill_box, half_fill),
              (std::vector{box(-0.5, 0, 0.5, 7, half_fill), box(6.5, 0, 7.5, 7, half_fill)}));
    EXPECT_EQ(c.count(box(1.5, 4, 2.5, 7, fill)), 1u);
    EXPECT_EQ(c.count(line(6.5, 0, 6.5, 4)), 1u) << "the last wall down to the band";
    EXPECT_TRUE(well_tooltip(drawn(d), 6.8).starts_with("Well 0:")) << "the right half-well";

    // Side-shifted to lead with a zero-depth well: the right half is still
    // well 0, whatever entry N holds.
    d.wheel_shift = 3;
    d.side_shift = 2;  // 0 5 5 0 4 3 4 (3)
    EXPECT_EQ(painted(d).of_kind(OpKind::fill_box, half_fill).at(1),
              box(6.5, 0, 7.5, 7, half_fill));

    d.wheel_shift = 2;  // 2 3 6 4 4 6 3 (2): nothing to split
    d.side_shift = 0;
    const RecordingCanvas on = painted(d);
    d.half_width = false;
    EXPECT_EQ(painted(d).ops, on.ops);
}

TEST(CrossSection, LargeScaleAt400HzWarnsAndMediumDoesNot) {
    Design d = design_at(7, 400);  // half wavelength 431 mm
    const double panel_width_mm = 700;
    EXPECT_FALSE(vertical_scale_warning(d)) << "stretched";
    EXPECT_EQ(cross_section_width_twips(d, panel_width_mm, 9000), 9000);
    d.vertical_scale_mm = 350;
    EXPECT_TRUE(vertical_scale_warning(d));
    EXPECT_EQ(cross_section_width_twips(d, panel_width_mm, 9000), 3494);
    EXPECT_EQ(painted(d).of_kind(OpKind::set_scale).at(0), (CanvasOp{OpKind::set_scale, 0, 0, 7, 350.0 * 7 / 431, {}}));
    d.vertical_scale_mm = 800;
    EXPECT_FALSE(vertical_scale_warning(d));
    d.design_half_wavelength_mm = 0;
    EXPECT_EQ(cross_section_logical_height(d), 7) << "no division by zero";
}

}  // namespace
}  // namespace welkin
