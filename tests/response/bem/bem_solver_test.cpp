// The boundary-element solver on cases with known answers: a rigid circular
// cylinder against the exact series, a flat strip against itself, source
// and receiver traded, and the refusals. Small enough for the sanitizer
// build; the published diffuser table is checked in bem_accuracy_test.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "cylinder_cases.h"
#include "response/bem/bem_response.h"

namespace welkin::bem {
namespace {

struct CylinderRow {
    const char* name;
    double ka;
    int sides;
};

class CylinderSeries : public ::testing::TestWithParam<CylinderRow> {};

TEST_P(CylinderSeries, MatchesTheExactSeriesWithinOnePercentAtEveryReceiver) {
    const CylinderRow& row = GetParam();
    const testing::CylinderComparison c = testing::compare_cylinder(row.ka, row.sides, 5.0, 2);
    EXPECT_LT(c.worst_magnitude_error, 0.01);
}

// About twelve elements a wavelength; ka 1 needs the circle's shape more
// than the wavelength.
INSTANTIATE_TEST_SUITE_P(Bem, CylinderSeries,
                         ::testing::Values(CylinderRow{"ka_1", 1, 48}, CylinderRow{"ka_5", 5, 128},
                                           CylinderRow{"ka_20", 20, 256}),
                         [](const auto& row_info) { return std::string(row_info.param.name); });

// A small N 7 panel, 40 mm wells, no fins.
Surface small_panel(int periods) {
    return surface_of_depths({0, 30, 120, 60, 60, 120, 30}, 40, 0, periods);
}

Setup quick_setup() {
    Setup s;
    s.source_distance_m = 20;
    s.receiver_distance_m = 10;
    s.elements_per_wavelength = 5;
    s.elements_per_well = 1;
    s.edge_layers = 0;
    return s;
}

TEST(BemFlatReference, AFlatStripIsItsOwnReferenceInEveryBand) {
    const Surface flat = flat_of(small_panel(2));
    const double sources[] = {0, 40};
    const auto tables = band_tables(flat, sources, quick_setup());
    ASSERT_TRUE(tables) << tables.message();
    for (const auto& table : *tables) {
        ASSERT_EQ(table.size(), third_octave_centres_hz.size());
        for (const BandValue& b : table) EXPECT_NEAR(b.diffusion.d_n, 0, 1e-9) << b.centre_hz;
    }
}

TEST(BemFlatReference, ADiffuserSpreadsMoreThanItsFlatStripAtItsDesignBand) {
    // 120 mm deepest well of N 7: designed for about 4 x 343 / (7 x 2 x 0.12)
    // = 817 Hz; in the 1600 Hz band its wells scatter strongly.
    const double sources[] = {0};
    const auto tables = band_tables(small_panel(2), sources, quick_setup());
    ASSERT_TRUE(tables) << tables.message();
    EXPECT_GT((*tables)[0][12].diffusion.d_n, 0.1);
}

TEST(BemReciprocity, SourceAndReceiverTradePlacesToRoundingError) {
    const Mesh mesh = mesh_of(thin_profile(small_panel(1)), 343.0 / 2000 / 8);
    const double k = 2 * std::numbers::pi * 2000 / 343;
    const Eigen::MatrixXcd a = system_matrix(mesh, k, {2, true, nullptr});
    const auto lu = a.partialPivLu();
    const Point here{3, 5};
    const Point there{-4, 2};
    auto heard_at = [&](Point source, Point receiver) {
        const Eigen::VectorXcd mu = lu.solve(right_hand_sides(mesh, k, {{false, source}}).col(0));
        return scattered_pressure(mesh, k, mu, {receiver}).front();
    };
    const Complex forth = heard_at(here, there);
    const Complex back = heard_at(there, here);
    EXPECT_LT(std::abs(forth - back), 1e-6 * std::abs(forth));
}

struct RefusalRow {
    const char* name;
    Surface surface;
    Setup setup;
    double frequency_hz;
    std::string_view message;
};

Setup with_distances(double source, double receiver) {
    Setup s = quick_setup();
    s.source_distance_m = source;
    s.receiver_distance_m = receiver;
    return s;
}

Surface well_outside_period() {
    Surface s = small_panel(1);
    s.wells.back().centre_mm += 100;
    return s;
}

class BemRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(BemRefusal, SaysWhyAndComputesNothing) {
    const RefusalRow& row = GetParam();
    const auto r = arc_response(row.surface, {row.frequency_hz, 0, 343}, iso_arc_deg(), row.setup);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.message(), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Bem, BemRefusal,
    ::testing::Values(
        RefusalRow{"zero_source_distance", small_panel(1), with_distances(0, 10), 1000,
                   distance_error_text},
        RefusalRow{"negative_receiver_distance", small_panel(1), with_distances(20, -1), 1000,
                   distance_error_text},
        RefusalRow{"infinite_distance", small_panel(1), with_distances(INFINITY, 10), 1000,
                   distance_error_text},
        RefusalRow{"frequency_above_range", small_panel(1), quick_setup(), 6001,
                   frequency_error_text},
        RefusalRow{"zero_frequency", small_panel(1), quick_setup(), 0, sound_error_text},
        RefusalRow{"well_outside_its_period", well_outside_period(), quick_setup(), 1000,
                   surface_error_text},
        // 20 m of 40 mm wells at 6 kHz needs far more elements than allowed.
        RefusalRow{"too_large_to_mesh", small_panel(70), quick_setup(), 6000, mesh_error_text}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

TEST(BemCancel, AStoppedRunReportsCancelledAndNoTable) {
    std::atomic<bool> cancel{false};
    int bands_seen = 0;
    Control control{&cancel, [&](std::size_t, const std::vector<BandValue>&) {
                        // Stop after the second band.
                        if (++bands_seen == 2) cancel = true;
                    }};
    const double sources[] = {0};
    const auto r = band_tables(small_panel(1), sources, quick_setup(), control);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.message(), "Cancelled");
    EXPECT_EQ(bands_seen, 2);
}

// Solves of later bands run while earlier ones finish; each band is still
// handed on once, in order, with the values the table ends with.
TEST(BemProgress, BandsAreHandedOnInOrderWithTheTablesValues) {
    std::vector<std::size_t> order;
    std::vector<double> handed;
    Control control{nullptr, [&](std::size_t band, const std::vector<BandValue>& values) {
                        order.push_back(band);
                        handed.push_back(values.at(1).diffusion.d_n);
                    }};
    const double sources[] = {0, 30};
    bem::Setup two_threads = quick_setup();
    two_threads.threads = 2;
    const auto tables = band_tables(small_panel(2), sources, two_threads, control);
    ASSERT_TRUE(tables) << tables.message();
    ASSERT_EQ(order.size(), third_octave_centres_hz.size());
    for (std::size_t b = 0; b < order.size(); ++b) {
        EXPECT_EQ(order[b], b);
        EXPECT_EQ(handed[b], (*tables)[1][b].diffusion.d_n);
    }
}

}  // namespace
}  // namespace welkin::bem

namespace welkin::bem {
namespace {

struct MemoryRow {
    const char* name;
    std::size_t elements;
    int cores;
    int expected_at_once;
};

class BemMemory : public ::testing::TestWithParam<MemoryRow> {};

// A solve of n elements holds at least its n x n complex matrix; the solves
// side by side stay within the budget whatever the number of cores, and one
// always runs.
TEST_P(BemMemory, SolvesSideBySideStayWithinTheBudget) {
    const MemoryRow& row = GetParam();
    welkin::bem::Setup s;
    s.threads = row.cores;
    const int at_once = solves_at_once(row.elements, s);
    EXPECT_EQ(at_once, row.expected_at_once);
    const auto n = static_cast<double>(row.elements);
    EXPECT_GE(solve_bytes(row.elements), 16 * n * n);
    if (at_once > 1) {
        EXPECT_LE(at_once * solve_bytes(row.elements), memory_budget_bytes);
    }
}

// 4000 elements: 256 MB of matrix and 52 MB of columns, three to a
// gigabyte; 1000 elements: 16 MB + 13 MB, thirty-six to a gigabyte.
INSTANTIATE_TEST_SUITE_P(
    Bem, BemMemory,
    ::testing::Values(MemoryRow{"largest_on_two_cores", 4000, 2, 2},
                      MemoryRow{"largest_on_many_cores", 4000, 64, 3},
                      MemoryRow{"mid_size_on_many_cores", 1000, 64, 36},
                      MemoryRow{"small_on_one_core", 100, 1, 1}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

TEST(BemMemory, TheBandTableOfTheLargestDesignIsBounded) {
    // 36 periods of the small N 7 panel, 10 m: within the elements at 5.6 kHz.
    const Result<double> bytes = band_table_bytes(small_panel(36), quick_setup());
    ASSERT_TRUE(bytes) << bytes.message();
    EXPECT_LE(*bytes, memory_budget_bytes);
    EXPECT_FALSE(band_table_bytes(small_panel(70), quick_setup()));
}

}  // namespace
}  // namespace welkin::bem
