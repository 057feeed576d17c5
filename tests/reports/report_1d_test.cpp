// Whole 1D reports worked out by hand from the design rules.
#include "reports/report_1d.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "persist/startup.h"

namespace welkin {
namespace {

using ::testing::HasSubstr;

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
    const std::string expected =
        "Data for One Dimensional  QRD (Quadratic Residue) Diffuser\r\n\r\n"
        "Standard N7+0,0 Panel\r\n\r\n"
        "Design frequency  600 hz\r\n\r\n"
        "Number of wells:  7\r\n\r\n"
        "Deepest well in mm:  164\r\n\r\n"
        "Fin width in mm: 3\r\n\r\n"
        "Width of wells in mm:  80\r\n\r\n"
        "Ratios       0       1       4       2       2       4       1\r\n\r\n"
        "Well depths in mm:      0      41      164      82      82      164      41\r\n\r\n"
        "Block heights in mm:      164      123      0      82      82      0      123\r\n\r\n"
        "Phase shift in degrees       0       51       205       102       102       205       51"
        "\r\n\r\n"
        "Scatter 300 Hz   Diffuse 600 Hz   HF cutoff 2150 Hz\r\n\r\n"
        "Period width  581 mm\r\n\r\n"
        "Minimum distance to seating position  1.72m"
        " (3 times wavelength of lowest diffusion frequency)\r\n\r\n"
        "Good result: Period width of  581mm is not less than the design wavelength of  574 mm"
        "\r\n\r\n"
        "Good result: The well width is large enough to avoid viscous losses\r\n\r\n"
        "Good result: Plate frequency of  4200 hz is higher than HF cutoff of  2150 hz,"
        " so it has no effect\r\n\r\n"
        "Good result: The HF cutoff frequency of  2150 hz is  3.5 times the design frequency of"
        "  600 hz\r\n\r\n"
        "True diffusion frequencies:   600   1200   1800 hz\r\n\r\n"
        "Current auto-well strategy: Auto-adjust well width so that period width is greater than"
        " design wavelength\r\n\r\n"
        "\r\n";
    EXPECT_EQ(report_1d_text(form), expected);
}

// N 5 inverse (5 4 1 1 4) under the 2D build lock: build depth 301 mm gives
// a half wavelength of 301 x 5 / 4 = 376.25 mm (75.25 mm per depth unit)
// and a deepest well of Int(376.75) = 376 mm. The deepest well's block
// height, 376 - 376.25, is below 1 mm and written as 0.
Design inverse5(UnitMode mode) {
    Design d;
    d.well_count = 5;
    d.inverse_panel = true;
    d.well_seq = {5, 4, 1, 1, 4, 5};
    d.design_half_wavelength_mm = 376.25;
    d.deepest_well_mm = 376;
    d.design_freq_hz = 458;
    d.unit_mode = mode;
    return d;
}

const Report1dTexts inverse5_texts{
    .lbl_status = "Inverse N5-0,0 Panel",
    .Text3 = "3 7/8",
    .Text4 = "1/8",
    .Text5 = "1' 2 13/16",
    .Label6 = "Scatter 229 Hz   Diffuse 458 Hz   HF cutoff 1754 Hz",
    .Label13 = "Period width 1' 7 1/2 inches",
    .Label11 = "Minimum distance to seating position 7' 4 5/8 inches",
    .score_summary = "Good result: summary\r\n\r\n",
};

TEST(Report1d, InversePanelInInches) {
    // Depths 376.25, 301 and 75.25 mm are 14.81, 11.85 and 2.96 inches cut to
    // hundredths; heights 75 and 300.75 mm are 2.95 and 11.84 inches.
    const std::string expected =
        "Data for One Dimensional  QRD (Quadratic Residue) Diffuser\r\n\r\n"
        "Inverse N5-0,0 Panel\r\n\r\n"
        "Design frequency  458 hz\r\n\r\n"
        "Number of wells:  5\r\n\r\n"
        "Deepest well in inches: 1' 2 13/16\r\n\r\n"
        "Fin width in inches: 1/8\r\n\r\n"
        "Width of wells in inches: 3 7/8\r\n\r\n"
        "Ratios       5       4       1       1       4\r\n\r\n"
        "Well depths in inches:     1' 2 13/16     11 7/8     2 15/16     2 15/16     11 "
        "7/8\r\n\r\n"
        "Block heights in inches:     0     2 15/16     11 13/16     11 13/16     2 15/16\r\n\r\n"
        "Phase shift in degrees       360       288       72       72       288\r\n\r\n"
        "Scatter 229 Hz   Diffuse 458 Hz   HF cutoff 1754 Hz\r\n\r\n"
        "Period width 1' 7 1/2 inches\r\n\r\n"
        "Minimum distance to seating position 7' 4 5/8 inches"
        " (3 times wavelength of lowest diffusion frequency)\r\n\r\n"
        "Good result: summary\r\n\r\n"
        "\r\n";
    EXPECT_EQ(report_1d_text(inverse5(UnitMode::inches), inverse5_texts), expected);

    const std::string decimal = report_1d_text(inverse5(UnitMode::decimalinches), inverse5_texts);
    EXPECT_THAT(decimal,
                HasSubstr("\r\nWell depths in inches:      14.81      11.85      2.96      "
                          "2.96      11.85\r\n"));
    EXPECT_THAT(decimal, HasSubstr("\r\nBlock heights in inches:      0      2.95      11.84      "
                                   "11.84      2.95\r\n"));
}

TEST(Report1d, DamagedWellCountReadsNoFurtherThanTheSequence) {
    Design d = inverse5(UnitMode::metric);
    d.well_count = 0;
    EXPECT_THAT(report_1d_text(d, {}), HasSubstr("\r\n\r\nRatios\r\n\r\nWell depths in mm:\r\n"));
    d.well_count = 1000;
    const std::string text = report_1d_text(d, {});
    EXPECT_THAT(text, HasSubstr("Ratios       5       4       1       1       4       5       0"));
    EXPECT_THAT(text, HasSubstr("\r\nNumber of wells:  1000\r\n"));
}

TEST(Report1d, CreatedMessageNamesThePath) {
    EXPECT_EQ(report_created_message("/home/me/welkin/welkin_1d.txt"),
              "Report /home/me/welkin/welkin_1d.txt created");
}

}  // namespace
}  // namespace welkin
