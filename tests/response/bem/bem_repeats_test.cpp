// A repeating boundary's copies: which elements are found to be copies of
// one another, and that the matrix assembled from one computed pair per
// family of copies is the one computed pair by pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "response/bem/boundary.h"
#include "response/bem/helmholtz.h"
#include "response/bem/repeats.h"
#include "response/surface.h"

namespace welkin::bem {
namespace {

enum class Copies { every_element, some_elements, not_asked };

struct RepeatRow {
    const char* name;
    Surface surface;
    // Which elements should have a copy in every period.
    Copies copies;
    double element_m = 0.012;
};

// 40 mm N 7 wells. Starting the sequence at a deep well leaves the first
// period's outer wall without copies; fins put front-face strips between
// wells; a flat strip is one long panel cut evenly.
Surface panel(std::vector<double> depths, double fin_mm, int periods) {
    return surface_of_depths(depths, 40, fin_mm, periods);
}
const std::vector<double> from_zero = {0, 30, 120, 60, 60, 120, 30};
const std::vector<double> from_deep = {120, 60, 60, 120, 30, 0, 30};

std::vector<RepeatRow> repeat_rows() {
    return {{"wells_side_by_side", panel(from_zero, 0, 4), Copies::every_element},
            {"deep_first_well", panel(from_deep, 0, 3), Copies::some_elements},
            {"fins_between_wells", panel(from_zero, 8, 3), Copies::some_elements},
            {"flat_strip", flat_of(panel(from_zero, 0, 3)), Copies::not_asked},
            {"one_period", panel(from_zero, 0, 1), Copies::not_asked},
            // Wells a whole number of elements wide, each width the
            // difference of two sums that round differently period by
            // period: every period must still be cut alike.
            {"wells_two_elements_wide",
             surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 3600.0 / 42, 0, 6),
             Copies::every_element, 3.6 / 42 / 2}};
}

std::string row_name(const ::testing::TestParamInfo<RepeatRow>& info) {
    return info.param.name;
}

Mesh mesh_for(const RepeatRow& row) {
    return mesh_of(thin_profile(row.surface), row.element_m, 3);
}

class RepeatFamilies : public ::testing::TestWithParam<RepeatRow> {};

// Every element is in one family or among the others, and the members of a
// family are each other moved by whole periods.
TEST_P(RepeatFamilies, AreCopiesAWholeNumberOfPeriodsApart) {
    const RepeatRow& row = GetParam();
    const Mesh mesh = mesh_for(row);
    const Repeats r = repeats_of(mesh);
    std::vector<int> seen(mesh.elements.size(), 0);
    for (std::size_t e : r.others) ++seen.at(e);
    const double step = row.surface.period_mm * 1e-3;
    for (const auto& family : r.families) {
        ASSERT_EQ(family.size(), static_cast<std::size_t>(row.surface.periods));
        const Element& first = mesh.elements[family.front()];
        for (std::size_t c = 0; c < family.size(); ++c) {
            ++seen.at(family[c]);
            const Element& copy = mesh.elements[family[c]];
            EXPECT_NEAR(copy.centre.x - first.centre.x, static_cast<double>(c) * step, 1e-9);
            EXPECT_NEAR(copy.centre.y, first.centre.y, 1e-9);
            EXPECT_NEAR(copy.length, first.length, 1e-9);
            EXPECT_NEAR(copy.direction.x * first.direction.y - copy.direction.y * first.direction.x,
                        0, 1e-9);
            EXPECT_GT(copy.direction.x * first.direction.x + copy.direction.y * first.direction.y, 0);
        }
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
    if (row.copies == Copies::every_element) {
        EXPECT_TRUE(r.others.empty());
    }
    if (row.copies == Copies::some_elements) {
        EXPECT_FALSE(r.families.empty());
        EXPECT_FALSE(r.others.empty());
    }
    if (row.surface.periods == 1) {
        EXPECT_TRUE(r.families.empty());
    }
}

class RepeatedAssembly : public ::testing::TestWithParam<RepeatRow> {};

// A pair lying exactly where the quadrature changes its number of points
// may take either rule, a few millionths of the largest entry; a pair
// given another pair's value is wrong in the first digit of its own.
TEST_P(RepeatedAssembly, GivesTheMatrixComputedPairByPair) {
    const Mesh mesh = mesh_for(GetParam());
    const double k = 2 * std::numbers::pi * 2500 / 343;
    const Eigen::MatrixXcd shared = system_matrix(mesh, k, {2, true, nullptr});
    const Eigen::MatrixXcd each = system_matrix(mesh, k, {1, false, nullptr});
    const double largest = each.cwiseAbs().maxCoeff();
    const auto off = ((shared - each).cwiseAbs().array() >
                      1e-4 * each.cwiseAbs().array() + 2e-5 * largest)
                         .count();
    EXPECT_EQ(off, 0);
    // What the symmetric solve reads: the same lower triangle, each
    // diagonal entry counted once from each side of a pair, nothing above.
    const Eigen::MatrixXcd lower = system_matrix(mesh, k, {2, true, nullptr, true});
    const Eigen::MatrixXcd expected = shared.triangularView<Eigen::Lower>();
    EXPECT_LT((lower - expected).norm(), 1e-12 * shared.norm());
}

INSTANTIATE_TEST_SUITE_P(Bem, RepeatFamilies, ::testing::ValuesIn(repeat_rows()), row_name);
INSTANTIATE_TEST_SUITE_P(Bem, RepeatedAssembly, ::testing::ValuesIn(repeat_rows()), row_name);

}  // namespace
}  // namespace welkin::bem
