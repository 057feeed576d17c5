// The boundary-element prediction of an N 7 diffuser (6 periods, 42 wells
// of 3600 / 42 mm, no fins, depths 0 50 200 100 100 200 50 mm, c = 343 m/s)
// against the published boundary-element table, line source at 100 m,
// receivers at 50 m; and the mesh refined until halving the elements no
// longer moves a band.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "response/bem/bem_response.h"
#include "response/bem/blas_kernels.h"

namespace welkin::bem {
namespace {

// Published d_n, 100 Hz .. 5 kHz, printed to two decimals.
constexpr std::array<double, 18> published_0_deg = {0.07, 0.01, 0.02, 0.00, 0.01, 0.01,
                                                     0.01, 0.07, 0.16, 0.21, 0.12, 0.10,
                                                     0.07, 0.23, 0.39, 0.04, 0.19, 0.27};
constexpr std::array<double, 18> published_57_deg = {0.13, 0.14, 0.11, 0.05, 0.11, 0.02,
                                                      0.10, 0.24, 0.37, 0.28, 0.32, 0.12,
                                                      0.31, 0.45, 0.43, 0.32, 0.37, 0.60};

Surface published_diffuser(int periods) {
    return surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 3600.0 / 42, 0, periods);
}

Setup published_setup() {
    Setup s;
    s.speed_m_s = 343;
    return s;
}

struct Deviation {
    double mean = 0;
    double worst = 0;
};

Deviation deviation(const std::vector<BandValue>& table, const std::array<double, 18>& published) {
    Deviation d;
    for (std::size_t b = 0; b < published.size(); ++b) {
        const double off = std::abs(table[b].diffusion.d_n - published[b]);
        d.mean += off / static_cast<double>(published.size());
        d.worst = std::max(d.worst, off);
    }
    return d;
}

TEST(BemPublishedTable, FollowsThePublishedBoundaryElementValues) {
    const double sources[] = {0, 57};
    const auto tables = band_tables(published_diffuser(6), sources, published_setup());
    ASSERT_TRUE(tables) << tables.message();
    const Deviation normal = deviation((*tables)[0], published_0_deg);
    const Deviation oblique = deviation((*tables)[1], published_57_deg);
    EXPECT_LE(normal.mean, 0.02);
    EXPECT_LE(normal.worst, 0.08);
    EXPECT_LE(oblique.mean, 0.065);
}

// One period of the same diffuser, 0.6 m wide: every band at twice the
// element density, the graded ends halved too, moves by no more than 0.005.
TEST(BemConvergence, HalvingTheElementsMovesNoBandByMoreThanFiveThousandths) {
    bem::Setup fine = published_setup();
    fine.elements_per_wavelength *= 2;
    fine.elements_per_well *= 2;
    const double sources[] = {0, 57};
    const auto coarse_tables = band_tables(published_diffuser(1), sources, published_setup());
    const auto fine_tables = band_tables(published_diffuser(1), sources, fine);
    ASSERT_TRUE(coarse_tables && fine_tables);
    for (std::size_t s = 0; s < 2; ++s) {
        for (std::size_t b = 0; b < third_octave_centres_hz.size(); ++b) {
            EXPECT_NEAR((*coarse_tables)[s][b].diffusion.d_n, (*fine_tables)[s][b].diffusion.d_n,
                        0.005)
                << third_octave_centres_hz[b] << " Hz, source " << sources[s] << " deg";
        }
    }
}

}  // namespace
}  // namespace welkin::bem

// The linear algebra's kernels picked as the programs pick them, so that
// the table costs here what it costs a user.
int main(int argc, char** argv) {
    welkin::bem::restart_with_newer_blas_kernels(argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
