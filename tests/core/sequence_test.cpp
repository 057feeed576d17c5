#include "core/sequence.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace welkin {
namespace {

std::vector<int> entries(const Design& d) {
    std::vector<int> out;
    for (std::size_t i = 0; i <= static_cast<std::size_t>(d.well_count); ++i) {
        out.push_back(d.well_seq[i]);
    }
    return out;
}

TEST(GenerateSequence, WellDepthsAndExtremes) {
    struct Case {
        int n;
        int a;
        bool inverse;
        std::vector<int> wells;
        int max;
        int min;
    };
    const Case cases[] = {
        {7, 0, false, {0, 1, 4, 2, 2, 4, 1, 0}, 4, 0},
        {7, 0, true, {7, 6, 3, 5, 5, 3, 6, 7}, 7, 3},
        {7, 2, true, {5, 4, 1, 3, 3, 1, 4, 5}, 5, 1},
        {5, 3, false, {3, 4, 2, 2, 4, 3}, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "N=" << c.n << " a=" << c.a << " inverse=" << c.inverse);
        // Start from a design left over from a larger panel, so stale
        // extremes would show.
        Design d;
        d.well_count = 101;
        d.inverse_panel = true;
        generate_sequence(d);
        d.well_count = c.n;
        d.wheel_shift = c.a;
        d.inverse_panel = c.inverse;
        generate_sequence(d);
        EXPECT_EQ(entries(d), c.wells);
        EXPECT_EQ(d.seq_max, c.max);
        EXPECT_EQ(d.seq_min, c.min);
    }
}

TEST(GenerateSequence, LargestPanelFillsAllEntries) {
    Design d;
    d.well_count = 101;
    d.wheel_shift = 100;
    generate_sequence(d);
    EXPECT_EQ(d.well_seq[0], 100);
    EXPECT_EQ(d.well_seq[10], 99);   // 100 + 100 = 200 = 101 + 99
    EXPECT_EQ(d.well_seq[100], 0);   // 10000 + 100 = 99 x 101 + 1 + 100
    EXPECT_EQ(d.well_seq[101], 100); // i = N repeats i = 0

    d.wheel_shift = 0;
    d.inverse_panel = true;
    generate_sequence(d);
    EXPECT_EQ(d.well_seq[0], 101);
    EXPECT_EQ(d.well_seq[101], 101);
    EXPECT_EQ(d.well_seq[100], 100);
    EXPECT_EQ(d.seq_max, 101);
}

TEST(RotateSequence, RotatesOnlyTheFirstNEntries) {
    Design d;
    d.well_count = 7;
    generate_sequence(d);
    const std::vector<int> original = entries(d);

    rotate_left(d, 1);
    EXPECT_EQ(entries(d), (std::vector<int>{1, 4, 2, 2, 4, 1, 0, 0}));
    rotate_right(d, 1);
    EXPECT_EQ(entries(d), original);

    rotate_right(d, 2);
    EXPECT_EQ(entries(d), (std::vector<int>{4, 1, 0, 1, 4, 2, 2, 0}));
    rotate_left(d, 2);
    EXPECT_EQ(entries(d), original);

    // Entry N keeps its generated value even when entry 0 changes.
    d.wheel_shift = 2;
    d.inverse_panel = true;
    generate_sequence(d);
    rotate_left(d, 2);
    EXPECT_EQ(entries(d), (std::vector<int>{1, 3, 3, 1, 4, 5, 4, 5}));
}

TEST(RotateSequence, NRotationsAreTheIdentity) {
    for (const int n : {3, 7, 101}) {
        SCOPED_TRACE(testing::Message() << "N=" << n);
        Design d;
        d.well_count = n;
        d.wheel_shift = 1;
        generate_sequence(d);
        const std::vector<int> original = entries(d);
        rotate_left(d, n);
        EXPECT_EQ(entries(d), original);
        rotate_right(d, n);
        EXPECT_EQ(entries(d), original);
        for (int k = 0; k < n; ++k) rotate_left(d, 1);
        EXPECT_EQ(entries(d), original);
    }
}

TEST(DepthConversions, FrequencyAndDepthLocks) {
    EXPECT_EQ(half_wavelength_from_freq(500), 345);
    EXPECT_EQ(half_wavelength_from_freq(600), 287);
    EXPECT_EQ(deepest_from_half_wavelength(345, 4, 7), 197);
    EXPECT_EQ(deepest_from_half_wavelength(287, 4, 7), 164);
    // Depth lock: 500 Hz -> 345 mm -> 197 mm -> 345 mm -> 499 Hz.
    EXPECT_EQ(half_wavelength_from_deepest(197, 4, 7), 345);
    EXPECT_EQ(freq_from_half_wavelength(345), 499);
}

TEST(DepthConversions, BuildDepth2DAndItsException) {
    struct Case {
        const char* name;
        bool inverse;
        bool optimise_2d;
        double fin_width;
        bool full_depth;
    };
    const Case cases[] = {
        {"finned inverse, not optimised", true, false, 10, true},
        {"standard panel", false, false, 10, false},
        {"2D optimise on", true, true, 10, false},
        {"no fins", true, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Design d;
        d.well_count = 7;
        d.inverse_panel = c.inverse;
        d.mnu_2d_optimise = c.optimise_2d;
        d.fin_width_mm = c.fin_width;
        EXPECT_EQ(build_2d_keeps_full_depth(d), c.full_depth);
        if (c.full_depth) {
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 345), 345);
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 344.5), 345);
            EXPECT_EQ(half_wavelength_from_build_depth_2d(d, 296), 296);
        } else {
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 345), 296);
            EXPECT_EQ(build_depth_2d_from_half_wavelength(d, 287), 246);
            EXPECT_EQ(half_wavelength_from_build_depth_2d(d, 246), 287);
            EXPECT_NEAR(half_wavelength_from_build_depth_2d(d, 296), 345.0 + 1.0 / 3.0, 1e-9);
        }
    }
}

}  // namespace
}  // namespace welkin
