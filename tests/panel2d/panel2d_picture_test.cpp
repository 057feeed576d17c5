#include "panel2d/panel2d_picture.h"

#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"

namespace welkin {
namespace {

using enum Variant2d;

RecordingCanvas painted(const Grid2d& g, PanelPictureOptions options = {}) {
    RecordingCanvas canvas(600, 600);
    paint_panel_picture(g, {}, options, canvas);
    return canvas;
}

// N 7 at offsets 0 with the legacy finned inverse: heights are the residues
// (r^2 + c^2) mod 7, which take 0 once and each of 1..6 eight times.
TEST(PanelPicture, HeightZeroBlockHasAGreyTopAndNoDepthLines) {
    const Grid2d g{7, legacy_inverse, true};
    const RecordingCanvas canvas = painted(g);
    // Front row, column 0: the block's top is at its base, y = 10.5.
    EXPECT_TRUE(canvas.find({.kind = OpKind::line, .x1 = 2, .y1 = 10.5, .x2 = 2.4, .y2 = 10.1,
                             .colour = empty_block_top_colour}, 1e-9));
    // 96 strokes of hatching (step .0105) plus the seven frame lines.
    EXPECT_EQ(canvas.of_kind(OpKind::line, empty_block_top_colour).size(), 96u + 7u);
    // Two depth lines per unit above the first: 8 x (0+1+2+3+4+5) units, twice.
    EXPECT_EQ(canvas.of_kind(OpKind::line, block_depth_line_colour).size(), 240u);
    // Walls: six lines up each of the back and left walls.
    EXPECT_EQ(canvas.of_kind(OpKind::line, wall_depth_line_colour).size(), 12u);

    const RecordingCanvas plain = painted(g, {.depth_lines = false});
    EXPECT_TRUE(plain.of_kind(OpKind::line, block_depth_line_colour).empty());
    EXPECT_TRUE(plain.of_kind(OpKind::line, wall_depth_line_colour).empty());
}

TEST(PanelPicture, WallsAreNUnitsHighOnlyForLegacyInverse) {
    struct Row {
        const char* name;
        Grid2d grid;
        double front_top;  // the front-left vertical edge starts here, ending at 10.5
        std::size_t frame_lines;
        std::size_t grey_tops;  // 96 strokes on each block of height 0
    };
    const Row rows[] = {
        // Height 0 where the residue is 6 (standard), 1 (optimised), 0 (legacy).
        {"standard", {7, standard, true}, 4.5, 5, 8 * 96},
        {"optimised", {7, optimised_inverse, true}, 4.5, 5, 8 * 96},
        {"legacy finned", {7, legacy_inverse, true}, 3.5, 7, 96},
        {"legacy finless", {7, legacy_inverse, false}, 3.5, 7, 96},
    };
    for (const Row& row : rows) {
        const RecordingCanvas canvas = painted(row.grid);
        EXPECT_TRUE(canvas.find({.kind = OpKind::line, .x1 = 2, .y1 = row.front_top, .x2 = 2,
                                 .y2 = 10.5, .colour = box_frame_colour}))
            << row.name;
        EXPECT_EQ(canvas.of_kind(OpKind::line, box_frame_colour).size(),
                  row.frame_lines + row.grey_tops)
            << row.name;
    }
    // Finless panels and the full-screen view have no wall lines; the view no frame.
    EXPECT_TRUE(painted({7, standard, false}).of_kind(OpKind::line, wall_depth_line_colour).empty());
    const RecordingCanvas bare = painted({7, standard, true}, {.box = false});
    EXPECT_EQ(bare.of_kind(OpKind::line, box_frame_colour).size(), 8u * 96u);
}

TEST(PanelPicture, BackRowFirstAndTheFloorEdgeLast) {
    const RecordingCanvas canvas = painted({7, standard, true});
    // Row 6, column 0: x from 4.4, base 8.1; (6^2 + 0) mod 7 = 1, height 5.
    const CanvasOp first = canvas.of_kind(OpKind::fill_box).front();
    EXPECT_TRUE(near(first, {.kind = OpKind::fill_box, .x1 = 4.4, .y1 = 8.1, .x2 = 5.4, .y2 = 3.1,
                             .colour = row_shade({7, standard, true}, 6)},
                     1e-9))
        << first;
    EXPECT_TRUE(near(canvas.ops.back(),
                     {.kind = OpKind::line, .x1 = 9, .y1 = 10.5, .x2 = 11.8, .y2 = 7.7}, 1e-9))
        << canvas.ops.back();
    EXPECT_EQ(canvas.of_kind(OpKind::fill_box).size(), 49u);
}

}  // namespace
}  // namespace welkin
