#include "core/analysis.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/sequence.h"

namespace welkin {
namespace {

struct Analysed {
    Design d;
    std::string note;
    DesignRating r;
};

// A standard panel under the frequency lock, analysed as the recompute does.
Analysed analysed(int n, double f0, double fin, double well, UnitMode mode = UnitMode::metric,
                  bool autowells = false) {
    Analysed a;
    Design& d = a.d;
    d.well_count = n;
    generate_sequence(d);
    d.design_freq_hz = f0;
    d.design_half_wavelength_mm = half_wavelength_from_freq(f0);
    d.deepest_well_mm = deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
    d.fin_width_mm = fin;
    d.well_width_mm = well;
    d.well_width_shown_mm = well;
    d.unit_mode = mode;
    d.mnu_autowells = autowells;
    a.note = analyse_widths(d);
    a.r = rate_design(d, a.note);
    return a;
}

const std::string crlf2 = "\r\n\r\n";

TEST(Analysis, WorkedExampleInMillimetres) {
    const auto [d, note, r] = analysed(7, 500, 0, 50);
    // The viscous minimum is 22 before its floor of 25.
    EXPECT_EQ((std::array{d.period_fix_width_mm, d.viscous_min_width_mm, d.recommended_width_mm,
                          d.period_width_mm, d.plate_freq_hz, d.hf_cutoff_hz, d.lowest_diffusion_hz,
                          d.seating_distance_mm}),
              (std::array{99.0, 25.0, 99.0, 350.0, 3500.0, 3440.0, 982.0, 1050.0}));
    EXPECT_FALSE(d.period_ok);
    EXPECT_EQ(label14_caption(d), "Recommended well width  99mm");
    EXPECT_EQ(r.lbl_score, (std::array{Rgb{209, 96, 80}, Rgb{115, 164, 110}, Rgb{115, 164, 110},
                                       Rgb{115, 164, 110}}));
    EXPECT_EQ(r.range_rating, "Good");

    const std::string note_text = "period width is greater than design wavelength";
    const std::string a_head =
        "Period width of  350mm is less than the design wavelength of  690 mm";
    const std::string a_cons =
        "Lowest diffusion frequency will be higher than design frequency. Well width to fix is  99 "
        "mm";
    const std::string b_head = "The well width is large enough to avoid viscous losses";
    const std::string c_text =
        "Plate frequency of  3500 hz is higher than HF cutoff of  3440 hz, so it has no effect";
    const std::string d_head =
        "The HF cutoff frequency of  3440 hz is  6.8 times the design frequency of  500 hz";
    const std::string true_text =
        "True diffusion frequencies:   1000   1500   2000   2500   3000 hz";
    const std::string heading = "Current strategy for recommending well width of  99mm:";
    const std::string line = "Recommend well width so that " + note_text;
    EXPECT_EQ(note, note_text);
    const ScorecardTexts& c = r.scorecard;
    EXPECT_EQ((std::array{c.Label3, c.Label6, c.Label4, c.Label8, c.Label10, c.Label5, r.range_note,
                          c.Label9, c.Label1, c.Label2}),
              (std::array<std::string, 10>{a_head, a_cons, b_head, "", c_text, d_head, "",
                                           true_text, heading, line}));
    EXPECT_EQ(c.Label7, "The current well width of  50mm produces the following consequences...");
    EXPECT_EQ(r.Label6, "Scatter 491 Hz   Diffuse 982 Hz   HF cutoff 3440 Hz");
    EXPECT_EQ(r.Label11, "Minimum distance to seating position  1.05m");
    EXPECT_EQ(r.Label13, "Period width  350 mm");
    EXPECT_EQ(r.score_summary, "Poor result: " + a_head + " - " + a_cons + crlf2 +
                                   "Good result: " + b_head + crlf2 + "Good result: " + c_text +
                                   crlf2 + "Good result: " + d_head + crlf2 + true_text + crlf2 +
                                   heading + " " + line + crlf2);

    // The drawing and its label follow the field; the ratings the stored width.
    Design typed = d;
    typed.well_width_shown_mm = 50.4;
    EXPECT_EQ(rate_design(typed, note).Label13, "Period width  352.8 mm");
    EXPECT_EQ(typed.period_width_mm, 350);
}

TEST(Analysis, WorkedExampleInInchModes) {
    struct Case {
        UnitMode mode;
        const char *label14, *label3, *label11, *label7;
    };
    const Case cases[] = {
        {UnitMode::inches, "Recommended well width 3 7/8 inches",
         "Period width of 1' 1 3/4 inches is less than the design wavelength of 2' 3 3/16 inches",
         "Minimum distance to seating position 3' 5 5/16 inches",
         "The current well width of 1 15/16 inches produces the following consequences..."},
        {UnitMode::decimalinches, "Recommended well width  3.89 inches",
         "Period width of  13.77 inches is less than the design wavelength of  27.16 inches",
         "Minimum distance to seating position  41.33 inches",
         "The current well width of  1.96 inches produces the following consequences..."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(unit_mode_text(c.mode));
        const auto [d, note, r] = analysed(7, 500, 0, 50, c.mode);
        EXPECT_EQ(label14_caption(d), c.label14);
        EXPECT_EQ(r.scorecard.Label3, c.label3);
        EXPECT_EQ(r.Label11, c.label11);
        EXPECT_EQ(r.scorecard.Label7, c.label7);
    }
}

TEST(AnalyseWidths, ViscousMinimumWinsOnlyWhenWider) {
    // 200 Hz: half wavelength 861, so the viscous minimum is Int(861 / 16 + 1) = 54
    // and the period needs 247 - fin.
    struct Case {
        double fin;
        UnitMode mode;
        double period_fix;
        const char* note;
    };
    const Case cases[] = {
        {193, UnitMode::metric, 54, "period width is greater than design wavelength"},
        {194, UnitMode::metric, 53, "wells are at least 54mm wide to minimise viscous losses "},
        {194, UnitMode::inches, 53,
         "wells are at least 2 1/8 inches wide to minimise viscous losses "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const Analysed a = analysed(7, 200, c.fin, 60, c.mode);
        EXPECT_EQ(a.d.period_fix_width_mm, c.period_fix);
        EXPECT_EQ(a.d.viscous_min_width_mm, 54);
        EXPECT_EQ(a.d.recommended_width_mm, 54);
        EXPECT_EQ(a.note, c.note);
    }
}

TEST(RateDesign, PeriodAndViscousBoundaries) {
    struct Case {
        double fin, well;
        UnitMode mode;
        std::size_t tile;
        Verdict verdict;
        const char *headline, *consequence;
    };
    const char* const serious = "Serious viscous losses may be encountered";
    const Case cases[] = {
        // N 5 at 500 Hz: the design wavelength is 690 mm = 5 x (10 + 128).
        {10, 128, UnitMode::metric, score_period, Verdict::good,
         "Period width of  690mm is not less than the design wavelength of  690 mm", ""},
        {10, 127, UnitMode::metric, score_period, Verdict::bad,
         "Period width of  685mm is less than the design wavelength of  690 mm",
         "Lowest diffusion frequency will be higher than design frequency. Well width to fix is  "
         "129 mm"},
        // The viscous minimum is 25 mm.
        {0, 25, UnitMode::metric, score_viscous, Verdict::good,
         "The well width is large enough to avoid viscous losses", ""},
        {0, 24, UnitMode::metric, score_viscous, Verdict::bad,
         "The well width less than the minimum 25mm to avoid viscous losses", serious},
        {0, 24, UnitMode::inches, score_viscous, Verdict::bad,
         "The well width less than the minimum 1inch to avoid viscous losses", serious}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headline);
        const auto [d, note, r] = analysed(5, 500, c.fin, c.well, c.mode);
        const bool period = c.tile == score_period;
        EXPECT_EQ(r.score_verdict[c.tile], c.verdict);
        EXPECT_EQ(period ? r.scorecard.Label3 : r.scorecard.Label4, c.headline);
        EXPECT_EQ(period ? r.scorecard.Label6 : r.scorecard.Label8, c.consequence);
        const std::string result = c.verdict == Verdict::good ? "Good result: " : "Poor result: ";
        const std::string tail = *c.consequence ? std::string(" - ") + c.consequence : "";
        EXPECT_NE(r.score_summary.find(result + c.headline + tail + crlf2), std::string::npos);
    }
}

TEST(RateDesign, UsableRangeRatings) {
    struct Case {
        int n;
        double f0, well;
        Verdict plate, range;
        const char *rating, *headline, *note;
    };
    const char* const limited = "Panel frequency range is limited";
    const Case cases[] = {
        // N 7 at 500 Hz: plate 3500 Hz, cutoff Int(172000 / well).
        {7, 500, 114, Verdict::good, Verdict::good, "Good",
         "The HF cutoff frequency of  1508 hz is  3 times the design frequency of  500 hz", ""},
        {7, 500, 115, Verdict::good, Verdict::doubtful, "Questionable",
         "The HF cutoff frequency of  1495 hz is  2.9 times the design frequency of  500 hz",
         limited},
        {7, 500, 344, Verdict::good, Verdict::doubtful, "Questionable",
         "The HF cutoff frequency of  500 hz is  1 times the design frequency of  500 hz", limited},
        {7, 500, 345, Verdict::good, Verdict::bad, "CRITICAL",
         "The HF cutoff frequency of  498 hz is  .9 times the design frequency of  500 hz",
         "HF cutoff is less than design frequency"},
        // N 5 at 860 Hz: plate 4300 Hz, which a 40 mm well reaches exactly.
        {5, 860, 39, Verdict::doubtful, Verdict::doubtful, "Questionable",
         "The HF cutoff frequency of  4300 hz is  5 times the design frequency of  860 hz", ""},
        {5, 860, 40, Verdict::doubtful, Verdict::doubtful, "Questionable",
         "The HF cutoff frequency of  4300 hz is  5 times the design frequency of  860 hz", ""},
        {5, 860, 41, Verdict::good, Verdict::good, "Good",
         "The HF cutoff frequency of  4195 hz is  4.8 times the design frequency of  860 hz", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headline);
        const auto [d, note, r] = analysed(c.n, c.f0, 0, c.well);
        EXPECT_EQ(r.score_verdict[score_plate], c.plate);
        EXPECT_EQ(r.score_verdict[score_range], c.range);
        EXPECT_EQ(r.range_rating, c.rating);
        EXPECT_EQ(r.scorecard.Label5, c.headline);
        EXPECT_EQ(r.range_note, c.note);
        // A note ends its line with one CR LF only.
        const std::string end = *c.note ? std::string(" - ") + c.note + "\r\n" : crlf2;
        EXPECT_NE(r.score_summary.find(std::string(c.rating) + " result: " + c.headline + end +
                                       "True diffusion frequencies:"),
                  std::string::npos);
    }
}

TEST(RateDesign, CutoffAtThePlateFrequency) {
    const auto [d, note, r] = analysed(5, 860, 0, 40);
    EXPECT_EQ(d.hf_cutoff_hz, 4300);
    EXPECT_EQ(r.scorecard.Label10,
              "Plate frequency of  4300 hz is less than theoretical HF cutoff of  4300 hz, so "
              "becomes the new upper limit");
    // Both ends count: 200 mm is the wavelength of 1720 Hz, and 4300 Hz is the cutoff.
    EXPECT_EQ(r.true_diffusion_text, "True diffusion frequencies:   1720   2580   3440   4300 hz");
}

TEST(RateDesign, AutoWellsStrategy) {
    const std::string line =
        "Auto-adjust well width so that period width is greater than design wavelength";
    for (const auto& [mode, label14] : {std::pair{UnitMode::metric, "Auto Well width in mm"},
                                        std::pair{UnitMode::inches, "Auto Well width in inches"}}) {
        SCOPED_TRACE(unit_mode_text(mode));
        const auto [d, note, r] = analysed(7, 500, 0, 99, mode, true);
        EXPECT_EQ(label14_caption(d), label14);
        EXPECT_EQ(r.scorecard.Label1, "Current auto-well strategy:");
        EXPECT_EQ(r.scorecard.Label2, line);
        EXPECT_TRUE(r.score_summary.ends_with("hz" + crlf2 + "Current auto-well strategy: " + line +
                                              crlf2));
    }
}

TEST(RateDesign, NoWidthAtAllStaysFinite) {
    const auto [d, note, r] = analysed(7, 500, 0, 0);
    EXPECT_EQ(d.hf_cutoff_hz, 3500);  // the plate frequency stands in
    EXPECT_EQ(d.lowest_diffusion_hz, 3500);
    EXPECT_EQ(d.seating_distance_mm, 294);
    EXPECT_EQ(r.true_diffusion_text, "True diffusion frequencies: hz");
    EXPECT_EQ(r.lbl_score, (std::array{Rgb{209, 96, 80}, Rgb{209, 96, 80}, Rgb{255, 192, 128},
                                       Rgb{255, 192, 128}}));
}

}  // namespace
}  // namespace welkin
