#include "lobes/analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/analysis.h"
#include "core/sequence.h"

namespace welkin {
namespace {

// A standard panel as the recompute leaves it, the well width typed by hand.
Design design(int n, double f0, double well, double fin, UnitMode mode = UnitMode::metric) {
    Design d;
    d.well_count = n;
    generate_sequence(d);
    d.design_freq_hz = f0;
    d.design_half_wavelength_mm = half_wavelength_from_freq(f0);
    d.deepest_well_mm = deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
    d.fin_width_mm = fin;
    d.well_width_mm = d.well_width_shown_mm = well;
    d.unit_mode = mode;
    d.mnu_autowells = false;
    rate_design(d, analyse_widths(d));
    return d;
}

LobeAnalysis analysed(Design d, const std::string& angle, bool lobes_mode = true) {
    const LobeOutcome out = analyse_lobes(d, angle, lobes_mode);
    EXPECT_EQ(out.error, "");
    return out.analysis.value_or(LobeAnalysis{});
}

std::vector<bool> active_flags(const LobeAnalysis& a) {
    std::vector<bool> flags;
    for (const TrueMultiple& t : true_multiples(a)) flags.push_back(t.active);
    return flags;
}

// N 7, 500 Hz, 50 mm wells, 5 mm fins: a 385 mm period.
Design worked() {
    return design(7, 500, 50, 5);
}

TEST(LobeAnalysis, WorkedExample) {
    struct Row {
        const char* angle;
        std::vector<double> varying;  // hf_angle (the top of the range too), lobe start
        std::vector<bool> active;     // true multiples 500, 1000, ...
        std::string Label4, Label5, Label8;
    };
    const std::vector<Row> rows = {
        {"0",
         {3440, 893},
         {false, true, true, true, true, true},
         "QRD HF cutoff for signal at  0 degrees drops to  3440 Hz",
         "Usable frequency range  446 Hz to  3440 Hz",
         "First lobes for signal at  0 degrees  893 Hz"},
        {"30",
         {2979, 595},
         {false, true, true, true, true},
         "QRD HF cutoff for signal at  30 degrees drops to  2979 Hz",
         "Usable frequency range  446 Hz to  2979 Hz",
         "First lobes for signal at  30 degrees  595 Hz"},
        {"-30",
         {2979, 595},
         {false, true, true, true, true},
         "QRD HF cutoff for signal at -30 degrees drops to  2979 Hz",
         "Usable frequency range  446 Hz to  2979 Hz",
         "First lobes for signal at -30 degrees  595 Hz"},
        // sin(30 x 0.0174532925) falls just short of a half.
        {"60",
         {1719, 478},
         {false, true, true},
         "QRD HF cutoff for signal at  60 degrees drops to  1719 Hz",
         "Usable frequency range  446 Hz to  1719 Hz",
         "First lobes for signal at  60 degrees  478 Hz"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.angle);
        Design d = worked();
        ASSERT_EQ(d.period_width_mm, 385);
        d.lowest_diffusion_hz = 0;
        const LobeAnalysis a = analyse_lobes(d, row.angle, true).analysis.value();
        EXPECT_EQ(d.lowest_diffusion_hz, 893);
        EXPECT_EQ((std::vector{a.hf_angle_hz, a.lobe_start_hz}), row.varying);
        EXPECT_EQ((std::vector{a.hf_zero_hz, a.f_period_hz, a.half_design_hz, a.usable_low_hz,
                               a.lowest_diffusion_hz, a.revised_seat_mm, a.usable_high_hz,
                               a.plate_freq_hz}),
                  (std::vector<double>{3440, 893, 250, 446, 893, 1155, row.varying[0], 3500}));
        EXPECT_TRUE(a.usable);
        EXPECT_NEAR(a.x_offset + a.x_per_hz * 893, 0, 1e-9);
        EXPECT_NEAR(a.x_offset + a.x_per_hz * 3440, 1000, 1e-9);
        EXPECT_EQ(a.first_true_multiple, 2);
        EXPECT_EQ(a.last_true_multiple, static_cast<int>(row.active.size()));
        EXPECT_EQ(active_flags(a), row.active);
        const LobeTexts t = result_texts(a);
        EXPECT_EQ((std::vector{t.Label4, t.lbl_newseat, t.Label5, t.Label10, t.Label7, t.Label9,
                               t.Label8, t.Label6}),
                  (std::vector<std::string>{
                      row.Label4, "Diffusion @ 893 Hz Revised seating distance 1.15m", row.Label5,
                      "Plate frequency  3500 Hz", "Design frequency  500 Hz",
                      "QRD HF cutoff for signal at zero degrees  3440 Hz", row.Label8,
                      "f_period  893 Hz"}));
    }
}

TEST(LobeAnalysis, SeatingDistanceInEachUnitMode) {
    // 1155 mm is 45.47 inches cut to hundredths; .47 is nearest to 1/2.
    const std::vector<std::pair<UnitMode, std::string>> rows = {
        {UnitMode::metric, " 1.15m"},
        {UnitMode::inches, "3' 9 1/2 inches"},
        {UnitMode::decimalinches, " 45.47 inches"}};
    for (const auto& [mode, seat] : rows) {
        EXPECT_EQ(result_texts(analysed(design(7, 500, 50, 5, mode), "0")).lbl_newseat,
                  "Diffusion @ 893 Hz Revised seating distance" + seat);
    }
}

TEST(LobeAnalysis, AngleTextIsReadAsItsValueAndCheckedInclusively) {
    const std::vector<std::pair<std::string, double>> accepted = {
        {"abc", 0}, {"", 0}, {" 1e5", 1}, {"- 45", -45}, {"90", 90}, {"-90", -90}};
    for (const auto& [text, angle] : accepted) {
        EXPECT_EQ(analysed(worked(), text).angle_deg, angle) << text;
    }
    for (const std::string& text : std::vector<std::string>{
             "90.001", "-90.001", "+91", std::string(400, '9'), "-" + std::string(400, '9')}) {
        Design d = worked();
        d.lowest_diffusion_hz = -1;
        const LobeOutcome out = analyse_lobes(d, text, true);
        EXPECT_EQ(out.error, "Angle of incidence must be between 90 degrees and -90 degrees");
        EXPECT_FALSE(out.analysis.has_value());
        EXPECT_EQ(d.lowest_diffusion_hz, -1);
    }
}

TEST(LobeAnalysis, GrazingSignalLeavesNoUsableRange) {
    // sin(theta) rounds to exactly +-1, so first-order lobes need f_period / f < 2.
    // With 4 mm fins f_period is 910, and at 455 Hz a lobe would graze exactly.
    struct Row {
        const char* angle;
        Design d;
        double lobe_start;
    };
    for (const Row& row :
         {Row{"90", worked(), 446}, Row{"-90", worked(), 446},
          Row{"90", design(7, 500, 50, 4), 455}, Row{"-90", design(7, 500, 50, 4), 455}}) {
        const LobeAnalysis a = analysed(row.d, row.angle);
        EXPECT_EQ(a.lobe_start_hz, row.lobe_start) << row.angle;
        EXPECT_EQ(a.hf_angle_hz, 0);
        EXPECT_EQ(a.usable_high_hz, 0);
        EXPECT_FALSE(a.usable);
        EXPECT_EQ(result_texts(a).Label5, "There is no usable working range");
        EXPECT_TRUE(true_multiples(a).empty());
    }
}

TEST(LobeAnalysis, OppositeAnglesMirrorTheLobes) {
    const LobeAnalysis up = analysed(worked(), "30");
    const LobeAnalysis down = analysed(worked(), "-30");
    // At f_period the first order leaves at sin(phi) = 1 - sin 30.
    const LobeDirection first = lobe_direction(up, 893, 1);
    EXPECT_NEAR(first.phi, 0.5235987756, 1e-8);
    EXPECT_NEAR(first.y, -50, 1e-6);
    EXPECT_NEAR(first.z, 86.6025404, 1e-6);
    EXPECT_EQ(lobe_direction(up, 893, -1).state, LobeState::absent);
    const LobeDirection specular = lobe_direction(up, 893, 0);
    EXPECT_NEAR(specular.y, 50, 1e-6);
    EXPECT_NEAR(specular.z, 86.6025404, 1e-6);

    for (double f = up.hf_zero_hz; f >= up.lobe_start_hz; f -= 7) {
        for (int m = -7; m <= 7; ++m) {
            const LobeDirection u = lobe_direction(up, f, m);
            const LobeDirection d = lobe_direction(down, f, -m);
            ASSERT_EQ(u.state, d.state) << f << ' ' << m;
            EXPECT_DOUBLE_EQ(u.phi, -d.phi);
            EXPECT_DOUBLE_EQ(u.y, -d.y);
            EXPECT_DOUBLE_EQ(u.z, d.z);
        }
    }
}

TEST(LobeAnalysis, RangeEndsForOtherDesigns) {
    struct Row {
        const char* name;
        Design d;
        // f_period, usable low and high, lowest diffusion, seat, first and last true multiple
        std::vector<double> expected;
        std::string Label5, newseat;
    };
    const std::vector<Row> rows = {
        // 1500 Hz plate under a 3440 Hz cutoff; f_period 2084 is above every active limit.
        {"plate below both cutoffs",
         design(3, 500, 50, 5),
         {2084, 1042, 1500, 2084, 495, -1, -1},
         "Usable frequency range  1042 Hz to  1500 Hz",
         "Diffusion @ 2084 Hz Revised seating distance .49m"},
        // A 735 mm period: f_period 468 under the design frequency.
        {"f_period below design",
         design(7, 500, 100, 5),
         {468, 250, 1720, 500, 2064, 1, 3},
         "Usable frequency range  250 Hz to  1720 Hz",
         "Diffusion @ 500 Hz Revised seating distance 2.06m"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LobeAnalysis a = analysed(row.d, "0");
        EXPECT_EQ(
            (std::vector{a.f_period_hz, a.usable_low_hz, a.usable_high_hz, a.lowest_diffusion_hz,
                         a.revised_seat_mm, static_cast<double>(a.first_true_multiple),
                         static_cast<double>(a.last_true_multiple)}),
            row.expected);
        EXPECT_EQ(result_texts(a).Label5, row.Label5);
        EXPECT_EQ(result_texts(a).lbl_newseat, row.newseat);
    }
}

TEST(LobeAnalysis, ExplorerSkipsTheLobeStart) {
    const LobeAnalysis lobes = analysed(worked(), "30", true);
    const LobeAnalysis explorer = analysed(worked(), "30", false);
    EXPECT_EQ(explorer.lobe_start_hz, 0);
    // Every multiple from f_period to the top of the range.
    EXPECT_EQ(active_flags(explorer), (std::vector<bool>{false, true, true, true, true}));
    EXPECT_EQ(explorer.first_true_multiple, 2);
    EXPECT_EQ(explorer.last_true_multiple, 5);
    EXPECT_EQ(result_texts(explorer).Label8, "");
    EXPECT_EQ(result_texts(explorer).Label5, result_texts(lobes).Label5);
}

TEST(LobeDirection, OrdersAtTheSineBounds) {
    const double g = 1.57079633;
    struct Row {
        double angle, f_period, f;
        int m;
        LobeState state;
        double phi, y;
    };
    // At 0 degrees s = m x f_period / f, chosen to land exactly on each bound.
    const std::vector<Row> rows = {
        {0, 9998, 10000, 1, LobeState::exists, std::asin(0.9998), -99.98},
        {0, 9998, 10000, -1, LobeState::exists, -std::asin(0.9998), 99.98},
        {0, 9999, 10000, 1, LobeState::near_grazing, g, 0},
        {0, 9999, 10000, -1, LobeState::near_grazing, -g, 0},
        {0, 9999, 20000, 2, LobeState::near_grazing, g, 0},
        {0, 101, 100, 1, LobeState::near_grazing, g, 0},
        {0, 101, 100, -1, LobeState::near_grazing, -g, 0},
        {0, 1011, 1000, 1, LobeState::absent, g, 0},
        {0, 1011, 1000, -1, LobeState::absent, -g, 0},
        {0, 1, 0, 1, LobeState::absent, g, 0},
        // The stored angle keeps the order's sign even where the sine is positive.
        {-90, 1, 100000, -1, LobeState::near_grazing, -g, 0},
        {90, 893, 500, 0, LobeState::exists, -1.570796325, 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.f_period << '/' << row.f << " m " << row.m);
        LobeAnalysis a;
        a.theta = row.angle * 0.0174532925;
        a.f_period_hz = row.f_period;
        const LobeDirection dir = lobe_direction(a, row.f, row.m);
        EXPECT_EQ(dir.state, row.state);
        EXPECT_NEAR(dir.phi, row.phi, 1e-12);
        EXPECT_NEAR(dir.y, row.y, 1e-9);
    }
}

TEST(LobeAnalysis, DamagedDesignsAreRefused) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::pair<const char*, void (*)(Design&)>> damage = {
        {"no well width", [](Design& d) { d.well_width_mm = 0; }},
        {"NaN well width", [](Design& d) { d.well_width_mm = nan; }},
        {"no period", [](Design& d) { d.period_width_mm = 0; }},
        {"no design frequency", [](Design& d) { d.design_freq_hz = 0; }},
        {"no wells", [](Design& d) { d.well_count = 0; }},
        {"wells wider than any cutoff", [](Design& d) { d.well_width_mm = 200000; }},
    };
    for (const auto& [name, spoil] : damage) {
        Design d = worked();
        spoil(d);
        d.lowest_diffusion_hz = -1;
        const LobeOutcome out = analyse_lobes(d, "0", true);
        EXPECT_EQ(out.error, lobe_design_error_text) << name;
        EXPECT_EQ(d.lowest_diffusion_hz, -1);
    }
    LobeAnalysis a;  // no design frequency: no multiples, and no endless count
    a.hf_angle_hz = 1e300;
    EXPECT_TRUE(true_multiples(a).empty());
}

}  // namespace
}  // namespace welkin
