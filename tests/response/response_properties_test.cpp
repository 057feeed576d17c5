// Properties the far-field model must have whatever the surface: agreement
// with a plain strip-by-strip sum, reciprocity, no gain for a flat surface,
// grating lobes where the lobe analysis puts them, and refusals of surfaces
// and sounds it cannot evaluate.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "core/sequence.h"
#include "lobes/lobe_analysis.h"
#include "panel1d/test_designs.h"
#include "response/diffusion.h"
#include "response/far_field.h"
#include "response/response_view.h"
#include "response/surface.h"

namespace welkin {
namespace {

constexpr double to_radians = std::numbers::pi / 180;

struct Strip {
    double left_mm;
    double width_mm;
    double depth_mm;
};

// Every well of every period as its own strip, and every gap between wells
// (the fins) as a strip of depth 0.
std::vector<Strip> strips_of(const Surface& s) {
    std::vector<Strip> out;
    for (int p = 0; p < s.periods; ++p) {
        const double origin = p * s.period_mm;
        double edge = 0;
        for (const Well& w : s.wells) {  // in order from the left
            const double left = w.centre_mm - w.width_mm / 2;
            out.push_back({origin + edge, left - edge, 0});
            out.push_back({origin + left, w.width_mm, w.depth_mm});
            edge = left + w.width_mm;
        }
        out.push_back({origin + edge, s.period_mm - edge, 0});
    }
    return out;
}

// The model summed term by term, with no series and no flat-plus-difference.
double direct_pressure(const std::vector<Strip>& strips, const Sound& s, double theta_deg) {
    const double k = 2 * std::numbers::pi * s.frequency_hz / (s.speed_m_s * 1000);
    const double theta = theta_deg * to_radians;
    const double psi = s.source_angle_deg * to_radians;
    const double u = k * (std::sin(theta) + std::sin(psi));
    std::complex<double> sum = 0;
    for (const Strip& st : strips) {
        if (st.width_mm == 0) continue;
        const double half = u * st.width_mm / 2;
        const double sinc = half == 0 ? 1 : std::sin(half) / half;
        sum += st.width_mm * sinc * std::polar(1.0, -2 * k * st.depth_mm) *
               std::polar(1.0, u * (st.left_mm + st.width_mm / 2));
    }
    return std::abs((std::cos(theta) + std::cos(psi)) / 2 * sum);
}

const std::vector<double> n7_depths = {0, 41, 164, 82, 82, 164, 41};

TEST(ResponseProperties, AgreesWithAStripByStripSum) {
    struct Row {
        const char* name;
        Surface surface;
        Sound sound;
    };
    // Wells off their pitch and of two widths take the general sum.
    Surface uneven = surface_of_depths(n7_depths, 50, 8, 2);
    uneven.wells[2].centre_mm += 2.5;
    uneven.wells[4].width_mm = 45;
    const Row rows[] = {
        {"fins, normal incidence", surface_of_depths(n7_depths, 50, 5, 3), {1200, 0, 344}},
        {"fins, oblique", surface_of_depths(n7_depths, 50, 12.5, 4), {2500, 35, 344}},
        {"no fins, one period, grazing source",
         surface_of_depths(n7_depths, 50, 0, 1),
         {700, -90, 343}},
        {"uneven wells", uneven, {3100, -25, 344}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<Strip> strips = strips_of(row.surface);
        const FarField field(row.surface, row.sound);
        for (double theta = -90; theta <= 90; theta += 2.5) {
            const double expected = direct_pressure(strips, row.sound, theta);
            EXPECT_NEAR(field.pressure(theta), expected, 1e-9 * (1 + expected)) << theta;
        }
    }
}

TEST(ResponseProperties, SwappingSourceAndReceiverLeavesThePressure) {
    const Surface s = surface_of_depths(n7_depths, 43, 7, 5);
    const double pairs[][2] = {{0, 30}, {-60, 15}, {89, -45}, {-90, 90}, {12.5, -77}};
    for (double f : {250.0, 1000.0, 4321.0}) {
        for (const auto& pair : pairs) {
            const double forward = FarField(s, {f, pair[0], 344}).pressure(pair[1]);
            const double back = FarField(s, {f, pair[1], 344}).pressure(pair[0]);
            EXPECT_NEAR(forward, back, 1e-12 * (1 + forward)) << f << " " << pair[0];
        }
    }
}

TEST(ResponseProperties, AFlatSurfaceGainsNothingAtAnyFrequency) {
    const Surface flat_wells = surface_of_depths(std::vector<double>(11, 0.0), 40, 5, 4);
    const Result<std::vector<BandValue>> bands = band_table(flat_wells, 20);
    ASSERT_TRUE(bands.ok());
    for (const BandValue& b : *bands) {
        EXPECT_EQ(b.diffusion.d_n, 0) << b.centre_hz;
        EXPECT_GT(b.diffusion.d_flat, 0) << b.centre_hz;
    }
    for (double f : {50.0, 333.0, 8000.0}) {
        const Result<ArcResponse> r = iso_response(flat_wells, {f, -10, 344});
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r->diffusion.d_n, 0) << f;
    }
}

// Local maxima of the energy on a fine arc that come within 10 dB of the peak.
std::vector<double> strong_peaks(const Surface& s, const Sound& sound) {
    const std::vector<double> arc = fine_arc_deg(3600);
    const std::vector<double> e = relative_energies(s, sound, arc);
    std::vector<double> peaks;
    for (std::size_t i = 1; i + 1 < e.size(); ++i) {
        if (e[i] > e[i - 1] && e[i] >= e[i + 1] && e[i] > 0.1) peaks.push_back(arc[i]);
    }
    return peaks;
}

TEST(ResponseProperties, GratingLobesLeaveWhereTheLobeAnalysisSays) {
    struct Row {
        int n;
        double design_hz, well, fin, frequency_hz, angle_deg;
    };
    const Row rows[] = {
        {7, 500, 50, 5, 2000, 0}, {13, 700, 40, 3, 3000, 30}, {11, 400, 60, 0, 1500, -20}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        Design d = design_at(row.n, row.design_hz);
        d.well_width_mm = row.well;
        d.fin_width_mm = row.fin;
        const Surface s = surface_of(drawn(d), 20);
        const LobeInputs in{.well_count = row.n,
                            .design_freq_hz = row.design_hz,
                            .well_width_mm = row.well,
                            .period_width_mm = row.n * (row.well + row.fin),
                            .plate_freq_hz = row.n * row.design_hz};
        const Result<LobeAnalysis> a = analyse_lobes(in, row.angle_deg, true);
        ASSERT_TRUE(a.ok());

        std::vector<double> directions;
        for (int m = -row.n; m <= row.n; ++m) {
            const LobeDirection dir = lobe_direction(*a, row.frequency_hz, m);
            if (dir.state == LobeState::exists) directions.push_back(dir.phi / to_radians);
        }
        ASSERT_GE(directions.size(), 3u);

        const std::vector<double> peaks = strong_peaks(s, {row.frequency_hz, row.angle_deg, 344});
        ASSERT_FALSE(peaks.empty());
        // Every strong peak is a grating lobe (the analysis floors f_period to
        // whole hertz, which moves a direction by well under half a degree).
        for (double peak : peaks) {
            const bool near_a_lobe =
                std::any_of(directions.begin(), directions.end(),
                            [&](double dir) { return std::abs(dir - peak) < 0.5; });
            EXPECT_TRUE(near_a_lobe) << "peak at " << peak;
        }
    }
}

TEST(ResponseProperties, TheDesignIsLaidOutAsDrawn) {
    Design d = design_at(7, 600);  // half wavelength 287 mm, so a depth unit is 41 mm
    d.well_width_mm = 50;
    d.fin_width_mm = 5;
    d.side_shift = 1;
    const Surface s = surface_of(drawn(d), 3);
    EXPECT_EQ(s.periods, 3);
    EXPECT_DOUBLE_EQ(s.period_mm, 385);
    const double depths[] = {41, 164, 82, 82, 164, 41, 0};
    ASSERT_EQ(s.wells.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(s.wells[i].depth_mm, depths[i]) << i;
        EXPECT_DOUBLE_EQ(s.wells[i].centre_mm, 27.5 + 55.0 * static_cast<double>(i)) << i;
        EXPECT_DOUBLE_EQ(s.wells[i].width_mm, 50);
    }
    EXPECT_TRUE(flat_of(s).wells.empty());
    EXPECT_DOUBLE_EQ(flat_of(s).period_mm, 385);
}

TEST(ResponseProperties, OnACommonReferenceTheSpecularDropIsTheGaussSum) {
    // A quadratic residue panel without fins, at its design frequency and
    // with the source on the normal: each well turns the sound by
    // 2 pi (n^2 mod N) / N, and the sum of those N phases has magnitude
    // sqrt(N), so straight back the panel returns N w^2 of the flat
    // footprint's (N w)^2, whatever the number of periods.
    struct Row {
        const char* name;
        int n;
        int periods;
    };
    const Row rows[] = {{"N 7, one period", 7, 1},
                        {"N 7, four periods", 7, 4},
                        {"N 11, one period", 11, 1},
                        {"N 13, three periods", 13, 3}};
    constexpr double wavelength_mm = 344;  // 1000 Hz at 344 m/s
    for (const Row& row : rows) {
        std::vector<double> depths;
        for (int i = 0; i < row.n; ++i) {
            depths.push_back((i * i % row.n) * wavelength_mm / (2.0 * row.n));
        }
        const Surface surface = surface_of_depths(depths, 40, 0, row.periods);
        const Result<ResponseView> computed =
            response_view(surface, {1000, 0, 344}, std::nullopt);
        ASSERT_TRUE(computed) << row.name;
        ResponseView view = *computed;
        view.common_reference = true;
        const std::vector<double> drawn = drawn_levels_db(view);
        const std::size_t normal = drawn.size() / 2;
        ASSERT_EQ(view.plot_angles_deg[normal], 0) << row.name;
        EXPECT_NEAR(drawn[normal], -10 * std::log10(row.n), 1e-6) << row.name;
        // Each curve against its own peak, the flat panel is loudest there.
        EXPECT_NEAR(view.flat_levels_db[normal], 0, 1e-9) << row.name;
        view.common_reference = false;
        EXPECT_EQ(drawn_levels_db(view), view.levels_db) << row.name;
    }
}

TEST(ResponseProperties, RefusesWhatItCannotEvaluate) {
    const Surface good = surface_of_depths(n7_depths, 50, 5, 2);
    struct SurfaceRow {
        const char* name;
        Surface surface;
    };
    Surface outside = good;
    outside.wells.back().centre_mm = 380;
    Surface no_width = good;
    no_width.wells[2].width_mm = 0;
    Surface nan_depth = good;
    nan_depth.wells[1].depth_mm = std::nan("");
    Surface no_periods = good;
    no_periods.periods = 0;
    const SurfaceRow bad_surfaces[] = {{"well beyond its period", outside},
                                       {"zero width", no_width},
                                       {"depth not a number", nan_depth},
                                       {"no periods", no_periods},
                                       {"no footprint", surface_of_depths({}, 50, 5, 1)}};
    for (const SurfaceRow& row : bad_surfaces) {
        const Result<ArcResponse> r = iso_response(row.surface, {1000, 0, 344});
        EXPECT_EQ(r.message(), surface_error_text) << row.name;
        EXPECT_FALSE(band_table(row.surface, 0).ok()) << row.name;
    }

    const Sound bad_sounds[] = {
        {0, 0, 344},  {-5, 0, 344},           {1000, 90.5, 344},         {1000, -91, 344},
        {1000, 0, 0}, {std::nan(""), 0, 344}, {1000, std::nan(""), 344}, {INFINITY, 0, 344}};
    for (const Sound& s : bad_sounds) {
        EXPECT_EQ(iso_response(good, s).message(), sound_error_text)
            << s.frequency_hz << " " << s.source_angle_deg << " " << s.speed_m_s;
    }
    EXPECT_TRUE(iso_response(good, {1000, -90, 344}).ok());
    // Without fins the last well ends on the period's edge; in floating point
    // 16.5 x 189.18 + 94.59 comes out a hair beyond 17 x 189.18.
    const Surface edge_to_edge = surface_of_depths(std::vector<double>(17, 10.0), 189.18, 0, 1);
    EXPECT_GT(edge_to_edge.wells.back().centre_mm + 189.18 / 2, edge_to_edge.period_mm);
    EXPECT_TRUE(iso_response(edge_to_edge, {1000, 0, 344}).ok());
    EXPECT_FALSE(band_table(good, 0, -344).ok());
}

}  // namespace
}  // namespace welkin
