#include "panel2d/grid.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "core/sequence.h"

namespace welkin {
namespace {

using enum Variant2d;

TEST(Grid2d, CellsAtZeroOffsets) {
    // N 7 front row: residues 0 1 4 2 2 4 1.
    const std::vector<Cell2d> front = {{0, 6, 0}, {1, 5, 1}, {4, 2, 4}, {2, 4, 2},
                                       {2, 4, 2}, {4, 2, 4}, {1, 5, 1}};
    for (std::size_t c = 0; c < front.size(); ++c)
        EXPECT_EQ(cell_2d({7, standard, true}, {}, 0, static_cast<int>(c)), front[c]) << c;
    // The inverse variants differ in the residue-0 cell (0,0); (0,1) has residue 1.
    const struct {
        const char* name;
        Grid2d g;
        Cell2d at_0_0, at_0_1;
    } rows[] = {{"legacy, finned", {7, legacy_inverse, true}, {0, 0, 7}, {1, 1, 6}},
                {"legacy, finless", {7, legacy_inverse, false}, {0, 0, 6}, {1, 1, 5}},
                {"optimised", {7, optimised_inverse, true}, {0, 6, 0}, {1, 0, 6}}};
    for (const auto& row : rows) {
        EXPECT_EQ((std::array{cell_2d(row.g, {}, 0, 0), cell_2d(row.g, {}, 0, 1)}),
                  (std::array{row.at_0_0, row.at_0_1}))
            << row.name;
    }
}

TEST(Grid2d, HeightPlusDepthIsTheBuildDepthForEveryPrime) {
    for (const int n : primes) {
        const Offsets2d o = move_offsets({}, OffsetMove::centre, n);
        EXPECT_EQ(cell_2d({n, standard, false}, o, n / 2, n / 2).residue, 0) << n;  // centred
        for (int k = 0; k < 6; ++k) {  // every variant, finned or not
            const Grid2d g{n, static_cast<Variant2d>(k / 2), k % 2 == 1};
            const int total = g.variant == legacy_inverse && g.finned ? n : n - 1;
            for (int cell = 0; cell < n * n; ++cell) {
                const Cell2d x = cell_2d(g, o, cell / n, cell % n);
                ASSERT_TRUE(x.block_height + x.well_depth == total && x.block_height >= 0 &&
                            x.block_height < n)
                    << n << ' ' << k << ' ' << cell;
            }
        }
    }
}

// Row r has the well depths of the 1D panel (N 7) rotated on the phase wheel by k(r) and shifted
// left; the finned legacy inverse keeps the inverse panel's depth-N wells.
TEST(Grid2d, RowsAreRotatedAndShifted1dPanels) {
    for (const bool inverse : {false, true}) {
        const Grid2d g{7, inverse ? legacy_inverse : standard, true};
        for (const Offsets2d o : {Offsets2d{0, 0}, Offsets2d{2, 5}, Offsets2d{6, 3}}) {
            for (int r = 0; r < 7; ++r) {
                Design d;
                d.inverse_panel = inverse;
                d.wheel_shift = row_equivalence(g, o, r);
                d.side_shift = o.left_shift;
                const PanelSequence row = panel_sequence(d);
                for (int c = 0; c < 7; ++c) {
                    EXPECT_EQ(cell_2d(g, o, r, c).well_depth, row.at(c))
                        << inverse << ' ' << o.left_shift << ',' << o.pull << ' ' << r << ',' << c;
                }
            }
        }
    }
}

TEST(Grid2d, OffsetsWrapAroundModuloN) {
    using enum OffsetMove;
    // Offsets (left, pull) out of range, a stale value after N changed, are reduced first.
    const struct {
        const char* name;
        int n;
        Offsets2d from;
        OffsetMove move;
        Offsets2d to;
    } rows[] = {{"push wraps to the back", 7, {3, 0}, push, {3, 6}},
                {"pull wraps to the front", 7, {3, 6}, pull, {3, 0}},
                {"left wraps", 7, {6, 2}, left, {0, 2}},
                {"right wraps", 7, {0, 2}, right, {6, 2}},
                {"centre of N 3", 3, {0, 1}, centre, {2, 2}},
                {"centre of N 7", 7, {0, 0}, centre, {4, 4}},
                {"centre of N 101", 101, {7, 9}, centre, {51, 51}},
                {"no shift", 7, {4, 4}, no_shift, {0, 0}},
                {"stale offsets reduced", 7, {-1, 12}, push, {6, 4}},
                {"extreme offsets reduced", 7, {INT_MIN, INT_MAX}, right, {4, 1}},
                {"no grid: only zero offsets", 0, {3, 3}, pull, {0, 0}}};
    for (const auto& row : rows)
        EXPECT_EQ(move_offsets(row.from, row.move, row.n), row.to) << row.name;
    const Grid2d g{101, standard, false};  // large offsets and order do not overflow
    // 200^2 + 200^2 with 200 = -2 mod 101.
    EXPECT_EQ(cell_2d(g, {100, 100}, 100, 100).residue, 8);
    EXPECT_EQ(row_equivalence(g, {100, 100}, 100), 4);
    // INT_MAX = 33 mod 101, so each square is 32^2 = 14 mod 101.
    EXPECT_EQ(cell_2d(g, {INT_MAX, INT_MAX}, 100, 100).residue, 28);
    EXPECT_EQ(cell_2d({0, standard, false}, {}, 0, 0), Cell2d{});
    EXPECT_EQ(row_equivalence({-5, standard, false}, {1, 1}, 1), 0);
}

// Visiting every cell at once gives each cell as asking for it alone does,
// whatever the offsets hold; outside the grid too.
TEST(Grid2d, AllCellsAtOnceAreTheCellsOneByOne) {
    const struct {
        const char* name;
        Grid2d g;
        Offsets2d o;
    } rows[] = {
        {"standard 7 unshifted", {7, standard, true}, {}},
        {"optimised 11 shifted", {11, optimised_inverse, true}, {3, 9}},
        {"legacy 13 finless", {13, legacy_inverse, false}, {12, 12}},
        {"negative offsets", {5, standard, false}, {-3, -7}},
        {"offsets past N", {3, optimised_inverse, false}, {8, 4}},
        {"huge offsets", {31, standard, true}, {INT_MAX, INT_MIN}},
    };
    for (const auto& row : rows) {
        const GridCells cells(row.g, row.o);
        for (int r = -1; r <= row.g.n; ++r) {
            for (int c = -1; c <= row.g.n; ++c) {
                EXPECT_EQ(cells.at(r, c), cell_2d(row.g, row.o, r, c))
                    << row.name << " row " << r << " column " << c;
            }
        }
    }
}

TEST(Grid2d, TheDesignChoosesTheVariantItsCaptionAndColours) {
    // Inverse panel, 2D optimise check mark, fin width; the caption's start, the variant colour
    // and the back row's shade. N 7 back row: g = 600 / 7 = 85.71, so 240 - g = 154.29 and
    // 240 - 2g = 68.57. A row beyond the grid takes the back row's shade.
    const struct {
        bool inverse, optimise;
        double fin;
        std::string caption;  // names the row too
        Rgb colour, back;
    } rows[] = {{false, true, 3, "Finned Standard", {69, 154, 69}, {69, 154, 69}},
                {false, false, 0, "Finless Standard", {69, 154, 69}, {69, 154, 69}},
                {true, true, 3, "Optimised Finned Inverse", {169, 97, 169}, {154, 69, 154}},
                {true, true, 0, "Optimised Finless Inverse", {169, 97, 169}, {154, 69, 154}},
                {true, false, 3, "Legacy Finned Inverse", {164, 149, 110}, {154, 154, 69}},
                {true, false, 0, "Legacy Finless Inverse", {212, 212, 0}, {154, 154, 96}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        Design d;  // N 7
        d.inverse_panel = row.inverse;
        d.optimise_2d = row.optimise;
        d.fin_width_mm = row.fin;
        const Grid2d g = grid_2d(d);
        EXPECT_EQ(panel_caption_2d(g, {2, 5}), row.caption + "   N:7  Left:2  Pull:5");
        EXPECT_EQ((std::array{variant_colour(g), row_shade(g, 6), row_shade(g, 99)}),
                  (std::array{row.colour, row.back, row.back}));
    }
    // The front row is the lightest; half to even: N 8, row 3 gives 240 - 37.5 = 202.5.
    EXPECT_EQ(row_shade({7, legacy_inverse, false}, 0), (Rgb{240, 240, 96}));
    EXPECT_EQ(row_shade({8, standard, true}, 3), (Rgb{165, 202, 165}));
}

}  // namespace
}  // namespace welkin
