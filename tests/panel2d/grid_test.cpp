#include "panel2d/grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "core/sequence.h"

namespace welkin {
namespace {

constexpr Grid2d standard7{7, Variant2d::standard, true};

std::vector<Cell2d> row(const Grid2d& g, const Offsets2d& o, int r) {
    std::vector<Cell2d> cells;
    for (int c = 0; c < g.n; ++c) cells.push_back(cell_2d(g, o, r, c));
    return cells;
}

TEST(Grid2d, VariantFromTheDesign) {
    const auto grid = [](bool inverse, bool optimise, double fin) {
        Design d;
        d.well_count = 11;
        d.inverse_panel = inverse;
        d.mnu_2d_optimise = optimise;
        d.fin_width_mm = fin;
        return grid_2d(d);
    };
    EXPECT_EQ(grid(false, true, 3), (Grid2d{11, Variant2d::standard, true}));
    EXPECT_EQ(grid(false, false, 0), (Grid2d{11, Variant2d::standard, false}));
    EXPECT_EQ(grid(true, true, 0), (Grid2d{11, Variant2d::optimised_inverse, false}));
    EXPECT_EQ(grid(true, false, 3), (Grid2d{11, Variant2d::legacy_inverse, true}));
}

TEST(Grid2d, CellsAtZeroOffsets) {
    // N 7 front row: residues 0 1 4 2 2 4 1.
    const std::vector<Cell2d> standard = {{0, 6, 0}, {1, 5, 1}, {4, 2, 4}, {2, 4, 2},
                                          {2, 4, 2}, {4, 2, 4}, {1, 5, 1}};
    EXPECT_EQ(row(standard7, {}, 0), standard);
    EXPECT_EQ(row({7, Variant2d::standard, false}, {}, 0), standard);
    // The inverse variants differ in the residue-0 cell (0,0); (0,1) has residue 1.
    struct Case {
        Grid2d g;
        Cell2d at_0_0, at_0_1;
    };
    const Case cases[] = {
        {{7, Variant2d::legacy_inverse, true}, {0, 0, 7}, {1, 1, 6}},
        {{7, Variant2d::legacy_inverse, false}, {0, 0, 6}, {1, 1, 5}},
        {{7, Variant2d::optimised_inverse, true}, {0, 6, 0}, {1, 0, 6}},
        {{7, Variant2d::optimised_inverse, false}, {0, 6, 0}, {1, 0, 6}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cell_2d(c.g, {}, 0, 0), c.at_0_0) << static_cast<int>(c.g.variant) << c.g.finned;
        EXPECT_EQ(cell_2d(c.g, {}, 0, 1), c.at_0_1) << static_cast<int>(c.g.variant) << c.g.finned;
    }
}

TEST(Grid2d, HeightPlusDepthIsTheBuildDepthForEveryPrime) {
    const Variant2d variants[] = {Variant2d::standard, Variant2d::optimised_inverse,
                                  Variant2d::legacy_inverse};
    for (const int n : primes) {
        for (const Variant2d v : variants) {
            for (const bool finned : {false, true}) {
                const Grid2d g{n, v, finned};
                const int total = v == Variant2d::legacy_inverse && finned ? n : n - 1;
                const Offsets2d o = move_offsets({}, OffsetMove::centre, n);
                int failures = 0;
                for (int cell = 0; cell < n * n; ++cell) {
                    const Cell2d x = cell_2d(g, o, cell / n, cell % n);
                    const bool in_range = x.block_height >= 0 && x.block_height < n;
                    failures += x.block_height + x.well_depth != total || !in_range;
                }
                EXPECT_EQ(failures, 0)
                    << "N=" << n << " variant " << static_cast<int>(v) << " finned " << finned;
            }
        }
    }
}

// Each row is the 1D panel of the main window rotated on the phase wheel by
// k(r) and shifted left: standard rows match its well depths, inverse rows
// the inverse panel's (the finned legacy inverse keeps its depth-N wells).
TEST(Grid2d, RowsAreRotatedAndShifted1dPanels) {
    const Offsets2d offsets[] = {{0, 0}, {2, 5}, {6, 3}};
    for (const bool inverse : {false, true}) {
        const Grid2d g{7, inverse ? Variant2d::legacy_inverse : Variant2d::standard, true};
        for (const Offsets2d& o : offsets) {
            for (int r = 0; r < 7; ++r) {
                Design d;
                d.well_count = 7;
                d.inverse_panel = inverse;
                d.wheel_shift = row_equivalence(g, o, r);
                generate_sequence(d);
                rotate_left(d, o.left_shift);
                std::vector<int> depths;
                for (const Cell2d& cell : row(g, o, r)) depths.push_back(cell.well_depth);
                EXPECT_EQ(depths, std::vector<int>(d.well_seq.begin(), d.well_seq.begin() + 7))
                    << "inverse " << inverse << " left " << o.left_shift << " pull " << o.pull
                    << " row " << r;
            }
        }
    }
}

TEST(Grid2d, OffsetMovesWrapAroundModuloN) {
    struct Case {
        const char* name;
        int n;
        Offsets2d from;
        OffsetMove move;
        Offsets2d to;
    };
    const Case cases[] = {
        {"Push from 0", 7, {3, 0}, OffsetMove::push, {3, 6}},
        {"Push", 7, {3, 5}, OffsetMove::push, {3, 4}},
        {"Pull to N-1", 7, {3, 5}, OffsetMove::pull, {3, 6}},
        {"Pull from N-1", 7, {3, 6}, OffsetMove::pull, {3, 0}},
        {"< from N-1", 7, {6, 2}, OffsetMove::left, {0, 2}},
        {"<", 7, {0, 2}, OffsetMove::left, {1, 2}},
        {"> from 0", 7, {0, 2}, OffsetMove::right, {6, 2}},
        {">", 7, {5, 2}, OffsetMove::right, {4, 2}},
        {"Centre N3", 3, {0, 1}, OffsetMove::centre, {2, 2}},
        {"Centre N7", 7, {0, 0}, OffsetMove::centre, {4, 4}},
        {"Centre N101", 101, {7, 9}, OffsetMove::centre, {51, 51}},
        {"No shift", 7, {4, 4}, OffsetMove::no_shift, {0, 0}},
        // Offsets out of range (a stale value after N changed) are reduced first.
        {"Push from 12", 7, {-1, 12}, OffsetMove::push, {6, 4}},
        {"> from INT_MIN", 7, {INT_MIN, INT_MAX}, OffsetMove::right, {4, 1}},
        {"no grid", 0, {3, 3}, OffsetMove::pull, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(move_offsets(c.from, c.move, c.n), c.to);
    }
    // Centre puts the residue-0 cell in the middle row and column.
    EXPECT_EQ(cell_2d({3, Variant2d::standard, true}, {2, 2}, 1, 1).residue, 0);
    EXPECT_EQ(cell_2d(standard7, {4, 4}, 3, 3).residue, 0);
}

TEST(Grid2d, LargeOffsetsAndOrderDoNotOverflow) {
    const Grid2d g{101, Variant2d::standard, false};
    // 200^2 + 200^2 with 200 = -2 mod 101.
    EXPECT_EQ(cell_2d(g, {100, 100}, 100, 100).residue, 8);
    EXPECT_EQ(row_equivalence(g, {100, 100}, 100), 4);
    // INT_MAX = 33 mod 101, so each square is 32^2 = 14 mod 101.
    EXPECT_EQ(cell_2d(g, {INT_MAX, INT_MAX}, 100, 100).residue, 28);
    EXPECT_EQ(cell_2d({0, Variant2d::standard, false}, {}, 0, 0), Cell2d{});
    EXPECT_EQ(row_equivalence({-5, Variant2d::standard, false}, {1, 1}, 1), 0);
}

TEST(Grid2d, CaptionNamesTheVariant) {
    const std::pair<Grid2d, const char*> cases[] = {
        {standard7, "Finned Standard   N:7  Left:4  Pull:4"},
        {{7, Variant2d::standard, false}, "Finless Standard   N:7  Left:4  Pull:4"},
        {{7, Variant2d::optimised_inverse, true}, "Optimised Finned Inverse   N:7  Left:4  Pull:4"},
        {{7, Variant2d::optimised_inverse, false},
         "Optimised Finless Inverse   N:7  Left:4  Pull:4"},
        {{7, Variant2d::legacy_inverse, true}, "Legacy Finned Inverse   N:7  Left:4  Pull:4"},
        {{7, Variant2d::legacy_inverse, false}, "Legacy Finless Inverse   N:7  Left:4  Pull:4"},
    };
    for (const auto& [g, caption] : cases) EXPECT_EQ(panel_caption_2d(g, {4, 4}), caption);
    EXPECT_EQ(panel_caption_2d({101, Variant2d::standard, false}, {0, 100}),
              "Finless Standard   N:101  Left:0  Pull:100");
}

TEST(Grid2d, VariantColoursAndRowShades) {
    struct Case {
        Grid2d g;
        Rgb variant, front, back;
    };
    // N 7 back row: g = 600 / 7 = 85.71, so 240 - g = 154.29 and 240 - 2g = 68.57.
    const Case cases[] = {
        {standard7, {69, 154, 69}, {240, 240, 240}, {69, 154, 69}},
        {{7, Variant2d::optimised_inverse, false}, {169, 97, 169}, {240, 240, 240}, {154, 69, 154}},
        {{7, Variant2d::legacy_inverse, true}, {164, 149, 110}, {240, 240, 240}, {154, 154, 69}},
        {{7, Variant2d::legacy_inverse, false}, {212, 212, 0}, {240, 240, 96}, {154, 154, 96}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(variant_colour(c.g), c.variant);
        EXPECT_EQ(row_shade(c.g, 0), c.front);
        EXPECT_EQ(row_shade(c.g, 6), c.back);
        EXPECT_EQ(row_shade(c.g, 99), c.back);  // a row beyond the grid is the back row's
    }
    // Half to even: N 8, row 3 gives g = 37.5 and 240 - g = 202.5.
    EXPECT_EQ(row_shade({8, Variant2d::standard, true}, 3), (Rgb{165, 202, 165}));
}

}  // namespace
}  // namespace welkin
