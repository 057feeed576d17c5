// Cutting lists worked out by hand. A cell's residue is (a + b) mod N with a
// and b squares mod N, one for its row and one for its column:
//   N 5: squares 0 1 4 4 1, so residues 0..4 occur 9 4 4 4 4 times;
//   N 7: squares 0 1 4 2 2 4 1, so residue 0 occurs once and 1..6 eight times each.
// The offsets only move rows and columns, so they never change a count.
#include "panel2d/cutting_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace welkin {
namespace {

using enum Variant2d;

struct BlockCase {
    std::string name;
    Grid2d grid;
    std::vector<int> blocks_by_height;
    int total_block_units;
};

// Standard: height N-1-s. Legacy inverse: height s. Depth-optimised inverse:
// s - 1, with residue 0 at N - 1, which gives the standard's counts.
TEST(CuttingList2d, BlocksByHeightForEveryVariant) {
    const std::vector<BlockCase> cases = {
        {"standard N5", {5, standard, false}, {4, 4, 4, 4, 9}, 4 + 8 + 12 + 36},
        {"legacy N5", {5, legacy_inverse, false}, {9, 4, 4, 4, 4}, 4 + 8 + 12 + 16},
        {"optimised N5", {5, optimised_inverse, true}, {4, 4, 4, 4, 9}, 60},
        {"standard N7", {7, standard, true}, {8, 8, 8, 8, 8, 8, 1}, 8 * 15 + 6},
        {"legacy N7 finned", {7, legacy_inverse, true}, {1, 8, 8, 8, 8, 8, 8}, 8 * 21},
        {"optimised N7", {7, optimised_inverse, false}, {8, 8, 8, 8, 8, 8, 1}, 126},
    };
    PanelLengths2d lengths;
    lengths.depth_unit_mm = 50;
    for (const BlockCase& c : cases) {
        for (const Offsets2d o : {Offsets2d{0, 0}, Offsets2d{3, 1}, Offsets2d{4, 4}}) {
            SCOPED_TRACE(c.name + " left " + std::to_string(o.left_shift) + " pull " +
                         std::to_string(o.pull));
            const CuttingList2d list = cutting_list_2d(c.grid, o, lengths);
            EXPECT_EQ(list.blocks_by_height, c.blocks_by_height);
            EXPECT_EQ(list.empty_wells, c.blocks_by_height[0]);
            EXPECT_EQ(list.total_block_units, c.total_block_units);
            EXPECT_DOUBLE_EQ(list.total_block_length_mm, c.total_block_units * 50.0);
        }
    }
}

// N 7, fins 2 mm, wells 48 mm: W = 7 x 50 = 350 mm, build depth 300 mm.
// Slotted 12 x 348 + sides 2 x 348 + front and back 2 x 352 = 5576 mm, which
// is 2 x 8 x 348 + 4 x 2. V = 0.002 x (5.576 x 0.3 + 49 x 0.048^2)
// = 0.002 x (1.6728 + 0.112896) = 0.003571392 cubic metres.
TEST(CuttingList2d, HollowBuildFromSlottedFins) {
    PanelLengths2d lengths;
    lengths.depth_unit_mm = 50;
    lengths.fin_width_mm = 2;
    lengths.panel_width_mm = 350;
    lengths.build_depth_mm = 300;
    lengths.block_width_mm = 48;
    lengths.well_width_mm = 48;
    const CuttingList2d list = cutting_list_2d({7, legacy_inverse, true}, {4, 4}, lengths);
    EXPECT_TRUE(list.finned);
    EXPECT_EQ(list.slotted_fins.count, 12);
    EXPECT_EQ(list.slotted_fins.length_mm, 348);
    EXPECT_EQ(list.side_fins.count, 2);
    EXPECT_EQ(list.side_fins.length_mm, 348);
    EXPECT_EQ(list.end_fins.count, 2);
    EXPECT_EQ(list.end_fins.length_mm, 352);
    EXPECT_EQ(list.total_fin_length_mm, 5576);
    EXPECT_NEAR(list.volume_m3, 0.003571392, 1e-15);
    EXPECT_NEAR(list.volume_ft3, 0.003571392 * 35.3146667, 1e-15);
    // Steel: 0.003571392 x 7850 kg and x 17270 lbs.
    EXPECT_EQ(list.weights[16].material, "Steel ");
    EXPECT_NEAR(list.weights[16].kg, 28.0354272, 1e-9);
    EXPECT_NEAR(list.weights[16].lbs, 61.67793984, 1e-9);
}

// N 5 standard, depth unit 40 mm, blocks 60 mm square: 60 units make 2400 mm
// of block, V = 2.4 x 0.06^2 = 0.00864 cubic metres. The well width (the
// bottoms of a hollow build) plays no part. (The weights of every material
// are in the 2D reports' tests.)
TEST(CuttingList2d, SolidBuildFromBlocks) {
    PanelLengths2d lengths;
    lengths.depth_unit_mm = 40;
    lengths.panel_width_mm = 300;
    lengths.build_depth_mm = 160;
    lengths.block_width_mm = 60;
    lengths.well_width_mm = 1000;
    const CuttingList2d list = cutting_list_2d({5, standard, false}, {}, lengths);
    EXPECT_FALSE(list.finned);
    EXPECT_EQ(list.total_block_length_mm, 2400);
    EXPECT_NEAR(list.volume_m3, 0.00864, 1e-15);
    EXPECT_NEAR(list.volume_ft3, 0.30511872029, 1e-11);
}

// An order the program refuses (a damaged file) lists no blocks and no crash.
TEST(CuttingList2d, RefusedOrdersListNoBlocks) {
    for (const int n : {0, -3, max_well_count + 1}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(listed_order({n, standard, false}), 0);
        const CuttingList2d list = cutting_list_2d({n, standard, false}, {}, {});
        EXPECT_TRUE(list.blocks_by_height.empty());
        EXPECT_EQ(list.empty_wells, 0);
        EXPECT_EQ(list.total_block_units, 0);
    }
    EXPECT_EQ(listed_order({max_well_count, standard, false}), max_well_count);
    EXPECT_EQ(listed_order({1, standard, false}), 1);
}

}  // namespace
}  // namespace welkin
