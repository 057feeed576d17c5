// The panel picture's scene: which lines show and which are hidden behind
// blocks. What the whole picture looks like is matched pixel by pixel with
// the old drawing in tests/render.
#include "panel2d/panel2d_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "panel2d/panel2d_scene.h"

namespace welkin {
namespace {

using enum Variant2d;

constexpr Point exact{0, 0};  // no pixel to trim lines by

struct Block {
    double x;     // left of the front face
    double base;  // bottom of the front face
    int height;
};

// What the old drawing showed at a point: the last block, in its order
// (back row first, left to right), whose outline holds the point inside.
std::optional<Block> last_block_over(const Grid2d& g, const Offsets2d& o, Point p) {
    std::optional<Block> over;
    for (int r = g.n - 1; r >= 0; --r) {
        for (int c = 0; c < g.n; ++c) {
            const Block b{2 + 0.4 * r + c, 1.5 * g.n - 0.4 * r, cell_2d(g, o, r, c).block_height};
            const double dx = p.x - b.x;
            const double up = b.base - p.y;
            const double top = up - b.height;   // how far into the top face
            const double side = dx - 1;         // how far into the right face
            const bool front = dx > 0 && dx < 1 && up > 0 && up < b.height;
            const bool on_top = top > 0 && top < 0.4 && dx - top > 0 && dx - top < 1;
            const bool on_side = side > 0 && side < 0.4 && up - side > 0 && up - side < b.height;
            if (front || on_top || on_side) over = b;
        }
    }
    return over;
}

bool whole(double v) {
    return std::fabs(v - std::round(v)) < 1e-9;
}

// A depth line lies on the front or right face of a block at a whole height.
bool on_depth_line_of(const Block& b, Point p) {
    const double dx = p.x - b.x;
    const double up = b.base - p.y;
    if (dx > 0 && dx < 1) return whole(up);
    return whole(up - (dx - 1));
}

// A grid and its offsets, named for the failure message.
struct GridCase {
    const char* name;
    Grid2d grid;
    Offsets2d offsets;
};

// Every visible piece of a depth line is on the face that the old drawing
// left on top there, and no piece of a wall line is under any block. The
// points checked lie about a quarter, half and three quarters along each
// piece, off the whole and fifth units where blocks meet.
TEST(PanelScene, LinesShowOnlyWhereNothingStandsInFront) {
    const GridCase rows[] = {
        {"standard 7", {7, standard, true}, {}},
        {"optimised 5 shifted", {5, optimised_inverse, true}, {2, 1}},
        {"legacy 13 centred", {13, legacy_inverse, true}, move_offsets({}, OffsetMove::centre, 13)},
    };
    for (const GridCase& row : rows) {
        const PanelScene scene = panel_scene(row.grid, row.offsets, {}, exact);
        ASSERT_FALSE(scene.depth_lines.empty()) << row.name;
        for (const Segment& s : scene.depth_lines) {
            for (const double t : {0.2371, 0.5113, 0.7919}) {
                const Point p{s.a.x + t * (s.b.x - s.a.x), s.a.y + t * (s.b.y - s.a.y)};
                const std::optional<Block> over = last_block_over(row.grid, row.offsets, p);
                ASSERT_TRUE(over.has_value()) << row.name << " at " << p.x << ", " << p.y;
                EXPECT_TRUE(on_depth_line_of(*over, p)) << row.name << " at " << p.x << ", " << p.y;
            }
        }
        for (const Segment& s : scene.wall_lines) {
            const Point mid{(s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2};
            EXPECT_FALSE(last_block_over(row.grid, row.offsets, mid).has_value())
                << row.name << " wall at " << mid.x << ", " << mid.y;
        }
    }
}

bool on_segment(const Segment& s, Point p) {
    const double cross = (s.b.x - s.a.x) * (p.y - s.a.y) - (s.b.y - s.a.y) * (p.x - s.a.x);
    const double along = (p.x - s.a.x) * (s.b.x - s.a.x) + (p.y - s.a.y) * (s.b.y - s.a.y);
    const double length2 = (s.b.x - s.a.x) * (s.b.x - s.a.x) + (s.b.y - s.a.y) * (s.b.y - s.a.y);
    return std::fabs(cross) < 1e-9 && along >= 0 && along <= length2;
}

// Whether the block is on top at the point and all around it: a depth line
// that runs along another block's outline is covered by the outline.
bool alone_on_top(const Grid2d& g, const Offsets2d& o, const Block& b, Point p) {
    constexpr double near = 1e-6;
    for (const Point q : {Point{p.x - near, p.y}, Point{p.x + near, p.y}, Point{p.x, p.y - near},
                          Point{p.x, p.y + near}}) {
        const std::optional<Block> over = last_block_over(g, o, q);
        if (!over || over->x != b.x || over->base != b.base) return false;
    }
    return true;
}

// And no depth line is missing: wherever the old drawing left a block's
// depth line on top, a piece of the scene's depth lines passes.
TEST(PanelScene, EveryDepthLineInViewIsDrawn) {
    const GridCase rows[] = {
        {"standard 13 centred", {13, standard, true}, move_offsets({}, OffsetMove::centre, 13)},
        {"optimised 11 shifted", {11, optimised_inverse, true}, {3, 5}},
        {"legacy 7", {7, legacy_inverse, false}, {}},
    };
    for (const GridCase& row : rows) {
        const Grid2d& g = row.grid;
        const PanelScene scene = panel_scene(g, row.offsets, {}, exact);
        int seen = 0;
        for (int r = 0; r < g.n; ++r) {
            for (int c = 0; c < g.n; ++c) {
                const Block b{2 + 0.4 * r + c, 1.5 * g.n - 0.4 * r, cell_2d(g, row.offsets, r, c).block_height};
                for (int k = 1; k < b.height; ++k) {
                    for (const double t : {0.2371, 0.5113, 0.7919}) {
                        for (const Point p : {Point{b.x + t, b.base - k},
                                              Point{b.x + 1 + 0.4 * t, b.base - k - 0.4 * t}}) {
                            if (!alone_on_top(g, row.offsets, b, p)) continue;
                            ++seen;
                            const bool drawn = std::any_of(
                                scene.depth_lines.begin(), scene.depth_lines.end(),
                                [&](const Segment& s) { return on_segment(s, p); });
                            EXPECT_TRUE(drawn) << row.name << " row " << r << " column " << c
                                               << " line " << k << " at " << p.x << ", " << p.y;
                        }
                    }
                }
            }
        }
        EXPECT_GT(seen, g.n * g.n) << row.name;
    }
}

}  // namespace
}  // namespace welkin
