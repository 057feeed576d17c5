#include "lobes/lobe_analysis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "core/design.h"

namespace welkin {
namespace {

// A 500 Hz panel: its period is N x (fin + well) and its plate frequency N x 500 Hz. The
// defaults are the worked example: N 7, 50 mm wells and 5 mm fins, a 385 mm period.
LobeInputs design(int n = 7, double well = 50, double fin = 5, UnitMode mode = UnitMode::metric) {
    return {.well_count = n,
            .design_freq_hz = 500,
            .well_width_mm = well,
            .period_width_mm = n * (fin + well),
            .plate_freq_hz = n * 500.0,
            .unit_mode = mode};
}

// The angle as the window's field gives it.
Result<LobeAnalysis> analyse(const LobeInputs& in, std::string_view angle, bool lobes_mode = true) {
    return analyse_lobes(in, read_signal_angle(angle), lobes_mode);
}

LobeAnalysis analysed(const LobeInputs& in, const std::string& angle, bool lobes_mode = true) {
    const Result<LobeAnalysis> out = analyse(in, angle, lobes_mode);
    EXPECT_EQ(out.message(), "");
    return out.value_or(LobeAnalysis{});
}

// The true multiples 500, 1000, ... Hz: 1 for an active one, 0 for the others.
std::string active(const LobeAnalysis& a) {
    std::string flags;
    for (const TrueMultiple& t : true_multiples(a)) flags += t.active ? '1' : '0';
    return flags;
}

TEST(LobeAnalysis, WorkedExample) {
    // Angle, true multiples, and the ends of the HF cutoff at the angle, the usable range and
    // the first lobes before " Hz": the numbers
    // that vary with the angle. sin(30 x 0.0174532925) falls just short of a half.
    const std::string rows[][5] = {
        {"0", "011111", "  0 degrees drops to  3440", " 446 Hz to  3440", "  0 degrees  893"},
        {"30", "01111", "  30 degrees drops to  2979", " 446 Hz to  2979", "  30 degrees  595"},
        {"-30", "01111", " -30 degrees drops to  2979", " 446 Hz to  2979", " -30 degrees  595"},
        {"60", "011", "  60 degrees drops to  1719", " 446 Hz to  1719", "  60 degrees  478"},
    };
    for (const auto& [angle, flags, hf_angle, usable, first_lobes] : rows) {
        SCOPED_TRACE(angle);
        const LobeAnalysis a = analyse(design(), angle, true).value();
        EXPECT_EQ(a.lowest_diffusion_hz, 893);
        EXPECT_EQ((std::array{a.half_design_hz, a.revised_seat_mm}), (std::array{250.0, 1155.0}));
        EXPECT_NEAR(a.x_offset + a.x_per_hz * 893, 0, 1e-9);
        EXPECT_NEAR(a.x_offset + a.x_per_hz * 3440, 1000, 1e-9);
        EXPECT_EQ(active(a), flags);
        EXPECT_EQ(a.first_true_multiple, 2);
        EXPECT_EQ(a.last_true_multiple, static_cast<int>(flags.size()));
        const LobeTexts t = result_texts(a);
        EXPECT_EQ(
            (std::array{t.hf_cutoff_at_angle, t.revised_seating, t.usable_range, t.plate_frequency,
                        t.design_frequency, t.hf_cutoff_at_zero, t.first_lobes, t.f_period}),
            (std::array<std::string, 8>{
                "QRD HF cutoff for signal at" + hf_angle + " Hz",
                "Diffusion @ 893 Hz Revised seating distance 1.15m",
                "Usable frequency range " + usable + " Hz", "Plate frequency  3500 Hz",
                "Design frequency  500 Hz", "QRD HF cutoff for signal at zero degrees  3440 Hz",
                "First lobes for signal at" + first_lobes + " Hz", "f_period  893 Hz"}));
        // The explorer: no lobe start, and every multiple from f_period to the top of the range.
        const LobeAnalysis x = analysed(design(), angle, false);
        EXPECT_EQ(x.lobe_start_hz, 0);
        EXPECT_EQ(active(x), flags);
        EXPECT_EQ(result_texts(x).usable_range, result_texts(a).usable_range);
        EXPECT_EQ(result_texts(x).first_lobes, "");
    }
    // 1155 mm is 45.47 inches cut to hundredths; .47 is nearest to 1/2.
    for (const auto& [mode, seat] : {std::tuple{UnitMode::inches, "3' 9 1/2 inches"},
                                     std::tuple{UnitMode::decimalinches, " 45.47 inches"}}) {
        EXPECT_EQ(result_texts(analysed(design(7, 50, 5, mode), "0")).revised_seating,
                  "Diffusion @ 893 Hz Revised seating distance" + std::string(seat));
    }
}

TEST(LobeAnalysis, GrazingSignalLeavesNoUsableRange) {
    // sin(theta) rounds to exactly +-1, so first-order lobes need f_period / f < 2.
    // With 4 mm fins f_period is 910, and at 455 Hz a lobe would graze exactly.
    struct Row {
        const char* name;
        const char* angle;
        double fin, lobe_start;
    };
    const Row rows[] = {{"from the right", "90", 5, 446},
                        {"from the left", "-90", 5, 446},
                        {"a lobe grazing exactly, right", "90", 4, 455},
                        {"a lobe grazing exactly, left", "-90", 4, 455}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LobeAnalysis a = analysed(design(7, 50, row.fin), row.angle);
        EXPECT_EQ((std::array{a.lobe_start_hz, a.hf_angle_hz, a.usable_high_hz}),
                  (std::array{row.lobe_start, 0.0, 0.0}));
        EXPECT_EQ(result_texts(a).usable_range, "There is no usable working range");
        EXPECT_TRUE(true_multiples(a).empty());
    }
}

TEST(LobeAnalysis, OppositeAnglesMirrorTheLobes) {
    const LobeAnalysis up = analysed(design(), "30"), down = analysed(design(), "-30");
    for (double f = up.hf_zero_hz; f >= up.lobe_start_hz; f -= 7) {
        for (int m = -7; m <= 7; ++m) {
            const LobeDirection u = lobe_direction(up, f, m), d = lobe_direction(down, f, -m);
            ASSERT_EQ(std::tuple(u.state, u.phi, u.y, u.z), std::tuple(d.state, -d.phi, -d.y, d.z))
                << f << ' ' << m;
        }
    }
}

TEST(LobeAnalysis, RangeEndsForOtherDesigns) {
    struct Row {
        const char* name;
        LobeInputs d;
        double seat;
        std::string flags, usable, revised_seating, f_period;
    };
    const Row rows[] = {
        {"N 3: the plate below both cutoffs, f_period above every multiple", design(3), 495,
         "000000", "Usable frequency range  1042 Hz to  1500 Hz",
         "Diffusion @ 2084 Hz Revised seating distance .49m", "f_period  2084 Hz"},
        {"100 mm wells: f_period below the design frequency", design(7, 100), 2064, "111",
         "Usable frequency range  250 Hz to  1720 Hz",
         "Diffusion @ 500 Hz Revised seating distance 2.06m", "f_period  468 Hz"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LobeAnalysis a = analysed(row.d, "0");
        const LobeTexts t = result_texts(a);
        EXPECT_EQ((std::array{t.usable_range, t.revised_seating, t.f_period}),
                  (std::array{row.usable, row.revised_seating, row.f_period}));
        EXPECT_EQ(a.revised_seat_mm, row.seat);
        EXPECT_EQ(active(a), row.flags);
    }
}

TEST(LobeDirection, OrdersAtTheSineBounds) {
    using enum LobeState;
    const double g = 1.57079633;
    // Each is checked mirrored as well. At 0 degrees s = m x f_period / f, chosen to land
    // exactly on each bound; at 30 degrees f_period sends the first order out at
    // sin(phi) = 1 - sin 30.
    struct Row {
        const char* name;
        double angle, f_period, f;
        int m;
        LobeState state;
        double phi, y, z;
    };
    const Row rows[] = {
        {"just inside", 0, 9998, 10000, 1, exists, std::asin(0.9998), -99.98, 1.9999},
        {"on the bound", 0, 9999, 10000, 1, near_grazing, g, 0, 0},
        {"second order on the bound", 0, 9999, 20000, 2, near_grazing, g, 0, 0},
        {"just beyond, within the margin", 0, 101, 100, 1, near_grazing, g, 0, 0},
        {"beyond the margin", 0, 1011, 1000, 1, absent, g, 0, 0},
        {"no frequency", 0, 1, 0, 1, absent, g, 0, 0},
        {"oblique, first order", 30, 893, 893, 1, exists, 0.5235987756, -50, 86.6025404},
        {"oblique, the other side", 30, 893, 893, -1, absent, -g, 0, 0},
        {"the order's sign kept where the sine is positive", -90, 1, 100000, -1, near_grazing, -g,
         0, 0},
        {"grazing, specular", 90, 893, 500, 0, exists, -1.570796325, 100, 0},
    };
    for (const Row& row : rows) {
        for (const int sign : {1, -1}) {
            SCOPED_TRACE(testing::Message() << row.name << (sign < 0 ? ", mirrored" : ""));
            const LobeDirection dir = lobe_direction(
                {.theta = sign * row.angle * 0.0174532925, .f_period_hz = row.f_period}, row.f,
                sign * row.m);
            EXPECT_EQ(dir.state, row.state);
            EXPECT_THAT((std::array{dir.phi, dir.y, dir.z}),
                        testing::Pointwise(testing::DoubleNear(1e-6),
                                           {sign * row.phi, sign * row.y, row.z}));
        }
    }
}

// The sweep's shortcuts give exactly what lobe_direction gives: the tips'
// places and whether they exist, and the angles the steep lobes are judged
// by, for every order at frequencies across each state (none, beyond
// grazing, near it, in the sine bounds) and at 0 Hz and below.
TEST(LobeTips, AgreeWithLobeDirectionExactly) {
    const struct {
        const char* name;
        const char* angle;
    } rows[] = {{"square on", "0"}, {"30 degrees", "30"}, {"-60 degrees", "-60"}, {"grazing", "90"}};
    const double frequencies[] = {-100, 0, 1, 150, 333.3, 499, 500, 501, 1234.5, 3500, 9999};
    for (const auto& row : rows) {
        const LobeAnalysis a = analysed(design(), row.angle);
        const LobeTips tips(a);
        for (const double f : frequencies) {
            for (int m = -7; m <= 7; ++m) {
                const LobeDirection d = lobe_direction(a, f, m);
                const LobeTip t = tips.at(f, m);
                EXPECT_EQ(tips.angle(f, m), d.phi) << row.name << " " << f << " Hz order " << m;
                EXPECT_EQ(t.exists, d.state == LobeState::exists) << row.name << " " << f << " Hz order " << m;
                if (t.exists) {
                    EXPECT_NEAR(t.y, d.y, 1e-9) << row.name << " " << f << " Hz order " << m;
                    EXPECT_NEAR(t.z, d.z, 1e-9) << row.name << " " << f << " Hz order " << m;
                }
            }
        }
    }
}

TEST(LobeAnalysis, RefusalsAreFailuresWithTheirMessages) {
    const std::string angle = "Angle of incidence must be between 90 degrees and -90 degrees";
    const std::string damaged = std::string(lobe_design_error_text);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        double angle;
        void (*spoil)(LobeInputs&);
        std::string message;
    } rows[] = {
        {"just above 90", 90.001, nullptr, angle},
        {"just below -90", -90.001, nullptr, angle},
        {"not a number", nan, nullptr, angle},
        // The angle is checked first.
        {"both wrong", 95, [](LobeInputs& in) { in.well_width_mm = 0; }, angle},
        {"no wells' width", 0, [](LobeInputs& in) { in.well_width_mm = 0; }, damaged},
        {"no period", 0, [](LobeInputs& in) { in.period_width_mm = 0; }, damaged},
        {"no design frequency", 0, [](LobeInputs& in) { in.design_freq_hz = 0; }, damaged},
        {"no wells", 0, [](LobeInputs& in) { in.well_count = 0; }, damaged},
        {"102 wells", 0, [](LobeInputs& in) { in.well_count = 102; }, damaged},
        {"negative plate", 0, [](LobeInputs& in) { in.plate_freq_hz = -1; }, damaged},
        // 200 m wells cut off at 0 Hz, below f_period.
        {"cutoff below f_period", 0, [](LobeInputs& in) { in.well_width_mm = 200000; }, damaged},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LobeInputs in = design();
        if (row.spoil) row.spoil(in);
        const Result<LobeAnalysis> out = analyse_lobes(in, row.angle, true);
        EXPECT_FALSE(out.ok());
        EXPECT_EQ(out.message(), row.message);
    }
    // No design frequency: no multiples, and no endless count.
    EXPECT_TRUE(true_multiples({.hf_angle_hz = 1e300}).empty());
}

TEST(LobeAnalysis, ReadsTheAngleFieldAsItsTextValue) {
    struct Row {
        const char* name;
        const char* text;
        double angle;
        bool accepted;
    };
    const Row rows[] = {
        {"plain", "30", 30, true},          {"blanks inside are ignored", "- 3 0", -30, true},
        {"not a number reads 0", "abc", 0, true}, {"no exponent", "1e2", 1, true},
        {"grazing right", "90", 90, true},  {"grazing left", "-90", -90, true},
        {"blanks make it too steep", "9 5", 95, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(read_signal_angle(row.text), row.angle);
        const Result<LobeAnalysis> out = analyse(design(), row.text);
        EXPECT_EQ(out.ok(), row.accepted);
        EXPECT_EQ(out.value_or(LobeAnalysis{.angle_deg = 999}).angle_deg,
                  row.accepted ? row.angle : 999);
    }
}

}  // namespace
}  // namespace welkin
