// The unknowns of a thin-panel mesh, and the symmetry of the Galerkin pairs:
// what the jump across the panels may do at free edges, corners and joints,
// and that a pair gives the same entries whichever element tests the other.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

#include "response/bem/blas_kernels.h"
#include "response/bem/boundary.h"
#include "response/bem/panel_galerkin.h"
#include "response/surface.h"

namespace welkin::bem {
namespace {

struct UnknownsRow {
    const char* name;
    Boundary boundary;
    double max_length_m;
    int expected_unknowns;
};

Boundary panels_of(std::vector<Segment> segments) {
    return {BoundaryKind::thin_panels, std::move(segments)};
}

class PanelUnknowns : public ::testing::TestWithParam<UnknownsRow> {};

TEST_P(PanelUnknowns, CountTheJumpsFreedomAtEveryNode) {
    const UnknownsRow& row = GetParam();
    EXPECT_EQ(mesh_of(row.boundary, row.max_length_m).unknowns, row.expected_unknowns);
}

// A strip of 4 elements: 3 inner nodes, both ends free. An L of two panels of
// 2 elements: 1 inner node each and the corner. Three panels meeting at a
// point: 2 at the joint and nothing at their three free ends. Two collinear
// panels end to end are one panel: the joint is an inner node.
INSTANTIATE_TEST_SUITE_P(
    Bem, PanelUnknowns,
    ::testing::Values(
        UnknownsRow{"strip", panels_of({{{1, 0}, {0, 0}}}), 0.25, 3},
        UnknownsRow{"corner", panels_of({{{0, -1}, {0, 0}}, {{0, 0}, {-1, 0}}}), 0.5, 3},
        UnknownsRow{"tee", panels_of({{{0, -1}, {0, 0}}, {{0, 0}, {-1, 0}}, {{1, 0}, {0, 0}}}), 1, 2},
        UnknownsRow{"end_to_end", panels_of({{{2, 0}, {1, 0}}, {{1, 0}, {0, 0}}}), 1, 1}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

Surface two_periods() {
    return surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 3600.0 / 42, 0, 2);
}

// Where panels meet, the pressure around the joint is one value per air
// space, so every unknown's jumps, each signed by whether its panel ends
// (+) or starts (-) there, sum to zero at every point.
TEST(PanelUnknowns, JumpsMeetingAtAPointSumToZeroOnADiffuser) {
    const Mesh mesh = mesh_of(thin_profile(two_periods()), 0.02, 3);
    std::map<std::pair<int, std::pair<long long, long long>>, double> signed_sum;
    for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
        const Element& el = mesh.elements[e];
        for (std::size_t end = 0; end < 2; ++end) {
            const Point p = mesh.nodes[static_cast<std::size_t>(end == 0 ? el.first_node : el.second_node)];
            const std::pair<long long, long long> at{std::llround(p.x * 1e6), std::llround(p.y * 1e6)};
            for (const Share& s : mesh.shares[e].ends[end]) {
                signed_sum[{s.unknown, at}] += (end == 1 ? 1.0 : -1.0) * s.weight;
            }
        }
    }
    ASSERT_FALSE(signed_sum.empty());
    for (const auto& [where, sum] : signed_sum) EXPECT_EQ(sum, 0) << "unknown " << where.first;
}

// Two wells touching at the ends of the periods leave no flat between them;
// rounding must not turn that into an element of no length.
TEST(PanelUnknowns, TouchingWellsLeaveNoElementOfNoLength) {
    const Mesh mesh = mesh_of(thin_profile(two_periods()), 0.02, 3);
    for (const Element& e : mesh.elements) EXPECT_GT(e.length, 1e-6);
}

TEST(PanelUnknowns, EdgeLayersShrinkTheEndElementsByQuarters) {
    const Mesh mesh = mesh_of(panels_of({{{1, 0}, {0, 0}}}), 0.25, 2);
    // 4 equal elements of 0.25 m, the two end ones cut at 1/16 and 1/4 of
    // themselves: 1/64, 3/64, 3/16 m from each end.
    ASSERT_EQ(mesh.elements.size(), 8U);
    EXPECT_NEAR(mesh.elements.front().length, 0.25 / 16, 1e-12);
    EXPECT_NEAR(mesh.elements[1].length, 0.25 * 3 / 16, 1e-12);
    EXPECT_NEAR(mesh.elements[2].length, 0.25 * 3 / 4, 1e-12);
    EXPECT_NEAR(mesh.elements.back().length, 0.25 / 16, 1e-12);
}

struct PairRow {
    const char* name;
    Segment first;
    Segment second;
};

Element element_of(const Segment& s) {
    const Mesh m = mesh_of(panels_of({s}), 1e9);
    return m.elements.front();
}

class PairSymmetry : public ::testing::TestWithParam<PairRow> {};

// The operator is symmetric; its Galerkin entries must be too, whether the
// pair is integrated with one element outside or the other.
TEST_P(PairSymmetry, APairTestedEitherWayGivesTheTransposedBlock) {
    const PairRow& row = GetParam();
    const Element a = element_of(row.first);
    const Element b = element_of(row.second);
    const double k = 2 * std::numbers::pi * 2000 / 343;
    const panels::Block ab = panels::pair_block(a, b, k);
    const panels::Block ba = panels::pair_block(b, a, k);
    double scale = 0;
    for (const Complex& v : ab) scale = std::max(scale, std::abs(v));
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_LT(std::abs(ab[2 * i + j] - ba[2 * j + i]), 1e-5 * scale) << i << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bem, PairSymmetry,
    ::testing::Values(PairRow{"end_to_end", {{0.02, 0}, {0, 0}}, {{0, 0}, {-0.01, 0}}},
                      PairRow{"corner", {{0, -0.015}, {0, 0}}, {{0, 0}, {-0.02, 0}}},
                      PairRow{"facing_across_a_well", {{0, -0.02}, {0, 0}}, {{0.03, 0}, {0.03, -0.02}}},
                      PairRow{"far_and_askew", {{0, 0}, {0.01, 0.005}}, {{0.4, -0.1}, {0.41, -0.1}}}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

}  // namespace
}  // namespace welkin::bem

#include "response/bem/dense_solve.h"

namespace welkin::bem {
namespace {

struct SolveRow {
    const char* name;
    Eigen::MatrixXcd a;
    Symmetry symmetry;
    bool solvable;
};

Eigen::MatrixXcd from_rows(std::initializer_list<std::initializer_list<Complex>> rows) {
    Eigen::MatrixXcd m(static_cast<Eigen::Index>(rows.size()),
                       static_cast<Eigen::Index>(rows.begin()->size()));
    Eigen::Index r = 0;
    for (const auto& row : rows) {
        Eigen::Index c = 0;
        for (const Complex& v : row) m(r, c++) = v;
        ++r;
    }
    return m;
}

class DenseSolve : public ::testing::TestWithParam<SolveRow> {};

// Two right-hand sides at once; the solutions must satisfy the original
// system, and a singular one is refused with the right-hand sides kept.
TEST_P(DenseSolve, SolvesEveryColumnOrRefusesASingularSystem) {
    const SolveRow& row = GetParam();
    Eigen::MatrixXcd a = row.a;
    const Eigen::MatrixXcd b = from_rows({{{1, 2}, {0, 1}}, {{-3, 0}, {2, 2}}, {{0, 1}, {5, 0}}});
    Eigen::MatrixXcd x = b;
    ASSERT_EQ(solve_in_place(a, x, row.symmetry), row.solvable);
    if (row.solvable) {
        EXPECT_LT((row.a * x - b).norm(), 1e-12 * b.norm());
    } else {
        EXPECT_EQ(x, b);
    }
}

// The first needs a row exchange (a zero where the first pivot would be);
// the symmetric ones are read from their lower triangle, and the last of
// them has a zero in every diagonal place, so it pivots two by two.
Eigen::MatrixXcd complex_symmetric() {
    return from_rows({{{2, 1}, {0, 1}, 1}, {{0, 1}, {4, -1}, {0, 2}}, {1, {0, 2}, {3, 3}}});
}

INSTANTIATE_TEST_SUITE_P(
    Bem, DenseSolve,
    ::testing::Values(
        SolveRow{"needs_pivoting", from_rows({{0, {1, 1}, 2}, {{3, -1}, 1, 0}, {1, 0, {0, 4}}}),
                 Symmetry::general, true},
        SolveRow{"complex_symmetric", complex_symmetric(), Symmetry::general, true},
        SolveRow{"singular", from_rows({{1, 2, 3}, {2, 4, 6}, {0, 1, {0, 1}}}), Symmetry::general,
                 false},
        SolveRow{"symmetric_by_its_triangle", complex_symmetric(), Symmetry::symmetric, true},
        SolveRow{"symmetric_zero_diagonal", from_rows({{0, {1, 2}, 3}, {{1, 2}, 0, {0, -1}}, {3, {0, -1}, 0}}),
                 Symmetry::symmetric, true},
        SolveRow{"symmetric_singular", from_rows({{1, 2, 3}, {2, 4, 6}, {3, 6, 9}}),
                 Symmetry::symmetric, false}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

}  // namespace
}  // namespace welkin::bem

namespace welkin::bem {
namespace {

// Whoever named the kernels, the program keeps to them and never starts
// itself again.
TEST(BlasKernels, ANamedChoiceIsLeftAlone) {
    const char* before = std::getenv("OPENBLAS_CORETYPE");
    const std::string kept = before ? before : "";
    setenv("OPENBLAS_CORETYPE", "Prescott", 1);
    EXPECT_FALSE(blas_kernels_older_than_processor());
    if (before) {
        setenv("OPENBLAS_CORETYPE", kept.c_str(), 1);
    } else {
        unsetenv("OPENBLAS_CORETYPE");
    }
}

}  // namespace
}  // namespace welkin::bem
