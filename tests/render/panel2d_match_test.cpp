// The 2D pictures as drawn now against the old stroke-by-stroke drawing:
// rasterised without smoothing at the window's size and at twice it, at most
// 0.5% of pixels may differ and none by more than a pixel of position.
//
// The options are binary but many; instead of every combination, each pair
// of options takes all four of its value pairs somewhere in the six rows
// (a pairwise covering array), and each of the six grid kinds has a row.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <string>

#include "oracle/image_match.h"
#include "oracle/panel2d_replay.h"
#include "render/panel2d_render.h"
#include "render/picture_render.h"
#include "render/qt_canvas.h"

namespace welkin {
namespace {

using enum Variant2d;

struct Row {
    const char* name;
    Variant2d variant;
    bool finned;
    bool no_depth_lines = false;
    bool full_screen = false;
    bool half_size = false;
    bool well_depths = false;
    bool no_numbers = false;
    bool no_colour = false;
    bool invert = false;
    bool dimensions = false;
    bool unshifted = false;  // offsets 0, 0 instead of centred
    Highlight highlight{};
};

const Row rows[] = {
    {.name = "window_defaults", .variant = standard, .finned = true},
    {.name = "full_screen_bare_depths_half", .variant = standard, .finned = false,
     .no_depth_lines = true, .full_screen = true, .half_size = true, .well_depths = true,
     .no_numbers = true, .no_colour = true},
    {.name = "full_screen_inverted_dimensions", .variant = optimised_inverse, .finned = true,
     .no_depth_lines = true, .full_screen = true, .half_size = true, .invert = true,
     .dimensions = true, .unshifted = true, .highlight = {2, true}},
    {.name = "window_depths_inverted_dimensions", .variant = optimised_inverse, .finned = false,
     .no_depth_lines = true, .well_depths = true, .no_numbers = true, .invert = true,
     .dimensions = true},
    {.name = "full_screen_legacy_depths", .variant = legacy_inverse, .finned = true,
     .full_screen = true, .well_depths = true, .no_colour = true, .invert = true,
     .unshifted = true, .highlight = {1, false}},
    {.name = "half_size_legacy_finless", .variant = legacy_inverse, .finned = false,
     .half_size = true, .no_numbers = true, .no_colour = true, .dimensions = true,
     .unshifted = true},
};

constexpr QSize full_screen_px{640, 480};

Panel2dDrawing drawing(const Row& row, int n) {
    Panel2dDrawing d;
    d.grid = {n, row.variant, row.finned};
    d.offsets = row.unshifted ? Offsets2d{} : move_offsets({}, OffsetMove::centre, n);
    d.panel = {.depth_lines = !row.no_depth_lines, .box = !row.full_screen};
    CrosswordOptions& c = d.crossword;
    c.quantity = row.well_depths ? CrosswordQuantity::well_depths : CrosswordQuantity::block_heights;
    c.numbers = !row.no_numbers;
    c.no_colour = row.no_colour;
    c.invert = row.invert;
    c.dimensions = row.dimensions;
    c.full_screen = row.full_screen;
    c.highlight = row.highlight;
    c.unit_mode = row.half_size ? UnitMode::inches : UnitMode::metric;
    c.depth_unit_mm = 12.5;
    return d;
}

QSize window_size(const Row& row, Picture2d which) {
    if (row.full_screen) return full_screen_px;
    const QSize size = picture_2d_size(which);
    return which == Picture2d::panel && row.half_size ? size / 2 : size;
}

QImage replayed(Picture2d which, const Panel2dDrawing& d, QSize size) {
    QImage image = blank_picture(size);
    QtCanvas canvas(image);
    canvas.set_smoothing(false);
    if (which == Picture2d::panel) {
        replay_panel_picture(d.grid, d.offsets, d.panel, canvas);
    } else {
        replay_crossword(d.grid, d.offsets, d.crossword, canvas);
    }
    return image;
}

// How far the drawings may part. With a cell four pixels or more across,
// at most 0.5% of pixels differ and 1 in 2000 by more than a pixel. Smaller
// cells are mostly outline, and the old strokes' stray end pixels past the
// outlines weigh more: a cell of 2 to 4 pixels (N 101 in the window) is
// allowed 1% and 1 in 400, under 2 pixels (N 101 at half size) 4% and 2.5%.
struct Allowance {
    double differing;
    double displaced;
};

Allowance allowance(Picture2d which, int n, QSize size) {
    const double cell_px = which == Picture2d::panel ? size.width() / panel_picture_width(n)
                                                     : static_cast<double>(size.width()) / n;
    if (cell_px >= 4) return {0.005, 0.0005};
    if (cell_px >= 2) return {0.01, 0.0025};
    return {0.04, 0.025};
}

void expect_rows_match(int n) {
    for (const Row& row : rows) {
        const Panel2dDrawing d = drawing(row, n);
        for (const Picture2d which : {Picture2d::panel, Picture2d::crossword}) {
            for (const int scale : {1, 2}) {
                const QSize size = window_size(row, which) * scale;
                const std::string name = std::string(row.name) + "-n" + std::to_string(n) +
                                         (which == Picture2d::panel ? "-panel" : "-crossword") +
                                         "-x" + std::to_string(scale);
                const Allowance a = allowance(which, n, size);
                EXPECT_TRUE(pictures_match(render_picture_2d(which, d, size),
                                           replayed(which, d, size), name, a.differing,
                                           a.displaced));
            }
        }
    }
}

TEST(Panel2dPicturesMatchReplay, SmallPanels) {
    for (const int n : {3, 5, 7, 13}) expect_rows_match(n);
}

TEST(Panel2dPicturesMatchReplay, LargePanels) {
    for (const int n : {31, 101}) expect_rows_match(n);
}

// The comparison itself must see a real fault: one block drawn a unit too
// tall is a difference of many pixels, far from any pixel of its colour.
TEST(Panel2dPicturesMatchReplay, ComparisonCatchesAWrongBlock) {
    const Panel2dDrawing d = drawing(rows[0], 7);
    const QImage reference = replayed(Picture2d::panel, d, {450, 480});
    QImage faulty = reference;
    QtCanvas canvas(faulty);
    canvas.set_scale(0, 0, panel_picture_width(7), panel_picture_height(7));
    canvas.fill_box(2, 10.5, 3, 6.5, {255, 0, 255});
    const ImageMatch m = match_images(faulty, reference);
    EXPECT_GT(m.displaced, m.pixels / 400);
}

}  // namespace
}  // namespace welkin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
