#include "panel2d_replay.h"

namespace welkin {

namespace {


// The slant of the block's depth: each face recedes up and to the right.
constexpr double slant = 0.4;

// The hatching that fills a block's top and right faces: about 1 / (0.0015 N)
// strokes a face, denser than the pixels of a cell at any on-screen size.
double hatch_step(int n) {
    return 0.0015 * n;
}

void paint_walls(const Grid2d& g, Canvas& canvas) {
    const double n = g.n;
    for (int i = 1; i < g.n; ++i) {
        canvas.line(0.4 * n + 2, 0.1 * n + i, 1.4 * n + 2, 0.1 * n + i, wall_depth_line_colour);
        canvas.line(2, 0.5 * n + i, 0.4 * n + 2, 0.1 * n + i, wall_depth_line_colour);
    }
}

// A legacy inverse panel's deepest well is N units deep, so its walls are a
// unit taller than the others'.
void paint_frame(const Grid2d& g, Canvas& canvas) {
    const double n = g.n;
    const Rgb c = box_frame_colour;
    const double back = 0.4 * n + 2;
    const double right = 1.4 * n + 2;
    canvas.line(back, 0.1 * n + 1, right, 0.1 * n + 1, c);
    canvas.line(2, 0.5 * n + 1, back, 0.1 * n + 1, c);
    const double front_top = g.variant == Variant2d::legacy_inverse ? 0.5 * n : 0.5 * n + 1;
    const double back_top = front_top - 0.4 * n;
    if (g.variant == Variant2d::legacy_inverse) {
        canvas.line(back, 0.1 * n, right, 0.1 * n, c);
        canvas.line(2, 0.5 * n, back, 0.1 * n, c);
    }
    canvas.line(2, front_top, 2, 1.5 * n, c);
    canvas.line(back, back_top, back, 1.1 * n, c);
    canvas.line(right, back_top, right, 1.1 * n, c);
}

struct Block {
    double x;      // left of the front face
    double base;   // bottom of the front face
    int height;    // in depth units
    Rgb shade;     // the row's base colour
};

void paint_hatching(const Block& b, double step, Canvas& canvas) {
    const double top = b.base - b.height;
    const Rgb top_colour = b.height == 0 ? empty_block_top_colour : b.shade;
    for (double t = 0; t <= 1; t += step) {
        canvas.line(b.x + t, top, b.x + t + slant, top - slant, top_colour);
    }
    for (double t = 0; t <= 1; t += step) {
        const double x = b.x + 1 + slant - slant * t;
        canvas.line(x, b.base - slant + slant * t, x, top - slant + slant * t, b.shade);
    }
}

void paint_block(const Block& b, const PanelPictureOptions& options, double step,
                 Canvas& canvas) {
    const double top = b.base - b.height;
    paint_hatching(b, step, canvas);
    if (options.depth_lines) {
        for (int k = b.height - 1; k >= 1; --k) {
            canvas.line(b.x + 1, b.base - k, b.x + 1 + slant, b.base - k - slant,
                        block_depth_line_colour);
        }
    }
    const Rgb edge = block_outline_colour;
    canvas.line(b.x, top, b.x + slant, top - slant, edge);
    canvas.line(b.x + 1, top, b.x + 1 + slant, top - slant, edge);
    canvas.line(b.x + slant, top - slant, b.x + 1 + slant, top - slant, edge);
    canvas.line(b.x + 1 + slant, b.base - slant, b.x + 1 + slant, top - slant, edge);
    canvas.fill_box(b.x, b.base, b.x + 1, top, b.shade);
    if (options.depth_lines) {
        for (int k = b.height - 1; k >= 1; --k) {
            canvas.line(b.x, b.base - k, b.x + 1, b.base - k, block_depth_line_colour);
        }
    }
    canvas.box(b.x, b.base, b.x + 1, top, edge);
}

}  // namespace

void replay_panel_picture(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                         Canvas& canvas) {
    canvas.set_scale(0, 0, panel_picture_width(g.n), panel_picture_height(g.n));
    canvas.clear(rgb_white);
    if (g.n < 1) return;
    if (options.box) {
        if (g.finned && options.depth_lines) paint_walls(g, canvas);
        paint_frame(g, canvas);
    }
    const double step = hatch_step(g.n);
    for (int r = g.n - 1; r >= 0; --r) {
        const Rgb shade = row_shade(g, r);
        for (int c = 0; c < g.n; ++c) {
            const Block b{2 + 0.4 * r + c, 1.5 * g.n - 0.4 * r, cell_2d(g, o, r, c).block_height,
                          shade};
            paint_block(b, options, step, canvas);
        }
    }
    const double n = g.n;
    canvas.line(n + 2, 1.5 * n, 1.4 * n + 2, 1.1 * n, block_outline_colour);
}


void replay_crossword(const Grid2d& g, const Offsets2d& o, const CrosswordOptions& options,
                     Canvas& canvas) {
    canvas.set_scale(0, 0, g.n, crossword_height(g.n, options.full_screen));
    canvas.clear(rgb_white);
    if (g.n < 1) return;
    const int font = crossword_font_size(g.n, options.full_screen);
    const bool write = options.numbers || options.dimensions;
    for (int r = g.n - 1; r >= 0; --r) {
        for (int c = 0; c < g.n; ++c) {
            const Cell2d cell = cell_2d(g, o, r, c);
            const double top = g.n - 1 - r;
            const Rgb fill = options.full_screen
                                 ? highlighted_cell_colour(g, options, cell.block_height)
                                 : crossword_cell_colour(g, options, cell.block_height);
            canvas.fill_box(c, top, c + 1, top + 1, fill);
            canvas.box(c, top, c + 1, top + 1, rgb_black);
            if (write) {
                canvas.text(c + 0.1, g.n - r - 0.7, crossword_cell_text(g, options, cell), font,
                            rgb_black);
            }
        }
    }
    if (!options.full_screen) {
        canvas.text(0.1, g.n + 0.2, crossword_caption(g, o, options),
                    crossword_caption_font_size(g.n), rgb_black);
    }
}

}  // namespace welkin
