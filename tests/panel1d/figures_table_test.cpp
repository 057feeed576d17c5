#include "panel1d/figures_table.h"

#include <gtest/gtest.h>

#include "test_designs.h"

namespace welkin {
namespace {

TEST(FiguresTable, DepthAndBlockPagesInEachUnitMode) {
    struct Case {
        UnitMode mode;
        const char *depth_heading, *block_heading;
        const char *depth1, *block1;  // well 1: 41 mm deep, block 123 mm
        const char* block_below_zero;
    };
    const Case cases[] = {
        {UnitMode::metric, "Depth in mm", "Block height in mm", " 41 mm", " 123 mm", " 0 mm"},
        {UnitMode::inches, "Depth in inches", "Block height in inches", "1 5/8 inches",
         "4 13/16 inches", "0 inches"},
        {UnitMode::decimalinches, "Depth in inches", "Block height in inches", " 1.61 inches",
         " 4.84 inches", " 0 inches"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(unit_mode_text(c.mode));
        Design d = design_at(7, 600);
        d.unit_mode = c.mode;
        d.results_page = 1;
        EXPECT_EQ(figures_table(d, 0).heading, c.depth_heading);
        EXPECT_EQ(figures_table(d, 0).ratio[1], c.depth1);
        d.results_page = 2;
        EXPECT_EQ(figures_table(d, 0).heading, c.block_heading);
        EXPECT_EQ(figures_table(d, 0).ratio[1], c.block1);
        // At 400 Hz the deepest well, 4 x 431 / 7 = 246.29 mm, is rounded
        // to 246, which leaves its block 0.29 mm below zero.
        Design low = design_at(7, 400);
        low.unit_mode = c.mode;
        EXPECT_EQ(block_height_text(low, 4), c.block_below_zero);
    }
}

TEST(FiguresTable, RowsPastTheLastWellAreBlank) {
    const FiguresTable t = figures_table(design_at(7, 600), 0);
    EXPECT_EQ(t.wellnum[6], " 6");
    for (std::size_t row = 7; row < figures_rows; ++row) {
        EXPECT_EQ(t.wellnum[row] + t.ratio[row], "") << row;
    }
    const FiguresTable scrolled = figures_table(design_at(13, 600), 2);
    EXPECT_EQ(scrolled.wellnum[0], " 2");
    EXPECT_EQ(scrolled.wellnum[10], " 12");
}

}  // namespace
}  // namespace welkin
