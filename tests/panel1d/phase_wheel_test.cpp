#include "panel1d/phase_wheel.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "canvas/recording_canvas.h"
#include "panel1d/cross_section.h"
#include "test_designs.h"

namespace welkin {
namespace {

// The ends of a spoke of a three-well wheel (centre (100, 100), radius 100)
// at a third of a turn k clockwise from the top, with the old program's
// rounded turn: up, lower right, lower left.
constexpr double ends[3][2] = {{100, 0}, {186.622, 149.966}, {13.437, 150.068}};

CanvasOp spoke(int k, Rgb c) {
    const auto at = static_cast<std::size_t>(k);
    return {OpKind::line, 100, 100, ends[at][0], ends[at][1], c, 2};
}

RecordingCanvas painted(const Design& d) {
    RecordingCanvas canvas(120, 120);
    paint_phase_wheel(drawn(d), canvas);
    return canvas;
}

// Each well's spoke points at its phase, over a grey spoke at every phase.
TEST(PhaseWheel, EachWellsSpokeAtItsPhaseOverTheGreyDial) {
    struct Row {
        const char* name;
        bool inverse;
        std::vector<int> thirds;  // the wells' phases
    };
    const Row rows[] = {{"standard, ratios 0 1 1", false, {0, 1, 1}},
                        {"inverse, ratios 3 2 2", true, {0, 2, 2}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Design d = design_at(3, 600, row.inverse);
        const RecordingCanvas c = painted(d);
        const auto grey = c.of_kind(OpKind::line, unused_spoke_colour);
        ASSERT_EQ(grey.size(), 3u);
        for (int k = 0; k < 3; ++k) {
            EXPECT_TRUE(near(grey[static_cast<std::size_t>(k)], spoke(k, unused_spoke_colour), 1e-3));
        }
        const Rgb used = panel_colours(d).well_fill;
        const auto wells = c.of_kind(OpKind::line, used);
        ASSERT_EQ(wells.size(), row.thirds.size());
        // Depth N, a whole turn, lands a hair short of the top spoke.
        for (std::size_t i = 0; i < wells.size(); ++i)
            EXPECT_TRUE(near(wells[i], spoke(row.thirds[i], used), 0.2)) << i;
        EXPECT_LT(*c.find(grey.back()), *c.find(wells.front())) << "the grey dial is under";
        EXPECT_EQ(c.of_kind(OpKind::circle).size(), 1u) << "the rim";
    }
}

// The red tip marks the first well's shift, from radius 85 out, in advanced
// mode only; an inverse panel turns a shift of a into N - a.
TEST(PhaseWheel, RedTipOnlyInAdvancedMode) {
    Design d = design_at(3, 600);
    for (d.wheel_shift = 0; d.wheel_shift < 3; ++d.wheel_shift) {
        EXPECT_TRUE(painted(d).of_kind(OpKind::line, first_well_tip_colour).empty());
    }
    d.advanced = true;
    d.wheel_shift = 1;
    const auto tip = [&] { return painted(d).of_kind(OpKind::line, first_well_tip_colour).at(0); };
    EXPECT_TRUE(near(tip(), {OpKind::line, 173.629, 142.471, ends[1][0], ends[1][1],
                             first_well_tip_colour, 2}, 1e-3));
    d.inverse_panel = true;
    EXPECT_TRUE(near(tip(), {OpKind::line, 26.421, 142.558, ends[2][0], ends[2][1],
                             first_well_tip_colour, 2}, 1e-3));
}

}  // namespace
}  // namespace welkin
