#include "core/sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace welkin {
namespace {

std::vector<int> entries(const PanelSequence& s, int n) {
    return {s.wells.begin(), s.wells.begin() + n + 1};
}

PanelSequence generated(int n, int a, bool inverse) {
    Design d;
    d.well_count = n;
    d.wheel_shift = a;
    d.inverse_panel = inverse;
    return generate_sequence(d);
}

TEST(GenerateSequence, WellDepthsAndExtremes) {
    struct Case {
        int n, a;
        bool inverse;
        std::vector<int> wells;
        int max, min;
    };
    const Case cases[] = {{7, 0, false, {0, 1, 4, 2, 2, 4, 1, 0}, 4, 0},
                          {7, 0, true, {7, 6, 3, 5, 5, 3, 6, 7}, 7, 3},
                          {7, 2, true, {5, 4, 1, 3, 3, 1, 4, 5}, 5, 1},
                          {5, 3, false, {3, 4, 2, 2, 4, 3}, 4, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "N=" << c.n << " a=" << c.a << " inverse=" << c.inverse);
        const PanelSequence s = generated(c.n, c.a, c.inverse);
        EXPECT_EQ(entries(s, c.n), c.wells);
        EXPECT_EQ(s.max_units, c.max);
        EXPECT_EQ(s.min_units, c.min);
    }
    // The largest order fills every entry, the last repeating the first.
    const PanelSequence big = generated(101, 100, false);
    EXPECT_EQ(big.at(100), 0);  // 10000 + 100 = 100 x 101
    EXPECT_EQ(big.at(101), big.at(0));
    EXPECT_EQ(generated(101, 0, true).max_units, 101);
}

TEST(DepthConversions, BuildDepth2DAndItsFullDepthException) {
    struct Case {
        const char* name;
        bool inverse, optimise_2d;
        double fin_width;
        bool full_depth;
    };
    const Case cases[] = {{"finned inverse, not optimised", true, false, 10, true},
                          {"standard panel", false, false, 10, false},
                          {"2D optimise on", true, true, 10, false},
                          {"no fins", true, false, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Design d;
        d.well_count = 7;
        d.inverse_panel = c.inverse;
        d.optimise_2d = c.optimise_2d;
        d.fin_width_mm = c.fin_width;
        EXPECT_EQ(build_2d_keeps_full_depth(d), c.full_depth);
        if (c.full_depth) {
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 344.5), 345);
            EXPECT_EQ(half_wavelength_from_build_depth_2d(d, 296), 296);
        } else {
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 345), 296);
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 287), 246);
            EXPECT_DOUBLE_EQ(half_wavelength_from_build_depth_2d(d, 296), 296.0 * 7 / 6);
        }
    }
}

// A damaged file can leave a count no panel has; its sequence is empty
// rather than a division by zero or a read past the table.
TEST(PanelSequence, ACountOutsideTheTableHasNoWells) {
    struct Row {
        const char* name;
        int n;
    };
    const Row rows[] = {{"no wells", 0}, {"a negative count", -7}, {"past the largest", 102}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Design d;
        d.well_count = row.n;
        d.wheel_shift = 3;
        d.side_shift = 2;
        const PanelSequence s = panel_sequence(d);
        EXPECT_EQ(s.max_units, 0);
        EXPECT_EQ(s.min_units, 0);
        EXPECT_EQ(s.wells, WellSequence{});
    }
}

}  // namespace
}  // namespace welkin
