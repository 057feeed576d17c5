// Whole 2D reports of order-3 panels, worked out by hand from the rules.
// Order 3 keeps the grids small: (r + pull)^2 and (c + left)^2 are 0 or 1
// mod 3, so a cell's residue is the sum of its row and column terms.
#include "reports/report_2d.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace welkin {
namespace {

using ::testing::HasSubstr;

Design order3(double freq_hz, double half_mm, double build_mm, double fin_mm, double well_mm) {
    Design d;
    d.well_count = 3;
    d.design_freq_hz = freq_hz;
    d.design_half_wavelength_mm = half_mm;
    d.build_depth_2d_mm = build_mm;
    d.fin_width_mm = fin_mm;
    d.well_width_mm = well_mm;
    d.well_width_shown_mm = well_mm;
    d.panel_width_mm = 3 * (fin_mm + well_mm);
    d.period_ok = d.panel_width_mm >= 2 * half_mm;
    return d;
}

// 1000 Hz: half wavelength 173 mm, depth unit 57.67 mm, build depth 115 mm.
// Centred (2, 2): row and column terms 1 0 1, residues 2 1 2 / 1 0 1 / 2 1 2,
// heights 2 - s. Blocks: four empty cells, four of 1 unit, one of 2; the six
// units are 346 mm, so V = 0.346 x 0.1^2 = 0.00346 cubic metres.
TEST(Report2d, FinlessStandardInMillimetres) {
    Design d = order3(1000, 173, 115, 0, 100);
    const std::string expected =
        "Welkin report for 2D QRD diffuser\r\n"
        "===================================\r\n\r\n"
        "STANDARD PANEL is based on a modulated series of STANDARD 1D QRD panels\r\n"
        "Panel does NOT have fins\r\n\r\n"
        "Panel order =  3\r\n"
        "Design frequency  1000 Hz\r\n"
        "Number of wells =  9\r\n"
        "Panel is shifted 2 wells to the left and pulled 2 rows towards the front\r\n\r\n"
        "One depth unit is equivalent to 57.7 mm\r\n"
        "Build depth is 115 mm\r\n\r\n"
        "Panel width (no fins) is 300 mm\r\n\r\n"
        "WARNING - Period width is less than design wavelength. Correct diffusion will not occur"
        " at the design frequency\r\n\r\n\r\n"
        "Block Heights in mm\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to 1D panel N3+1,2\r\n0,   58,   0\r\n\r\n"
        "Row 1 ... equivalent to 1D panel N3+0,2\r\n58,   115,   58\r\n\r\n"
        "Row 0 (Front) ... equivalent to 1D panel N3+1,2\r\n0,   58,   0\r\n\r\n\r\n\r\n"
        "Block Heights in depth units\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to 1D panel N3+1,2\r\n0,   1,   0\r\n\r\n"
        "Row 1 ... equivalent to 1D panel N3+0,2\r\n1,   2,   1\r\n\r\n"
        "Row 0 (Front) ... equivalent to 1D panel N3+1,2\r\n0,   1,   0\r\n\r\n\r\n\r\n"
        "Well depths in mm\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to 1D panel N3+1,2\r\n115,   58,   115\r\n\r\n"
        "Row 1 ... equivalent to 1D panel N3+0,2\r\n58,   0,   58\r\n\r\n"
        "Row 0 (Front) ... equivalent to 1D panel N3+1,2\r\n115,   58,   115\r\n\r\n\r\n\r\n"
        "Well depths in depth units\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to 1D panel N3+1,2\r\n2,   1,   2\r\n\r\n"
        "Row 1 ... equivalent to 1D panel N3+0,2\r\n1,   0,   1\r\n\r\n"
        "Row 0 (Front) ... equivalent to 1D panel N3+1,2\r\n2,   1,   2\r\n\r\n\r\n\r\n"
        "Block details\r\n=============\r\n"
        "Block width 100 mm\r\n\r\n"
        "Number of empty wells 4\r\n"
        "4 blocks of height 1 depth units, or 58 mm\r\n"
        "1 blocks of height 2 depth units, or 115 mm\r\n"
        "----------------------------------------\r\n"
        "Total block length .35 metres\r\n\r\n\r\n"
        "Volume based on solid build using blocks (no fins)\r\n"
        "---------------------------------------------------\r\n"
        "Volume =  .0034 cubic metres\r\n\r\n\r\n"
        "Estimated weight using various materials\r\n"
        "---------------------------------------------------\r\n"
        "Hoop pine ply  1.9 kg\r\nMDF  2.4 kg\r\nCedar  1.3 kg\r\nStyrofoam  .3 kg\r\n"
        "Balsa  .4 kg\r\nCork  .8 kg\r\nOregon (Douglas Fir)  1.7 kg\r\nNormal Plywood  1.9 kg\r\n"
        "Birch ply  2.4 kg\r\nOak  2.5 kg\r\nHardwood  2.7 kg\r\nPlaster  2.9 kg\r\n"
        "Red Gum  3.1 kg\r\nGlass  8.6 kg\r\nGranite  9.3 kg\r\nAluminium  9.3 kg\r\n"
        "Steel  27.1 kg\r\n";
    EXPECT_EQ(report_2d_text(d, {2, 2}), expected);
}

// 500 Hz, fin 3, wells 249: half wavelength 345 mm, depth unit 115 mm, full
// build depth 345 mm; panel 3 x 252 = 756 mm. Offsets (1, 0): row terms
// 0 1 1, column terms 1 1 0; heights s, depths 3 - s. Fins: 6 x 753 + 2 x 759
// = 6036 mm, V = 0.003 x (6.036 x 0.345 + 9 x 0.249^2) = 0.0079213 cubic
// metres, 0.2797 cubic feet.
TEST(Report2d, FinnedLegacyInverseInInches) {
    Design d = order3(500, 345, 345, 3, 249);
    d.inverse_panel = true;
    d.mnu_2d_optimise = false;
    d.unit_mode = UnitMode::inches;
    const std::string expected =
        "Welkin report for 2D QRD diffuser\r\n"
        "===================================\r\n\r\n"
        "LEGACY INVERSE PANEL is based on a modulated series of INVERSE 1D QRD panels\r\n"
        "Panel does have fins\r\n\r\n"
        "Panel order =  3\r\n"
        "Design frequency  500 Hz\r\n"
        "Number of wells =  9\r\n"
        "Panel is shifted 1 wells to the left and pulled 0 rows towards the front\r\n\r\n"
        "One depth unit is equivalent to 4 1/2 inches\r\n"
        "Build depth is 1' 1 9/16 inches\r\n\r\n"
        "Panel width including additional end fin is 2' 5 7/8 inches\r\n\r\n"
        "Period width is larger than design wavelength - good!\r\n\r\n\r\n"
        "Block Heights in inches\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to Inverse 1D panel N3-1,1\r\n"
        "9 1/16,   9 1/16,   4 1/2\r\n\r\n"
        "Row 1 ... equivalent to Inverse 1D panel N3-1,1\r\n9 1/16,   9 1/16,   4 1/2\r\n\r\n"
        "Row 0 (Front) ... equivalent to Inverse 1D panel N3-0,1\r\n"
        "4 1/2,   4 1/2,   0\r\n\r\n\r\n\r\n"
        "Block Heights in depth units\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to Inverse 1D panel N3-1,1\r\n2,   2,   1\r\n\r\n"
        "Row 1 ... equivalent to Inverse 1D panel N3-1,1\r\n2,   2,   1\r\n\r\n"
        "Row 0 (Front) ... equivalent to Inverse 1D panel N3-0,1\r\n1,   1,   0\r\n\r\n\r\n\r\n"
        "Well depths in inches\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to Inverse 1D panel N3-1,1\r\n"
        "4 1/2,   4 1/2,   9 1/16\r\n\r\n"
        "Row 1 ... equivalent to Inverse 1D panel N3-1,1\r\n4 1/2,   4 1/2,   9 1/16\r\n\r\n"
        "Row 0 (Front) ... equivalent to Inverse 1D panel N3-0,1\r\n"
        "9 1/16,   9 1/16,   1' 1 9/16\r\n\r\n\r\n\r\n"
        "Well depths in depth units\r\n-----------------------------------\r\n\r\n"
        "Row 2 (Back) ... equivalent to Inverse 1D panel N3-1,1\r\n1,   1,   2\r\n\r\n"
        "Row 1 ... equivalent to Inverse 1D panel N3-1,1\r\n1,   1,   2\r\n\r\n"
        "Row 0 (Front) ... equivalent to Inverse 1D panel N3-0,1\r\n2,   2,   3\r\n\r\n\r\n\r\n"
        "Block details\r\n=============\r\n"
        "Block width 9 13/16 inches\r\n\r\n"
        "Number of empty wells 1\r\n"
        "4 blocks of height 1 depth units, or 4 1/2 inches\r\n"
        "4 blocks of height 2 depth units, or 9 1/16 inches\r\n"
        "----------------------------------------\r\n"
        "Total block length 4' 6 5/16 inches\r\n\r\n\r\n"
        "Fin details\r\n===========\r\n"
        "Fin thickness 1/8 inches\r\n"
        "Fin height 1' 1 9/16 inches\r\n\r\n"
        "Number of fins slotted to form cross-matrix =  4    cut to length = 2' 5 5/8 inches"
        "  plus any allowance to rebate into sides\r\n"
        "Side fins (not slotted) = 2    cut to length = 2' 5 5/8 inches\r\n"
        "Front and back fins (not slotted) = 2    cut to length = 2' 5 7/8 inches"
        "  .. plus any allowance for flush-trimming with router\r\n"
        "---------------------------------------------------\r\n"
        "Total fin length 19' 9 5/8 inches  .. plus any allowances\r\n\r\n\r\n"
        "Volume based on hollow build using fins plus well bottoms made of same material as fins"
        " (no backboard)\r\n"
        "---------------------------------------------------\r\n"
        "Volume =  .2797 cubic feet\r\n\r\n\r\n"
        "Estimated weight using various materials\r\n"
        "-----------------------------------------\r\n"
        "Hoop pine ply  9.5 lbs\r\nMDF  12.1 lbs\r\nCedar  6.6 lbs\r\nStyrofoam  1.7 lbs\r\n"
        "Balsa  2 lbs\r\nCork  4.3 lbs\r\nOregon (Douglas Fir)  8.7 lbs\r\n"
        "Normal Plywood  10 lbs\r\nBirch ply  12.1 lbs\r\nOak  13 lbs\r\nHardwood  13.9 lbs\r\n"
        "Plaster  14.8 lbs\r\nRed Gum  15.6 lbs\r\nGlass  43.5 lbs\r\nGranite  46.8 lbs\r\n"
        "Aluminium  47 lbs\r\nSteel  136.8 lbs\r\n";
    EXPECT_EQ(report_2d_text(d, {1, 0}), expected);
}

// 700 Hz, fin 2, wells 40: half wavelength 246 mm, depth unit 82 mm (3.22
// inches), build depth 164 mm (6.45). Offsets (2, 1): row terms 1 1 0,
// column terms 1 0 1; residue 0 becomes height 2 and depth 0. Fins: 6 x 124
// + 2 x 128 = 1000 mm, V = 0.002 x (1 x 0.164 + 9 x 0.04^2) = 0.0003568.
// Decimal-inch cells keep the formatter's leading blank.
TEST(Report2d, FinnedDepthOptimisedInverseInDecimalInches) {
    Design d = order3(700, 246, 164, 2, 40);
    d.inverse_panel = true;
    d.unit_mode = UnitMode::decimalinches;
    const std::string row2 =
        "Row 2 (Back) ... equivalent to Inverse 1D panel N3-0,2 which has been depth-optimised\r\n";
    const std::string row1 =
        "Row 1 ... equivalent to Inverse 1D panel N3-1,2 which has been depth-optimised\r\n";
    const std::string row0 =
        "Row 0 (Front) ... equivalent to Inverse 1D panel N3-1,2 which has been "
        "depth-optimised\r\n";
    const std::string expected =
        "Welkin report for 2D QRD diffuser\r\n"
        "===================================\r\n\r\n"
        "DEPTH-OPTIMISED INVERSE PANEL is based on a modulated series of INVERSE 1D QRD panels"
        "\r\n\r\n"
        "NOTE: Depth-optimised 2D inverse panels are only intended for stand-alone usage or in"
        " arrays of the one type of panel.\r\n"
        "They are not suitable for Barker-style modulation of arrays comprising a mixture of"
        " normal and inverse panels.\r\n\r\n"
        "Panel does have fins\r\n\r\n"
        "Panel order =  3\r\n"
        "Design frequency  700 Hz\r\n"
        "Number of wells =  9\r\n"
        "Panel is shifted 2 wells to the left and pulled 1 rows towards the front\r\n\r\n"
        "One depth unit is equivalent to 3.22 inches\r\n"
        "Build depth is 6.45 inches\r\n\r\n"
        "Panel width including additional end fin is 5.03 inches\r\n\r\n"
        "WARNING - Period width is less than design wavelength. Correct diffusion will not occur"
        " at the design frequency\r\n\r\n\r\n"
        "Block Heights in inches\r\n-----------------------------------\r\n\r\n" +
        row2 + " 0,    6.45,    0\r\n\r\n" + row1 + " 3.22,    0,    3.22\r\n\r\n" + row0 +
        " 3.22,    0,    3.22\r\n\r\n\r\n\r\n"
        "Block Heights in depth units\r\n-----------------------------------\r\n\r\n" +
        row2 + "0,   2,   0\r\n\r\n" + row1 + "1,   0,   1\r\n\r\n" + row0 +
        "1,   0,   1\r\n\r\n\r\n\r\n"
        "Well depths in inches\r\n-----------------------------------\r\n\r\n" +
        row2 + " 6.45,    0,    6.45\r\n\r\n" + row1 + " 3.22,    6.45,    3.22\r\n\r\n" + row0 +
        " 3.22,    6.45,    3.22\r\n\r\n\r\n\r\n"
        "Well depths in depth units\r\n-----------------------------------\r\n\r\n" +
        row2 + "2,   0,   2\r\n\r\n" + row1 + "1,   2,   1\r\n\r\n" + row0 +
        "1,   2,   1\r\n\r\n\r\n\r\n"
        "Block details\r\n=============\r\n"
        "Block width 1.57 inches\r\n\r\n"
        "Number of empty wells 4\r\n"
        "4 blocks of height 1 depth units, or 3.22 inches\r\n"
        "1 blocks of height 2 depth units, or 6.45 inches\r\n"
        "----------------------------------------\r\n"
        "Total block length  19.37 inches\r\n\r\n\r\n"
        "Fin details\r\n===========\r\n"
        "Fin thickness .07 inches\r\n"
        "Fin height 6.45 inches\r\n\r\n"
        "Number of fins slotted to form cross-matrix =  4    cut to length = 4.88 inches"
        "  plus any allowance to rebate into sides\r\n"
        "Side fins (not slotted) = 2    cut to length = 4.88 inches\r\n"
        "Front and back fins (not slotted) = 2    cut to length = 5.03 inches"
        "  .. plus any allowance for flush-trimming with router\r\n"
        "---------------------------------------------------\r\n"
        "Total fin length  39.37 inches  .. plus any allowances\r\n\r\n\r\n"
        "Volume based on hollow build using fins plus well bottoms made of same material as fins"
        " (no backboard)\r\n"
        "---------------------------------------------------\r\n"
        "Volume =  .0126 cubic feet\r\n\r\n\r\n"
        "Estimated weight using various materials\r\n"
        "-----------------------------------------\r\n"
        "Hoop pine ply  .4 lbs\r\nMDF  .5 lbs\r\nCedar  .2 lbs\r\nStyrofoam  0 lbs\r\n"
        "Balsa  0 lbs\r\nCork  .1 lbs\r\nOregon (Douglas Fir)  .3 lbs\r\n"
        "Normal Plywood  .4 lbs\r\nBirch ply  .5 lbs\r\nOak  .5 lbs\r\nHardwood  .6 lbs\r\n"
        "Plaster  .6 lbs\r\nRed Gum  .7 lbs\r\nGlass  1.9 lbs\r\nGranite  2.1 lbs\r\n"
        "Aluminium  2.1 lbs\r\nSteel  6.1 lbs\r\n";
    EXPECT_EQ(report_2d_text(d, {2, 1}), expected);
}

// A hollow build has a bottom in each of its N^2 wells: N 7 with wells of
// 100 mm has 49 x 0.01 = 0.49 square metres of bottoms. Fins of 1 mm and a
// zero build depth leave the bottoms alone: V = 0.001 x 0.49.
TEST(Report2d, EveryWellHasABottom) {
    Design d = order3(500, 345, 0, 1, 100);
    d.well_count = 7;
    EXPECT_THAT(report_2d_text(d, {}), HasSubstr("\r\nVolume =  .0004 cubic metres\r\n"));
    d.well_count = 0;  // a damaged file: no rows, no counts, no crash
    EXPECT_THAT(report_2d_text(d, {}), HasSubstr("\r\nNumber of empty wells 0\r\n-----"));
}

}  // namespace
}  // namespace welkin
