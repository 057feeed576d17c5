// Whole 1D reports worked out by hand from the design rules.
#include "reports/report_1d.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

using ::testing::HasSubstr;

// The report's lines end in CR LF; the texts below are written with LF alone.
std::string crlf(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? "\r\n" : std::string(1, c);
    return out;
}

// The factory design: N 7, 600 Hz, fin 3 mm, auto wells. Half wavelength
// Int(172000 / 600 + 1) = 287, so one depth unit is 41 mm and the deepest
// well 4 x 41 = 164 mm; the period fix width Int(1 + 574 / 7 - 3) = 80 mm
// beats the viscous minimum of 25 mm and becomes the well width. Period
// 7 x 83 = 581 mm, HF cutoff Int(172000 / 80) = 2150 Hz, lowest diffusion
// max(600, Int(344000 / 581)) = 600 Hz, seating Int(1032000 / 600) = 1720 mm.
TEST(Report1d, FactoryDesignInMillimetres) {
    FakeHost host;
    MainForm form(host);
    reset_to_defaults(form);
    EXPECT_EQ(
        report_1d_text(form.snapshot()),
        crlf("Data for One Dimensional  QRD (Quadratic Residue) Diffuser\n\n"
             "Standard N7+0,0 Panel\n\nDesign frequency  600 hz\n\nNumber of wells:  7\n\n"
             "Deepest well in mm:  164\n\nFin width in mm: 3\n\nWidth of wells in mm:  80\n\n"
             "Ratios       0       1       4       2       2       4       1\n\n"
             "Well depths in mm:      0      41      164      82      82      164      41\n\n"
             "Block heights in mm:      164      123      0      82      82      0      123\n\n"
             "Phase shift in degrees       0       51       205       102       102       205"
             "       51\n\n"
             "Scatter 300 Hz   Diffuse 600 Hz   HF cutoff 2150 Hz\n\nPeriod width  581 mm\n\n"
             "Minimum distance to seating position  1.72m (3 times wavelength of lowest "
             "diffusion frequency)\n\n"
             "Good result: Period width of  581mm is not less than the design wavelength of "
             " 574 mm\n\n"
             "Good result: The well width is large enough to avoid viscous losses\n\n"
             "Good result: Plate frequency of  4200 hz is higher than HF cutoff of  2150 hz, "
             "so it has no effect\n\n"
             "Good result: The HF cutoff frequency of  2150 hz is  3.5 times the design "
             "frequency of  600 hz\n\n"
             "True diffusion frequencies:   600   1200   1800 hz\n\n"
             "Current auto-well strategy: Auto-adjust well width so that period width is "
             "greater than design wavelength\n\n\n"));
}

// N 5 inverse (5 4 1 1 4) under the 2D build lock: build depth 301 mm gives
// a half wavelength of 301 x 5 / 4 = 376.25 mm (75.25 mm per depth unit)
// and a deepest well of Int(376.75) = 376 mm. The deepest well's block
// height, 376 - 376.25, is below 1 mm and written as 0.
std::string inverse5(UnitMode mode, int well_count = 5) {
    Design d;
    d.well_count = well_count;
    d.inverse_panel = true;
    PanelSequence wells;
    wells.wells = {5, 4, 1, 1, 4, 5};
    d.design_half_wavelength_mm = 376.25;
    d.deepest_well_mm = 376;
    d.design_freq_hz = 458;
    d.unit_mode = mode;
    return report_1d_text(
        d, wells,
        {"Inverse N5-0,0 Panel", "3 7/8", "1/8", "1' 2 13/16",
         "Scatter 229 Hz   Diffuse 458 Hz   HF cutoff 1754 Hz", "Period width 1' 7 1/2 inches",
         "Minimum distance to seating position 7' 4 5/8 inches", "Good result: summary\r\n\r\n"});
}

// Depths 376.25, 301 and 75.25 mm are 14.81, 11.85 and 2.96 inches cut to
// hundredths; heights 75 and 300.75 mm are 2.95 and 11.84 inches.
TEST(Report1d, InversePanelInInches) {
    EXPECT_EQ(
        inverse5(UnitMode::inches),
        crlf("Data for One Dimensional  QRD (Quadratic Residue) Diffuser\n\n"
             "Inverse N5-0,0 Panel\n\nDesign frequency  458 hz\n\nNumber of wells:  5\n\n"
             "Deepest well in inches: 1' 2 13/16\n\nFin width in inches: 1/8\n\n"
             "Width of wells in inches: 3 7/8\n\n"
             "Ratios       5       4       1       1       4\n\n"
             "Well depths in inches:     1' 2 13/16     11 7/8     2 15/16     2 15/16     "
             "11 7/8\n\n"
             "Block heights in inches:     0     2 15/16     11 13/16     11 13/16     2 15/16"
             "\n\nPhase shift in degrees       360       288       72       72       288\n\n"
             "Scatter 229 Hz   Diffuse 458 Hz   HF cutoff 1754 Hz\n\n"
             "Period width 1' 7 1/2 inches\n\n"
             "Minimum distance to seating position 7' 4 5/8 inches (3 times wavelength of "
             "lowest diffusion frequency)\n\nGood result: summary\n\n\n"));
    EXPECT_THAT(inverse5(UnitMode::decimalinches),
                HasSubstr(crlf("\nWell depths in inches:      14.81      11.85      2.96      "
                               "2.96      11.85\n\nBlock heights in inches:      0      2.95      "
                               "11.84      11.84      2.95\n")));
}

TEST(Report1d, DamagedWellCountReadsNoFurtherThanTheSequence) {
    EXPECT_THAT(inverse5(UnitMode::metric, 0), HasSubstr(crlf("\nRatios\n\nWell depths in mm:\n")));
    const std::string text = inverse5(UnitMode::metric, 1000);
    EXPECT_THAT(text, HasSubstr("Ratios       5       4       1       1       4       5       0"));
    EXPECT_THAT(text, HasSubstr("\r\nNumber of wells:  1000\r\n"));
}

}  // namespace
}  // namespace welkin
