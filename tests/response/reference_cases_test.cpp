// The far-field model against published predictions: the levels and
// coefficients of an N 7 diffuser at one frequency, the normalised
// coefficient of another, and one-third-octave values from boundary-element
// predictions that the model is expected to follow at low frequencies.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "response/diffusion.h"
#include "response/far_field.h"

namespace welkin {
namespace {

constexpr double speed_343 = 343;
const std::vector<double> n7_sequence = {0, 1, 4, 2, 2, 4, 1};

// N 7, 6 periods, 3.6 m wide (42 wells of 3600 / 42 mm, no fins), designed
// for 490 Hz at 343 m/s: depths s x 343 / (2 x 7 x 490) m = s x 50 mm.
std::vector<double> case_a_depths() {
    std::vector<double> d;
    for (double s : n7_sequence) d.push_back(s * 50);
    return d;
}

const std::array<double, 37> case_a_levels = {
    -19.337, -18.867, -19.798, -26.178, -26.347, -18.811, -29.685, -18.212, -34.309, -13.850,
    -11.212, -1.191,  -12.143, -16.334, -21.342, -25.559, -24.896, -22.567, 0.000,   -19.414,
    -18.483, -17.966, -17.789, -16.949, -13.506, -1.146,  -9.559,  -10.912, -30.481, -13.875,
    -25.163, -14.346, -22.085, -22.176, -16.038, -15.275, -15.804};
const std::array<double, 37> case_a_flat_levels = {
    -36.385, -35.709, -36.065, -41.617, -40.861, -32.474, -42.750, -31.127, -47.771, -28.995,
    -30.520, -50.381, -28.015, -23.478, -21.660, -20.958, -20.753, -20.733, 0.000,   -20.733,
    -20.753, -20.958, -21.660, -23.478, -28.015, -50.381, -30.520, -28.995, -47.771, -31.127,
    -42.750, -32.474, -40.861, -41.617, -36.065, -35.709, -36.385};
constexpr double case_a_d = 0.10985146785866741;
constexpr double case_a_d_flat = 0.004871959138901796;
constexpr double case_a_d_n = 0.10549346858814809;

const Sound case_a_sound{1000, 0, speed_343};

double rounded_to_millibels(double level_db) {
    return std::round(level_db * 1000) / 1000;
}

std::vector<double> energies_of_rounded(const std::vector<double>& energies) {
    std::vector<double> out;
    for (double e : energies) out.push_back(std::pow(10, rounded_to_millibels(level_db(e)) / 10));
    return out;
}

// The same panel described as six periods and as one period of 42 wells.
struct CaseALayout {
    const char* name;
    Surface surface;
};

std::vector<CaseALayout> case_a_layouts() {
    const double well = 3600.0 / 42;
    std::vector<double> all_42;
    for (int p = 0; p < 6; ++p) {
        for (double d : case_a_depths()) all_42.push_back(d);
    }
    return {{"six periods", surface_of_depths(case_a_depths(), well, 0, 6)},
            {"one period of 42 wells", surface_of_depths(all_42, well, 0, 1)}};
}

TEST(ReferenceCases, CaseALevelsMatchToTheThousandthOfADecibel) {
    for (const CaseALayout& layout : case_a_layouts()) {
        SCOPED_TRACE(layout.name);
        const Result<ArcResponse> r = iso_response(layout.surface, case_a_sound);
        ASSERT_TRUE(r.ok()) << r.message();
        ASSERT_EQ(r->angles_deg.size(), 37u);
        for (std::size_t i = 0; i < 37; ++i) {
            SCOPED_TRACE(r->angles_deg[i]);
            EXPECT_DOUBLE_EQ(r->angles_deg[i], -90 + 5.0 * static_cast<double>(i));
            EXPECT_NEAR(level_db(r->energies[i]), case_a_levels[i], 0.0005);
            EXPECT_NEAR(level_db(r->flat_energies[i]), case_a_flat_levels[i], 0.0005);
        }
    }
}

TEST(ReferenceCases, CaseACoefficientsFromRoundedAndUnroundedLevels) {
    const Result<ArcResponse> r = iso_response(case_a_layouts()[0].surface, case_a_sound);
    ASSERT_TRUE(r.ok());

    // The published coefficients were computed from levels printed to 0.001 dB.
    const Diffusion from_rounded =
        normalised_diffusion(diffusion_coefficient(energies_of_rounded(r->energies)),
                             diffusion_coefficient(energies_of_rounded(r->flat_energies)));
    EXPECT_NEAR(from_rounded.d, case_a_d, 1e-12);
    EXPECT_NEAR(from_rounded.d_flat, case_a_d_flat, 1e-12);
    EXPECT_NEAR(from_rounded.d_n, case_a_d_n, 1e-12);

    EXPECT_NEAR(r->diffusion.d, case_a_d, 1e-5);
    EXPECT_NEAR(r->diffusion.d_flat, case_a_d_flat, 1e-5);
    EXPECT_NEAR(r->diffusion.d_n, case_a_d_n, 1e-5);
    // Rounding the levels does move the coefficients, by about 1.5e-6.
    EXPECT_NE(r->diffusion.d, from_rounded.d);
}

TEST(ReferenceCases, CaseBNormalisedCoefficient) {
    // N 7, 5 periods of 100 mm wells, designed for 500 Hz at 343 m/s: depths s x 49 mm.
    std::vector<double> depths;
    for (double s : n7_sequence) depths.push_back(s * 49);
    const Result<ArcResponse> r =
        iso_response(surface_of_depths(depths, 100, 0, 5), Sound{2000, 0, speed_343});
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r->diffusion.d_n, 0.20802829817091092, 1e-9);
}

TEST(ReferenceCases, CaseCBandsFollowTheBoundaryElementPredictions) {
    const Result<std::vector<BandValue>> bands =
        band_table(case_a_layouts()[0].surface, 0, speed_343);
    ASSERT_TRUE(bands.ok());
    ASSERT_EQ(bands->size(), third_octave_centres_hz.size());
    struct Row {
        double centre_hz;
        double d_n;
    };
    const std::array<Row, 4> published = {{{200, 0.00}, {250, 0.01}, {315, 0.01}, {400, 0.01}}};
    for (const Row& row : published) {
        SCOPED_TRACE(row.centre_hz);
        const auto band = std::find_if(bands->begin(), bands->end(), [&](const BandValue& b) {
            return b.centre_hz == row.centre_hz;
        });
        ASSERT_NE(band, bands->end());
        EXPECT_NEAR(band->diffusion.d_n, row.d_n, 0.015);
    }
}

}  // namespace
}  // namespace welkin
