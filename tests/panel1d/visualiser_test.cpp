#include "panel1d/visualiser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/recording_canvas.h"
#include "test_designs.h"

namespace welkin {
namespace {

Design shown(int n, bool inverse, Arrangement a) {
    Design d = design_at(n, 600, inverse);
    d.visualiser.shown = true;
    d.visualiser.arrangement = a;
    return d;
}

std::vector<int> highlighted_copies(const Design& d) {
    std::vector<int> out;
    for (int p = 1; p <= arrangement_info(d.visualiser.arrangement).panels; ++p) {
        if (copy_highlighted(d, p)) out.push_back(p);
    }
    return out;
}

TEST(Visualiser, HighlightFallsOnTheTrueInverseCopies) {
    struct Row {
        const char* name;
        Arrangement arrangement;
        bool inverse_panel;
        bool highlight;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {"panel and inverse, normal panel", Arrangement::two_panels_barker, false, true, {2}},
        {"panel and inverse, inverse panel", Arrangement::two_panels_barker, true, true, {1}},
        {"inverse in the middle", Arrangement::three_panels_oneinverse, false, true, {2}},
        {"Barker order", Arrangement::three_panels_barker, false, true, {3}},
        {"three alike, normal", Arrangement::three_panels, false, true, {}},
        {"three alike, inverse: every copy is one", Arrangement::three_panels, true, true, {1, 2, 3}},
        {"highlight off", Arrangement::two_panels_barker, false, false, {}},
    };
    for (const Row& row : rows) {
        Design d = shown(7, row.inverse_panel, row.arrangement);
        d.visualiser.highlight_inverse = row.highlight;
        EXPECT_EQ(highlighted_copies(d), row.expected) << row.name;
    }
}

TEST(Visualiser, HighlightedCopyIsPaintedInLightBrown) {
    // N = 3 (depths 0 1 1), two copies: wells Int((1500 - 200) / 3) / 2 = 216.5 wide.
    const Design d = shown(3, false, Arrangement::two_panels_barker);
    RecordingCanvas c(100, 50);  // 1500 x 750 twips
    paint_front_view(drawn(d), c);
    // The second copy is inverted: its first well is 3 - 0 = 3 deep, face
    // B + 4 x (0.4 B - B) / 3 = 0.2 B of (242, 211, 157): 48.4, 42.2, 31.4.
    const double w = 433.0 / 2;
    const double x = 100 + w * 3;
    bool found = false;
    for (const CanvasOp& op : c.of_kind(OpKind::fill_box, {48, 42, 31})) {
        if (std::abs(op.x1 - x) < 1e-9 && std::abs(op.x2 - (x + w)) < 1e-9) found = true;
    }
    EXPECT_TRUE(found);
}

TEST(Visualiser, WellFaceAndDepthBandOfTheFirstCopy) {
    const Design d = shown(3, false, Arrangement::current_panel);  // depths 0 1 1
    RecordingCanvas c(100, 50);                                    // 1500 x 750 twips
    paint_front_view(drawn(d), c);
    // w = Int(1300 / 3) = 433. Well 1 is one unit deep: F = 0.5333 x (150, 200, 255)
    // = (80, 106.67, 136); its band is 2/3 of that, (53.3, 71.1, 90.7), down to
    // 101 + Int(550 / 3 / 4) = 146.
    const std::vector<CanvasOp> faces = c.of_kind(OpKind::fill_box, {80, 107, 136});
    ASSERT_FALSE(faces.empty());
    EXPECT_EQ(faces[0], (CanvasOp{OpKind::fill_box, 533, 0, 966, 750, {80, 107, 136}, 1}));
    const std::vector<CanvasOp> bands = c.of_kind(OpKind::fill_box, {53, 71, 91});
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands[0], (CanvasOp{OpKind::fill_box, 533, 0, 961, 146, {53, 71, 91}, 1}));
    // Well 0 (depth 0): F = 0.7667 B = (115, 153.3, 195.5), 195.5 to even 196.
    EXPECT_FALSE(c.of_kind(OpKind::fill_box, {115, 153, 196}).empty());
}

TEST(Visualiser, KitKatSeparatorIsClampedTo255) {
    Design d = shown(7, false, Arrangement::two_panels);
    d.visualiser.colours = ColourScheme::kit_kat;
    RecordingCanvas c(200, 50);
    paint_front_view(drawn(d), c);
    const std::vector<CanvasOp> joints = c.of_kind(OpKind::fill_box, {255, 200, 200});
    ASSERT_EQ(joints.size(), 1u);
    EXPECT_DOUBLE_EQ(joints[0].x2 - joints[0].x1, 30);
}

TEST(Visualiser, UncheckedLeavesThePictureEmpty) {
    Design d = shown(7, false, Arrangement::three_panels);
    d.visualiser.shown = false;
    RecordingCanvas c(200, 50);
    paint_front_view(drawn(d), c);
    ASSERT_EQ(c.ops.size(), 1u);
    EXPECT_EQ(c.ops[0].kind, OpKind::clear);
}

TEST(Visualiser, CaptionCountsOneExtraFinPerCopy) {
    // 3 x (7 x (3 + 80) + 3) = 1752 mm = 68.976 inches: 68.97 cut to
    // hundredths, 68 15.5/16 rounds up to 69 inches = 5' 9.
    struct Row {
        UnitMode mode;
        const char* width;
    };
    const Row rows[] = {{UnitMode::metric, " 1752 mm plus Borders"},
                        {UnitMode::inches, "5' 9 inches plus Borders"},
                        {UnitMode::decimalinches, " 68.97 inches plus Borders"}};
    for (const Row& row : rows) {
        Design d = shown(7, false, Arrangement::three_panels_barker);
        d.fin_width_mm = 3;
        d.well_width_mm = 80;
        d.unit_mode = row.mode;
        EXPECT_DOUBLE_EQ(visualiser_total_width_mm(d), 1752);
        EXPECT_EQ(visualiser_caption_suffix(d, "4.01"),
                  std::string("    Three Panels: Normal, Normal, Inverse  - as per Barker Code"
                              "       Total width: ") +
                      row.width + "        ALT-Tab for Main Form         Welkin V4.01")
            << row.width;
    }
}

}  // namespace
}  // namespace welkin
