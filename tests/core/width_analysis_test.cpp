#include "core/width_analysis.h"

#include "core/design_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "core/sequence.h"

namespace welkin {
namespace {

using enum UnitMode;

// A standard panel (shallowest well 0) under the frequency lock, analysed as the recompute does.
auto analysed(int n, double f0, double fin, double well, UnitMode mode = metric,
              bool autowells = false) {
    Design d;
    d.well_count = n;
    d.design_freq_hz = f0;
    d.design_half_wavelength_mm = half_wavelength_from_freq(f0);
    d.fin_width_mm = fin;
    d.well_width_mm = well;
    d.unit_mode = mode;
    d.auto_well_width = autowells;
    const DesignResults results = rate_design(d, analyse_widths(d, panel_sequence(d)), well);
    return std::tuple{d, results, describe_design(d, results)};
}

const std::string crlf2 = "\r\n\r\n";

// The tiles (period, viscous, range, plate): g good, d doubtful, b bad; ! for a tile
// whose colour is not its verdict's.
std::string tiles(const DesignTexts& r) {
    const Rgb colours[] = {rgb_score_good, rgb_score_doubtful, rgb_score_bad};
    std::string s;
    for (std::size_t i = 0; i < r.verdicts.size(); ++i) {
        const auto v = static_cast<std::size_t>(r.verdicts[i]);
        s += std::string(1, "gdb"[v]) + (r.tile_colours[i] == colours[v] ? "" : "!");
    }
    return s;
}

TEST(Analysis, WorkedExample) {
    const auto [d, res, r] = analysed(7, 500, 0, 50);
    // The texts carry the other numbers. The viscous minimum is 22 before its floor of 25.
    EXPECT_EQ((std::array{res.widths.viscous_min_width_mm, res.seating_distance_mm}),
              (std::array{25.0, 1050.0}));
    EXPECT_EQ(tiles(r), "bggg");
    const ScorecardTexts& c = r.scorecard;
    EXPECT_EQ(
        (std::array{c.period_headline, c.period_consequence, c.viscous_headline,
                    c.viscous_consequence, c.plate_message, c.range_headline, r.range_note,
                    c.true_diffusion, c.strategy_heading, c.strategy_line, c.heading, r.cutoffs,
                    r.seating_distance, r.period_width, r.well_width_caption}),
        (std::array<std::string, 15>{
            "Period width of  350mm is less than the design wavelength of  690 mm",
            "Lowest diffusion frequency will be higher than design frequency. Well width to fix "
            "is  99 mm",
            "The well width is large enough to avoid viscous losses", "",
            "Plate frequency of  3500 hz is higher than HF cutoff of  3440 hz, so it has no effect",
            "The HF cutoff frequency of  3440 hz is  6.8 times the design frequency of  500 hz", "",
            "True diffusion frequencies:   1000   1500   2000   2500   3000 hz",
            "Current strategy for recommending well width of  99mm:",
            "Recommend well width so that period width is greater than design wavelength",
            "The current well width of  50mm produces the following consequences...",
            "Scatter 491 Hz   Diffuse 982 Hz   HF cutoff 3440 Hz",
            "Minimum distance to seating position  1.05m", "Period width  350 mm",
            "Recommended well width  99mm"}));
    EXPECT_EQ(r.score_summary, "Poor result: " + c.period_headline + " - " + c.period_consequence +
                                   crlf2 + "Good result: " + c.viscous_headline + crlf2 +
                                   "Good result: " + c.plate_message + crlf2 +
                                   "Good result: " + c.range_headline + crlf2 + c.true_diffusion +
                                   crlf2 + c.strategy_heading + " " + c.strategy_line + crlf2);

    // The drawing and its label follow the field, the ratings the stored width.
    const DesignResults typed = rate_design(d, res.widths, 50.4);
    EXPECT_EQ(describe_design(d, typed).period_width, "Period width  352.8 mm");
    EXPECT_EQ(typed.period_width_mm, 350);

    // The well width caption, the period headline and the seating distance in the inch modes.
    const auto [di, resi, ri] = analysed(7, 500, 0, 50, inches);
    const auto [dd, resd, rd] = analysed(7, 500, 0, 50, decimalinches);
    const std::array<std::string, 6> in_inches = {
        "Recommended well width 3 7/8 inches",
        "Period width of 1' 1 3/4 inches is less than the design wavelength of 2' 3 3/16 inches",
        "Minimum distance to seating position 3' 5 5/16 inches",
        "Recommended well width  3.89 inches",
        "Period width of  13.77 inches is less than the design wavelength of  27.16 inches",
        "Minimum distance to seating position  41.33 inches"};
    EXPECT_EQ(
        (std::array{ri.well_width_caption, ri.scorecard.period_headline, ri.seating_distance,
                    rd.well_width_caption, rd.scorecard.period_headline, rd.seating_distance}),
        in_inches);
}

TEST(RateDesign, RatingsAtTheirBoundaries) {
    // The summary's line for the usable range, with its ending.
    const auto range = [](std::string rating, const char* cutoff_and_ratio, const char* f0,
                          const std::string& end) {
        return rating + " result: The HF cutoff frequency of  " + cutoff_and_ratio +
               " times the design frequency of  " + f0 + " hz" + end;
    };
    const std::string limited = " - Panel frequency range is limited\r\nTrue";
    const std::string below = " - HF cutoff is less than design frequency\r\nTrue";
    // N 5 at 500 Hz: the design wavelength is 690 mm = 5 x (10 + 128), the viscous minimum
    // 25 mm. N 7 at 500 Hz: plate 3500 Hz, cutoff Int(172000 / well); a note ends with one
    // CR LF. N 5 at 860 Hz: plate 4300 Hz, which a 40 mm well reaches exactly.
    struct Row {
        const char* name;
        int n;
        double f0, fin, well;
        UnitMode mode;
        std::string tiles, lines;  // the tiles and lines of the summary with their endings
    };
    const Row rows[] = {
        {"period just wide enough", 5, 500, 10, 128, metric, "ggdg",
         "Good result: Period width of  690mm is not less than the design wavelength of  690 "
         "mm\r\n\r\n"},
        {"period a millimetre short", 5, 500, 10, 127, metric, "bgdg",
         "Poor result: Period width of  685mm is less than the design wavelength of  690 mm - "
         "Lowest diffusion frequency will be higher than design frequency. Well width to fix is  "
         "129 mm\r\n\r\n"},
        {"wells at the viscous minimum", 5, 500, 0, 25, metric, "bgdd",
         "Good result: The well width is large enough to avoid viscous losses\r\n\r\n"},
        {"wells under the viscous minimum", 5, 500, 0, 24, metric, "bbdd",
         "Poor result: The well width less than the minimum 25mm to avoid viscous losses - Serious "
         "viscous losses may be encountered\r\n\r\n"},
        {"viscous minimum in inches", 5, 500, 0, 24, inches, "bbdd",
         "Poor result: The well width less than the minimum 1inch to avoid viscous losses - "
         "Serious viscous losses may be encountered\r\n\r\n"},
        {"cutoff three times the design", 7, 500, 0, 114, metric, "gggg",
         range("Good", "1508 hz is  3", "500", crlf2)},
        {"cutoff just under three times", 7, 500, 0, 115, metric, "ggdg",
         range("Questionable", "1495 hz is  2.9", "500", limited)},
        {"cutoff at the design frequency", 7, 500, 0, 344, metric, "ggdg",
         range("Questionable", "500 hz is  1", "500", limited)},
        {"cutoff below the design frequency", 7, 500, 0, 345, metric, "ggbg",
         range("CRITICAL", "498 hz is  .9", "500", below)},
        {"plate above the cutoff", 5, 860, 0, 39, metric, "bgdd",
         range("Questionable", "4300 hz is  5", "860", crlf2)},
        // True diffusion counts both ends: 1720 Hz, whose wavelength is the period, and the cutoff.
        {"plate equal to the cutoff", 5, 860, 0, 40, metric, "bgdd",
         "Questionable result: Plate frequency of  4300 hz is less than theoretical HF cutoff of  "
         "4300 hz, so becomes the new upper limit\r\n\r\n" +
             range("Questionable", "4300 hz is  5", "860", crlf2) +
             "True diffusion frequencies:   1720   2580   3440   4300 hz\r\n"},
        {"plate below the cutoff", 5, 860, 0, 41, metric, "bggg",
         range("Good", "4195 hz is  4.8", "860", crlf2)},
        {"no width: the plate stands in for the cutoff", 7, 500, 0, 0, metric, "bbdd",
         range("Questionable", "3500 hz is  7", "500", crlf2)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto [d, res, r] = analysed(row.n, row.f0, row.fin, row.well, row.mode);
        EXPECT_EQ(tiles(r), row.tiles);
        EXPECT_THAT(r.score_summary, testing::HasSubstr(row.lines));
    }
}

TEST(AnalyseWidths, TheWiderRuleWinsAndNamesTheStrategy) {
    // 200 Hz: the viscous minimum is Int(861 / 16 + 1) = 54, the period fix 247 - fin; a tie
    // goes to the period.
    struct Row {
        const char* name;
        double fin;
        UnitMode mode;
        bool autowells;
        std::string caption, heading, line;
    };
    const Row rows[] = {
        {"a tie goes to the period", 193, metric, false, "Recommended well width  54mm",
         "Current strategy for recommending well width of  54mm:",
         "Recommend well width so that period width is greater than design wavelength"},
        {"viscous wins, auto wells", 194, metric, true, "Auto Well width in mm",
         "Current auto-well strategy:",
         "Auto-adjust well width so that wells are at least 54mm wide to minimise viscous losses "},
        {"viscous wins, in inches", 194, inches, true, "Auto Well width in inches",
         "Current auto-well strategy:",
         "Auto-adjust well width so that wells are at least 2 1/8 inches wide to minimise viscous "
         "losses "}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto [d, res, r] = analysed(7, 200, row.fin, 60, row.mode, row.autowells);
        EXPECT_EQ(res.widths.recommended_width_mm, 54);
        EXPECT_EQ((std::array{r.well_width_caption, r.scorecard.strategy_heading,
                              r.scorecard.strategy_line}),
                  (std::array{row.caption, row.heading, row.line}));
    }
}

}  // namespace
}  // namespace welkin
