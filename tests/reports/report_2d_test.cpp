// Whole 2D reports of order-3 panels, worked out by hand from the rules.
// Order 3 keeps the grids small: (r + pull)^2 and (c + left)^2 are 0 or 1
// mod 3, so a cell's residue is the sum of its row and column terms.
#include "reports/report_2d.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

namespace welkin {
namespace {

using ::testing::HasSubstr;
using Rows = std::array<std::string, 3>;

Design order3(double freq_hz, double half_mm, double build_mm, double fin_mm, double well_mm) {
    Design d;
    d.well_count = 3;
    d.design_freq_hz = freq_hz;
    d.design_half_wavelength_mm = half_mm;
    d.build_depth_2d_mm = build_mm;
    d.fin_width_mm = fin_mm;
    d.well_width_mm = well_mm;
    return d;
}

// The report with the results a recompute of an order-3 panel gives, its
// well width field showing the well width.
std::string report_of(const Design& d, const Offsets2d& offsets) {
    DesignResults r;
    r.well_width_shown_mm = d.well_width_mm;
    r.panel_width_mm = 3 * (d.fin_width_mm + d.well_width_mm);
    r.period_ok = r.panel_width_mm >= 2 * d.design_half_wavelength_mm;
    return report_2d_text(d, r, offsets);
}

// The report's lines end in CR LF; the texts below are written with LF alone.
std::string crlf(const std::string& text) {
    std::string out;
    for (const char c : text) out += c == '\n' ? "\r\n" : std::string(1, c);
    return out;
}

// One of the four grid tables: from the back row to the front, each row's
// heading over its cells.
std::string table(const std::string& title, const Rows& headings, const Rows& cells) {
    std::string out = title + "\n-----------------------------------\n\n";
    for (std::size_t r = 0; r < 3; ++r) out += headings[r] + "\n" + cells[r] + "\n\n";
    return out + "\n\n";
}

// 1000 Hz: half wavelength 173 mm, depth unit 57.67 mm, build depth 115 mm.
// Centred (2, 2): row and column terms 1 0 1, residues 2 1 2 / 1 0 1 / 2 1 2,
// heights 2 - s. Blocks: four empty cells, four of 1 unit, one of 2; the six
// units are 346 mm, so V = 0.346 x 0.1^2 = 0.00346 cubic metres.
TEST(Report2d, FinlessStandardInMillimetres) {
    const Rows rows{"Row 2 (Back) ... equivalent to 1D panel N3+1,2",
                    "Row 1 ... equivalent to 1D panel N3+0,2",
                    "Row 0 (Front) ... equivalent to 1D panel N3+1,2"};
    const std::string expected =
        "Welkin report for 2D QRD diffuser\n===================================\n\n"
        "STANDARD PANEL is based on a modulated series of STANDARD 1D QRD panels\n"
        "Panel does NOT have fins\n\nPanel order =  3\nDesign frequency  1000 Hz\n"
        "Number of wells =  9\n"
        "Panel is shifted 2 wells to the left and pulled 2 rows towards the front\n\n"
        "One depth unit is equivalent to 57.7 mm\nBuild depth is 115 mm\n\n"
        "Panel width (no fins) is 300 mm\n\n"
        "WARNING - Period width is less than design wavelength. Correct diffusion will not occur"
        " at the design frequency\n\n\n" +
        table("Block Heights in mm", rows, {"0,   58,   0", "58,   115,   58", "0,   58,   0"}) +
        table("Block Heights in depth units", rows, {"0,   1,   0", "1,   2,   1", "0,   1,   0"}) +
        table("Well depths in mm", rows,
              {"115,   58,   115", "58,   0,   58", "115,   58,   115"}) +
        table("Well depths in depth units", rows, {"2,   1,   2", "1,   0,   1", "2,   1,   2"}) +
        "Block details\n=============\nBlock width 100 mm\n\nNumber of empty wells 4\n"
        "4 blocks of height 1 depth units, or 58 mm\n"
        "1 blocks of height 2 depth units, or 115 mm\n"
        "----------------------------------------\nTotal block length .35 metres\n\n\n"
        "Volume based on solid build using blocks (no fins)\n"
        "---------------------------------------------------\nVolume =  .0034 cubic metres\n\n\n"
        "Estimated weight using various materials\n"
        "---------------------------------------------------\n"
        "Hoop pine ply  1.9 kg\nMDF  2.4 kg\nCedar  1.3 kg\nStyrofoam  .3 kg\nBalsa  .4 kg\n"
        "Cork  .8 kg\nOregon (Douglas Fir)  1.7 kg\nNormal Plywood  1.9 kg\nBirch ply  2.4 kg\n"
        "Oak  2.5 kg\nHardwood  2.7 kg\nPlaster  2.9 kg\nRed Gum  3.1 kg\nGlass  8.6 kg\n"
        "Granite  9.3 kg\nAluminium  9.3 kg\nSteel  27.1 kg\n";
    EXPECT_EQ(report_of(order3(1000, 173, 115, 0, 100), {2, 2}), crlf(expected));
}

// 500 Hz, fin 3, wells 249: half wavelength 345 mm, depth unit 115 mm, full
// build depth 345 mm; panel 3 x 252 = 756 mm. Offsets (1, 0): row terms
// 0 1 1, column terms 1 1 0; heights s, depths 3 - s. Fins: 6 x 753 + 2 x 759
// = 6036 mm, V = 0.003 x (6.036 x 0.345 + 9 x 0.249^2) = 0.0079213 cubic
// metres, 0.2797 cubic feet.
TEST(Report2d, FinnedLegacyInverseInInches) {
    Design d = order3(500, 345, 345, 3, 249);
    d.inverse_panel = true;
    d.optimise_2d = false;
    d.unit_mode = UnitMode::inches;
    const Rows rows{"Row 2 (Back) ... equivalent to Inverse 1D panel N3-1,1",
                    "Row 1 ... equivalent to Inverse 1D panel N3-1,1",
                    "Row 0 (Front) ... equivalent to Inverse 1D panel N3-0,1"};
    const std::string expected =
        "Welkin report for 2D QRD diffuser\n===================================\n\n"
        "LEGACY INVERSE PANEL is based on a modulated series of INVERSE 1D QRD panels\n"
        "Panel does have fins\n\nPanel order =  3\nDesign frequency  500 Hz\nNumber of wells =  9\n"
        "Panel is shifted 1 wells to the left and pulled 0 rows towards the front\n\n"
        "One depth unit is equivalent to 4 1/2 inches\nBuild depth is 1' 1 9/16 inches\n\n"
        "Panel width including additional end fin is 2' 5 7/8 inches\n\n"
        "Period width is larger than design wavelength - good!\n\n\n" +
        table("Block Heights in inches", rows,
              {"9 1/16,   9 1/16,   4 1/2", "9 1/16,   9 1/16,   4 1/2", "4 1/2,   4 1/2,   0"}) +
        table("Block Heights in depth units", rows, {"2,   2,   1", "2,   2,   1", "1,   1,   0"}) +
        table("Well depths in inches", rows,
              {"4 1/2,   4 1/2,   9 1/16", "4 1/2,   4 1/2,   9 1/16",
               "9 1/16,   9 1/16,   1' 1 9/16"}) +
        table("Well depths in depth units", rows, {"1,   1,   2", "1,   1,   2", "2,   2,   3"}) +
        "Block details\n=============\nBlock width 9 13/16 inches\n\nNumber of empty wells 1\n"
        "4 blocks of height 1 depth units, or 4 1/2 inches\n"
        "4 blocks of height 2 depth units, or 9 1/16 inches\n"
        "----------------------------------------\nTotal block length 4' 6 5/16 inches\n\n\n"
        "Fin details\n===========\nFin thickness 1/8 inches\nFin height 1' 1 9/16 inches\n\n"
        "Number of fins slotted to form cross-matrix =  4    cut to length = 2' 5 5/8 inches"
        "  plus any allowance to rebate into sides\n"
        "Side fins (not slotted) = 2    cut to length = 2' 5 5/8 inches\n"
        "Front and back fins (not slotted) = 2    cut to length = 2' 5 7/8 inches"
        "  .. plus any allowance for flush-trimming with router\n"
        "---------------------------------------------------\n"
        "Total fin length 19' 9 5/8 inches  .. plus any allowances\n\n\n"
        "Volume based on hollow build using fins plus well bottoms made of same material as fins"
        " (no backboard)\n"
        "---------------------------------------------------\nVolume =  .2797 cubic feet\n\n\n"
        "Estimated weight using various materials\n-----------------------------------------\n"
        "Hoop pine ply  9.5 lbs\nMDF  12.1 lbs\nCedar  6.6 lbs\nStyrofoam  1.7 lbs\nBalsa  2 lbs\n"
        "Cork  4.3 lbs\nOregon (Douglas Fir)  8.7 lbs\nNormal Plywood  10 lbs\nBirch ply  12.1 "
        "lbs\n"
        "Oak  13 lbs\nHardwood  13.9 lbs\nPlaster  14.8 lbs\nRed Gum  15.6 lbs\nGlass  43.5 lbs\n"
        "Granite  46.8 lbs\nAluminium  47 lbs\nSteel  136.8 lbs\n";
    EXPECT_EQ(report_of(d, {1, 0}), crlf(expected));
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
    const std::string optimised = " which has been depth-optimised";
    const Rows rows{"Row 2 (Back) ... equivalent to Inverse 1D panel N3-0,2" + optimised,
                    "Row 1 ... equivalent to Inverse 1D panel N3-1,2" + optimised,
                    "Row 0 (Front) ... equivalent to Inverse 1D panel N3-1,2" + optimised};
    const std::string expected =
        "Welkin report for 2D QRD diffuser\n===================================\n\n"
        "DEPTH-OPTIMISED INVERSE PANEL is based on a modulated series of INVERSE 1D QRD panels\n\n"
        "NOTE: Depth-optimised 2D inverse panels are only intended for stand-alone usage or in"
        " arrays of the one type of panel.\n"
        "They are not suitable for Barker-style modulation of arrays comprising a mixture of"
        " normal and inverse panels.\n\n"
        "Panel does have fins\n\nPanel order =  3\nDesign frequency  700 Hz\nNumber of wells =  9\n"
        "Panel is shifted 2 wells to the left and pulled 1 rows towards the front\n\n"
        "One depth unit is equivalent to 3.22 inches\nBuild depth is 6.45 inches\n\n"
        "Panel width including additional end fin is 5.03 inches\n\n"
        "WARNING - Period width is less than design wavelength. Correct diffusion will not occur"
        " at the design frequency\n\n\n" +
        table("Block Heights in inches", rows,
              {" 0,    6.45,    0", " 3.22,    0,    3.22", " 3.22,    0,    3.22"}) +
        table("Block Heights in depth units", rows, {"0,   2,   0", "1,   0,   1", "1,   0,   1"}) +
        table("Well depths in inches", rows,
              {" 6.45,    0,    6.45", " 3.22,    6.45,    3.22", " 3.22,    6.45,    3.22"}) +
        table("Well depths in depth units", rows, {"2,   0,   2", "1,   2,   1", "1,   2,   1"}) +
        "Block details\n=============\nBlock width 1.57 inches\n\nNumber of empty wells 4\n"
        "4 blocks of height 1 depth units, or 3.22 inches\n"
        "1 blocks of height 2 depth units, or 6.45 inches\n"
        "----------------------------------------\nTotal block length  19.37 inches\n\n\n"
        "Fin details\n===========\nFin thickness .07 inches\nFin height 6.45 inches\n\n"
        "Number of fins slotted to form cross-matrix =  4    cut to length = 4.88 inches"
        "  plus any allowance to rebate into sides\n"
        "Side fins (not slotted) = 2    cut to length = 4.88 inches\n"
        "Front and back fins (not slotted) = 2    cut to length = 5.03 inches"
        "  .. plus any allowance for flush-trimming with router\n"
        "---------------------------------------------------\n"
        "Total fin length  39.37 inches  .. plus any allowances\n\n\n"
        "Volume based on hollow build using fins plus well bottoms made of same material as fins"
        " (no backboard)\n"
        "---------------------------------------------------\nVolume =  .0126 cubic feet\n\n\n"
        "Estimated weight using various materials\n-----------------------------------------\n"
        "Hoop pine ply  .4 lbs\nMDF  .5 lbs\nCedar  .2 lbs\nStyrofoam  0 lbs\nBalsa  0 lbs\n"
        "Cork  .1 lbs\nOregon (Douglas Fir)  .3 lbs\nNormal Plywood  .4 lbs\nBirch ply  .5 lbs\n"
        "Oak  .5 lbs\nHardwood  .6 lbs\nPlaster  .6 lbs\nRed Gum  .7 lbs\nGlass  1.9 lbs\n"
        "Granite  2.1 lbs\nAluminium  2.1 lbs\nSteel  6.1 lbs\n";
    EXPECT_EQ(report_of(d, {2, 1}), crlf(expected));
}

// A hollow build has a bottom in each of its N^2 wells: N 7 with wells of
// 100 mm has 49 x 0.01 = 0.49 square metres of bottoms. Fins of 1 mm and a
// zero build depth leave the bottoms alone: V = 0.001 x 0.49.
TEST(Report2d, EveryWellHasABottom) {
    Design d = order3(500, 345, 0, 1, 100);
    d.well_count = 7;
    EXPECT_THAT(report_of(d, {}), HasSubstr("\r\nVolume =  .0004 cubic metres\r\n"));
    d.well_count = 0;  // a damaged file: no rows, no counts, no crash
    EXPECT_THAT(report_of(d, {}), HasSubstr("\r\nNumber of empty wells 0\r\n-----"));
}

// N 7, finless standard, depth unit 350 / 7 = 50 mm, blocks 40 mm square.
// Residue 0 occurs once and 1..6 eight times each, so heights 0..5 have
// eight cells and height 6 one: 8 x 15 + 6 = 126 units, 6300 mm of block,
// V = 6.3 x 0.04^2 = 0.01008 cubic metres, steel 79.128 kg.
TEST(Report2d, BlockDetailsOfAnOrder7Panel) {
    Design d = order3(1000, 350, 300, 0, 40);
    d.well_count = 7;
    const std::string expected =
        "Block details\n=============\nBlock width 40 mm\n\nNumber of empty wells 8\n"
        "8 blocks of height 1 depth units, or 50 mm\n"
        "8 blocks of height 2 depth units, or 100 mm\n"
        "8 blocks of height 3 depth units, or 150 mm\n"
        "8 blocks of height 4 depth units, or 200 mm\n"
        "8 blocks of height 5 depth units, or 250 mm\n"
        "1 blocks of height 6 depth units, or 300 mm\n"
        "----------------------------------------\nTotal block length 6.3 metres\n\n\n"
        "Volume based on solid build using blocks (no fins)\n"
        "---------------------------------------------------\nVolume =  .01 cubic metres\n";
    const std::string report = report_of(d, {4, 4});
    EXPECT_THAT(report, HasSubstr(crlf(expected)));
    EXPECT_THAT(report, HasSubstr(crlf("\nSteel  79.1 kg\n")));
}

}  // namespace
}  // namespace welkin
