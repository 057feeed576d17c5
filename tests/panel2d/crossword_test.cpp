#include "panel2d/crossword.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "canvas/recording_canvas.h"
#include "panel2d/crossword_readout.h"

namespace welkin {
namespace {

using enum Variant2d;
using enum CrosswordQuantity;

RecordingCanvas painted(const Grid2d& g, const CrosswordOptions& options, Offsets2d o = {}) {
    RecordingCanvas canvas(400, 400);
    paint_crossword(g, o, options, canvas);
    return canvas;
}

TEST(Crossword, CellColours) {
    const Grid2d g{7, standard, true};  // E = D = 6
    struct Row {
        const char* name;
        CrosswordOptions options;
        int height;
        Rgb colour;
    };
    const Row rows[] = {
        {"tallest block is light", {}, 6, {225, 225, 255}},
        {"inverted, dark", {.invert = true}, 6, {70, 70, 255}},
        {"147.5 rounds to even", {}, 3, {148, 148, 255}},
        {"70 + 155/6 = 95.8", {}, 1, {96, 96, 255}},
        {"depths, height 0", {.quantity = well_depths}, 0, {150, 70, 70}},
        {"depths inverted, height 6", {.quantity = well_depths, .invert = true}, 6, {150, 70, 70}},
        {"no colour", {.no_colour = true}, 3, rgb_white},
        {"no colour ignores invert", {.no_colour = true, .invert = true}, 0, rgb_white},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(crossword_cell_colour(g, row.options, row.height), row.colour) << row.name;
    }
    // A finned inverse panel's depth scale runs to N: height 7 reaches the end.
    EXPECT_EQ(crossword_cell_colour({7, legacy_inverse, true}, {.quantity = well_depths}, 7),
              (Rgb{255, 225, 225}));
}

TEST(Crossword, FinnedLegacyInverseDepthsRunOneToN) {
    const RecordingCanvas canvas = painted({7, legacy_inverse, true}, {.quantity = well_depths});
    std::set<std::string> seen;
    const auto texts = canvas.of_kind(OpKind::text);
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) seen.insert(texts[i].text);
    EXPECT_EQ(seen, (std::set<std::string>{" 1", " 2", " 3", " 4", " 5", " 6", " 7"}));
    EXPECT_EQ(texts.back().text, "Well depths in depth units");
}

TEST(Crossword, DimensionsInEachUnit) {
    // Height 4 of 10 mm units: 40 mm, 1.575 inches (1 9/16 to the sixteenth, 1.57 cut).
    const Grid2d g{7, standard, true};
    const Cell2d cell{2, 4, 2};
    const auto text = [&](UnitMode mode) {
        return crossword_cell_text(
            g, {.dimensions = true, .unit_mode = mode, .depth_unit_mm = 10}, cell);
    };
    EXPECT_EQ(text(UnitMode::metric), " 40");
    EXPECT_NE(text(UnitMode::inches).find("1 9/16"), std::string::npos) << text(UnitMode::inches);
    EXPECT_NE(text(UnitMode::decimalinches).find("1.57"), std::string::npos);
    EXPECT_EQ(crossword_caption(g, {4, 2}, {.dimensions = true, .unit_mode = UnitMode::inches}),
              "Block Heights in inches    N7 panel    Left shift = 4   Pull to front = 2");
}

TEST(Crossword, HighlightAndLayerlightColours) {
    const Grid2d g{7, standard, true};
    struct Row {
        const char* name;
        CrosswordOptions options;
        int height;
        Rgb colour;
    };
    const Highlight layers{3, true};
    const Row rows[] = {
        {"the highlighted height", {.highlight = {3, false}}, 3, highlight_colour},
        {"others keep their scale", {.highlight = {3, false}}, 6, {225, 225, 255}},
        {"below, blocks", {.highlight = layers}, 1, block_layer_colour},
        {"above, blocks", {.highlight = layers}, 5, rgb_white},
        {"below, inverted", {.invert = true, .highlight = layers}, 1, rgb_white},
        {"above, inverted", {.invert = true, .highlight = layers}, 5, block_layer_colour},
        {"below, depths", {.quantity = well_depths, .highlight = layers}, 1, depth_layer_colour},
        {"above, depths inverted",
         {.quantity = well_depths, .invert = true, .highlight = layers},
         5,
         depth_layer_colour},
        {"layerlight keeps the highlight", {.highlight = layers}, 3, highlight_colour},
        {"cleared", {.highlight = {-1, true}}, 1, {96, 96, 255}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(highlighted_cell_colour(g, row.options, row.height), row.colour) << row.name;
    }
}

TEST(CrosswordReadout, TextsInEachUnitMode) {
    // The residue-0 cell of a finned legacy inverse N 7 at offsets 0 is the
    // front-left one, under (0.5, 6.5); its well is 7 units, 70 mm deep.
    const Grid2d g{7, legacy_inverse, true};
    struct Row {
        UnitMode mode;
        const char* length;
    };
    const Row rows[] = {{UnitMode::metric, "70 mm"},
                        {UnitMode::inches, "2 3/4 inches"},
                        {UnitMode::decimalinches, "2.75 inches"}};
    for (const Row& row : rows) {
        const Readout r = crossword_readout(
            g, {}, {.quantity = well_depths, .unit_mode = row.mode, .depth_unit_mm = 10}, 0.5, 6.5);
        ASSERT_TRUE(r.shown);
        EXPECT_EQ(r.value_text, std::string("WELL DEPTH\r 7 depth units\r") + row.length);
        EXPECT_EQ(r.position_text, "Row 0  Column 0");
        EXPECT_EQ(r.block_height, 0);
    }
    const Readout blocks = crossword_readout(g, {}, {.depth_unit_mm = 10}, 1.5, 6.5);
    EXPECT_EQ(blocks.value_text, "BLOCK HEIGHT\r 1 depth units\r10 mm");
}

TEST(CrosswordReadout, PlacementAndEdges) {
    const Grid2d g{7, standard, true};
    struct Row {
        const char* name;
        double x, y;
        bool shown;
        bool from_right, from_bottom;
    };
    const Row rows[] = {
        {"near the right edge", 6.95, 3, false, false, false},
        {"near the bottom edge", 3, 6.95, false, false, false},
        {"just inside", 6.85, 6.85, true, true, true},
        {"on the left edge", 0, 3, false, false, false},
        {"top left", 1, 1, true, false, false},
    };
    for (const Row& row : rows) {
        const Readout r = crossword_readout(g, {}, {}, row.x, row.y);
        EXPECT_EQ(r.shown, row.shown) << row.name;
        if (!r.shown) continue;
        EXPECT_EQ(r.from_right, row.from_right) << row.name;
        EXPECT_EQ(r.from_bottom, row.from_bottom) << row.name;
        EXPECT_DOUBLE_EQ(r.x, row.from_right ? row.x - 0.07 : row.x + 0.07) << row.name;
    }
}

}  // namespace
}  // namespace welkin
