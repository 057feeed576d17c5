#include "panel1d/figures_table.h"

#include <gtest/gtest.h>

#include "test_designs.h"

namespace welkin {
namespace {

// Well 1 of N 7 at 600 Hz: 41 mm deep, block 123 mm. At 400 Hz the deepest
// well, 4 x 431 / 7 = 246.29 mm, is rounded to 246, which leaves its block
// 0.29 mm below zero.
TEST(FiguresTable, DepthAndBlockPagesInEachUnitMode) {
    struct Case {
        UnitMode mode;
        const char *depth_page, *block_page, *block_below_zero;  // heading | well 1
    };
    for (const Case& c :
         {Case{UnitMode::metric, "Depth in mm| 41 mm", "Block height in mm| 123 mm", " 0 mm"},
          Case{UnitMode::inches, "Depth in inches|1 5/8 inches",
               "Block height in inches|4 13/16 inches", "0 inches"},
          Case{UnitMode::decimalinches, "Depth in inches| 1.61 inches",
               "Block height in inches| 4.84 inches", " 0 inches"}}) {
        Design d = design_at(7, 600), low = design_at(7, 400);
        d.unit_mode = low.unit_mode = c.mode;
        const auto page = [&d](int p) {
            const FiguresTable t = figures_table(drawn(d), p, 0);
            return t.heading + "|" + t.ratio[1];
        };
        EXPECT_EQ(page(1), c.depth_page);
        EXPECT_EQ(page(2), c.block_page);
        EXPECT_EQ(block_height_text(low, 4), c.block_below_zero);
    }
}

TEST(FiguresTable, RowsPastTheLastWellAreBlank) {
    const FiguresTable t = figures_table(drawn(design_at(7, 600)), 1, 0);
    EXPECT_EQ(t.wellnum[6], " 6");
    for (std::size_t row = 7; row < figures_rows; ++row) {
        EXPECT_EQ(t.wellnum[row] + t.ratio[row], "") << row;
    }
    const FiguresTable scrolled = figures_table(drawn(design_at(13, 600)), 1, 2);
    EXPECT_EQ(scrolled.wellnum[0], " 2");
    EXPECT_EQ(scrolled.wellnum[10], " 12");
}

}  // namespace
}  // namespace welkin
