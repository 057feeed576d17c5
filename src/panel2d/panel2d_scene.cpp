#include "panel2d/panel2d_scene.h"

#include <algorithm>
#include <climits>
#include <array>
#include <cstddef>
#include <span>
#include <utility>

#include "panel2d/panel2d_look.h"

namespace welkin {

namespace {

// Counted in fifths of a cell every corner is whole: a block's depth recedes
// 2/5 of a cell across and 2/5 up. u runs right from the box's front-left
// corner, v up from the floor's front edge.
constexpr int fifths = 5;
constexpr int recede = 2;
constexpr int nothing = INT_MIN / 4;

// The upper edge of the blocks added so far, cell by cell ([u, u + 1]), as
// its height at the cell's two ends. Every edge of a block rises 0 or 1 per
// unit from a whole height, so two edges cross only at whole u and the
// highest is straight within each cell. Seen from the front, a block hides
// exactly what lies below this edge behind it.
class Skyline {
public:
    explicit Skyline(int cells)
        : start_(static_cast<std::size_t>(cells), nothing),
          end_(static_cast<std::size_t>(cells), nothing) {}

    void add_block(int u0, int v0, int height) {
        const int top = v0 + fifths * height;
        raise(u0, top, 1, recede);
        raise(u0 + recede, top + recede, 0, fifths);
    }
    // The lowest height at which a line entering cell u there and rising
    // `slope` per unit stays clear of the edge across the whole cell: above
    // it, or with `on_edge` also along it. Lower, the edge hides it
    // somewhere in the cell.
    int seen_from(int u, int slope, bool on_edge) const {
        if (!inside(u)) return nothing;
        const int at_start = start(u);
        const int at_end = end(u) - slope;
        return std::max(at_start, at_end) + (on_edge && at_start == at_end ? 1 : 0);
    }
    // The height below which an upright line at u is hidden on both sides.
    int upright_cover(int u) const {
        const int left = inside(u - 1) ? end(u - 1) : nothing;
        const int right = inside(u) ? start(u) : nothing;
        return std::min(left, right);
    }
    // Whether the edge stands above height v all along cells `from` to `to`.
    bool above(int from, int to, int v) const {
        for (int u = from; u < to; ++u) {
            if (!inside(u) || start(u) <= v || end(u) <= v) return false;
        }
        return true;
    }
    int start(int u) const { return start_[static_cast<std::size_t>(u)]; }
    int end(int u) const { return end_[static_cast<std::size_t>(u)]; }

private:
    bool inside(int u) const { return u >= 0 && static_cast<std::size_t>(u) < start_.size(); }
    void raise(int u, int v, int slope, int cells) {
        for (int i = 0; i < cells; ++i) {
            if (!inside(u + i)) continue;
            const auto k = static_cast<std::size_t>(u + i);
            start_[k] = std::max(start_[k], v + slope * i);
            end_[k] = std::max(end_[k], v + slope * (i + 1));
        }
    }

    std::vector<int> start_;
    std::vector<int> end_;
};

enum class Direction { across, slanted, upright };

// Lines gathered by the line they lie on, so that pieces that touch or
// overlap come out as one. An end where a block in front cuts the line is
// drawn half a pixel short, so that it stops at the block's edge.
class LineSet {
public:
    // Lines other than the outlines are hidden where they run along an
    // outline, which is drawn over them. Depth lines end on outlines: a pixel
    // short at both ends, they never show past one whichever way it rounds.
    enum class Kind { outline, under_outlines, depth };
    explicit LineSet(Kind kind) : kind_(kind) {}
    // across: at height `on`, from u to u; slanted: v - u = `on`, from u to u;
    // upright: at u = `on`, from v to v.
    void add(Direction d, int on, int from, int to, bool cut_from = false, bool cut_to = false) {
        if (from < to) placed_[static_cast<std::size_t>(d)].push_back({on, {from, to, cut_from, cut_to}});
    }
    // The parts of the line from `u, v` rising `slope` per unit along `cells`
    // that the skyline leaves in view.
    void add_visible(const Skyline& sky, int u, int v, int slope, int cells) {
        add_visible_stack(sky, u, {v, 1, 1}, slope, cells);
    }
    // The same for parallel lines stacked one above another: what hides
    // them is worked out once for the stack, and most lines are then seen
    // either whole or not at all.
    struct Stack {
        int v_first;
        int step;
        int count;
    };
    void add_visible_stack(const Skyline& sky, int u, Stack stack, int slope, int cells) {
        // Where the line from u at height v first shows in each cell, as
        // that height v.
        seen_from_.resize(static_cast<std::size_t>(std::max(cells, 0)));
        int lowest = INT_MAX;
        int highest = INT_MIN;
        for (int i = 0; i < cells; ++i) {
            const int from = sky.seen_from(u + i, slope, kind_ != Kind::outline) - slope * i;
            seen_from_[static_cast<std::size_t>(i)] = from;
            lowest = std::min(lowest, from);
            highest = std::max(highest, from);
        }
        const Direction d = slope == 0 ? Direction::across : Direction::slanted;
        // The first line at or above a height.
        const auto first_at = [&](int height) {
            if (height <= stack.v_first) return 0;
            return std::min((height - stack.v_first + stack.step - 1) / stack.step, stack.count);
        };
        const int first_seen = first_at(lowest);
        const int first_whole = std::max(first_at(highest), first_seen);
        const auto on = [&](int v) { return slope == 0 ? v : v - u; };
        for (int k = first_whole; k < stack.count; ++k) {
            add(d, on(stack.v_first + stack.step * k), u, u + cells);
        }
        for (int k = first_seen; k < first_whole; ++k) {
            const int v = stack.v_first + stack.step * k;
            int run = -1;
            for (int i = 0; i <= cells; ++i) {
                const bool seen = i < cells && v >= seen_from_[static_cast<std::size_t>(i)];
                if (seen && run < 0) run = i;
                if (!seen && run >= 0) {
                    add(d, on(v), u + run, u + i, run > 0, i < cells);
                    run = -1;
                }
            }
        }
    }
    void add_visible_upright(const Skyline& sky, int u, int v_low, int v_high) {
        const int from = std::max(v_low, sky.upright_cover(u));
        add(Direction::upright, u, from, v_high, from > v_low, false);
    }
    // `pixel`: one device pixel in the picture's units.
    std::vector<Segment> segments(int n, Point pixel);

private:
    struct Run {
        int from;
        int to;
        bool cut_from;
        bool cut_to;
    };
    // A run and the line it lies on.
    struct Placed {
        int on;
        Run run;
    };
    void join(Direction d, int on, std::span<Run> runs, int n, Point pixel,
              std::vector<Segment>& out) const;

    Kind kind_;
    std::array<std::vector<Placed>, 3> placed_;  // by direction, as added
    std::vector<int> seen_from_;  // scratch for add_visible_stack
};

Point place(double n, double u, double v) {
    return {2 + u / fifths, 1.5 * n - v / fifths};
}

// Line by line, lowest first; the runs of a line in the order they came.
std::vector<Segment> LineSet::segments(int n, Point pixel) {
    std::vector<Segment> out;
    std::vector<Run> by_line;
    std::vector<std::size_t> starts;
    for (const Direction d : {Direction::across, Direction::slanted, Direction::upright}) {
        const std::vector<Placed>& placed = placed_[static_cast<std::size_t>(d)];
        if (placed.empty()) continue;
        const auto [low, high] = std::minmax_element(
            placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.on < b.on; });
        const int first = low->on;
        starts.assign(static_cast<std::size_t>(high->on - first + 2), 0);
        for (const Placed& p : placed) ++starts[static_cast<std::size_t>(p.on - first + 1)];
        for (std::size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
        by_line.resize(placed.size());
        std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
        for (const Placed& p : placed) by_line[next[static_cast<std::size_t>(p.on - first)]++] = p.run;
        for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
            if (starts[i] == starts[i + 1]) continue;
            const std::span<Run> runs(by_line.data() + starts[i], starts[i + 1] - starts[i]);
            join(d, first + static_cast<int>(i), runs, n, pixel, out);
        }
    }
    return out;
}

// The runs on one line as segments, those that touch or overlap joined.
void LineSet::join(Direction d, int on, std::span<Run> runs, int n, Point pixel,
                   std::vector<Segment>& out) const {
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.from < b.from; });
    // Half a pixel along the line, in fifths; a whole one for short ends.
    const double half = 0.5 * fifths * (d == Direction::upright ? pixel.y : pixel.x);
    const auto trim = [&](bool cut) { return cut ? half : 0; };
    const auto emit = [&](const Run& r) {
        const double from = r.from + trim(r.cut_from);
        const double to = r.to - trim(r.cut_to);
        if (from >= to) return;
        switch (d) {
            case Direction::across: out.push_back({place(n, from, on), place(n, to, on)}); break;
            case Direction::slanted:
                out.push_back({place(n, from, from + on), place(n, to, to + on)});
                break;
            case Direction::upright: out.push_back({place(n, on, from), place(n, on, to)}); break;
        }
    };
    Run joined = runs.front();
    for (const Run& r : runs) {
        if (r.from > joined.to) {
            emit(joined);
            joined = r;
            continue;
        }
        if (r.to > joined.to || (r.to == joined.to && !r.cut_to)) joined.cut_to = r.cut_to;
        joined.to = std::max(joined.to, r.to);
        joined.cut_from = joined.cut_from && (r.from > joined.from || r.cut_from);
    }
    emit(joined);
}

struct SceneLines {
    SceneLines()
        : walls(LineSet::Kind::under_outlines),
          frame(LineSet::Kind::under_outlines),
          depth(LineSet::Kind::depth),
          edges(LineSet::Kind::outline) {}
    LineSet walls;
    LineSet frame;
    LineSet depth;
    LineSet edges;
};

struct BlockAt {
    int u0;
    int v0;
    int height;
};

void add_block_lines(const BlockAt& b, bool depth_lines, const Skyline& sky, SceneLines& lines) {
    const int top = b.v0 + fifths * b.height;
    // A block whose highest corner is under the edge of what stands in
    // front, all along it and a cell either side (where its upright edges
    // would show), shows no line: most of a large panel's blocks.
    if (sky.above(b.u0 - 1, b.u0 + fifths + recede + 1, top + recede)) return;
    if (depth_lines && b.height > 1) {
        const LineSet::Stack stack{b.v0 + fifths, fifths, b.height - 1};
        lines.depth.add_visible_stack(sky, b.u0, stack, 0, fifths);
        lines.depth.add_visible_stack(sky, b.u0 + fifths, stack, 1, recede);
    }
    LineSet& e = lines.edges;
    e.add_visible(sky, b.u0, top, 0, fifths);
    e.add_visible(sky, b.u0, b.v0, 0, fifths);
    e.add_visible_upright(sky, b.u0, b.v0, top);
    e.add_visible_upright(sky, b.u0 + fifths, b.v0, top);
    e.add_visible(sky, b.u0, top, 1, recede);
    e.add_visible(sky, b.u0 + fifths, top, 1, recede);
    e.add_visible(sky, b.u0 + recede, top + recede, 0, fifths);
    e.add_visible_upright(sky, b.u0 + fifths + recede, b.v0 + recede, top + recede);
}

// Drops repeated points and points on the straight line between their neighbours.
std::vector<std::pair<int, int>> simplified(const std::vector<std::pair<int, int>>& points) {
    std::vector<std::pair<int, int>> out;
    for (const auto& p : points) {
        if (!out.empty() && out.back() == p) continue;
        if (out.size() >= 2) {
            const auto& [ax, ay] = out[out.size() - 2];
            const auto& [bx, by] = out.back();
            if ((bx - ax) * (p.second - by) == (by - ay) * (p.first - bx)) out.pop_back();
        }
        out.push_back(p);
    }
    return out;
}

// A row's blocks overlap one another, so the row is one shape: from the
// floor's front edge (rising along the last block's right face) up to the
// row's skyline. Only what the rows in front leave in view is kept, each
// stretch of it one outline: the picture is then filled about once over.
std::vector<std::vector<Point>> row_outlines(int n, int r, const Skyline& row, const Skyline& front) {
    const int first = recede * r;
    const int last = first + fifths * n + recede;
    const auto floor_at = [&](int u) { return first + std::max(0, u - (last - recede)); };
    std::vector<std::vector<Point>> outlines;
    std::vector<std::pair<int, int>> upper;
    std::vector<std::pair<int, int>> lower;
    const auto close = [&] {
        if (upper.empty()) return;
        upper.insert(upper.end(), lower.rbegin(), lower.rend());
        std::vector<Point> outline;
        for (const auto& [u, v] : simplified(upper)) outline.push_back(place(n, u, v));
        outlines.push_back(std::move(outline));
        upper.clear();
        lower.clear();
    };
    for (int u = first; u < last; ++u) {
        const int low_start = std::max(floor_at(u), front.start(u));
        const int low_end = std::max(floor_at(u + 1), front.end(u));
        const bool seen = row.start(u) >= low_start && row.end(u) >= low_end &&
                          (row.start(u) > low_start || row.end(u) > low_end);
        if (!seen) {
            close();
            continue;
        }
        upper.emplace_back(u, row.start(u));
        upper.emplace_back(u + 1, row.end(u));
        lower.emplace_back(u, low_start);
        lower.emplace_back(u + 1, low_end);
    }
    close();
    return outlines;
}

// The top of a block of height 0, less what the next block's front hides.
std::vector<Point> empty_top(int n, const BlockAt& b, bool next_stands) {
    const int reach = next_stands ? fifths : fifths + recede;
    return {place(n, b.u0, b.v0), place(n, b.u0 + fifths, b.v0),
            place(n, b.u0 + reach, b.v0 + recede), place(n, b.u0 + recede, b.v0 + recede)};
}

// The row's fills, its outlines first; its lines go into `lines`.
std::vector<SceneFill> add_row(const Grid2d& g, const GridCells& cells, int r, bool depth_lines,
                               Skyline& in_front, SceneLines& lines, PanelScene& scene) {
    Skyline row(7 * g.n);
    const Skyline front = in_front;
    std::vector<SceneFill> fills;
    // Right to left: a block's right face lies behind its right neighbour.
    for (int c = g.n - 1; c >= 0; --c) {
        const BlockAt b{fifths * c + recede * r, recede * r, cells.at(r, c).block_height};
        add_block_lines(b, depth_lines, in_front, lines);
        in_front.add_block(b.u0, b.v0, b.height);
        row.add_block(b.u0, b.v0, b.height);
        if (b.height == 0) {
            const bool next_stands = c + 1 < g.n && cells.at(r, c + 1).block_height > 0;
            fills.push_back({empty_top(g.n, b, next_stands), empty_block_top_colour});
            if (c == g.n - 1) {
                const Segment face{place(g.n, b.u0 + fifths, b.v0),
                                   place(g.n, b.u0 + fifths + recede, b.v0 + recede)};
                scene.flat_faces.emplace_back(face, row_shade(g, r));
            }
        }
    }
    std::vector<SceneFill> shapes;
    for (auto& outline : row_outlines(g.n, r, row, front)) {
        shapes.push_back({std::move(outline), row_shade(g, r)});
    }
    shapes.insert(shapes.end(), fills.begin(), fills.end());
    return shapes;
}

// The walls and the box's edges, behind every block. A legacy inverse
// panel's deepest well is N units deep, so its walls are a unit taller.
void add_box(const Grid2d& g, bool depth_lines, const Skyline& sky, SceneLines& lines) {
    const int n = g.n;
    const int back = recede * n;
    const int right = (fifths + recede) * n;
    if (g.finned && depth_lines) {
        for (int i = 1; i < n; ++i) {
            lines.walls.add_visible(sky, back, right - fifths * i, 0, right - back);
            lines.walls.add_visible(sky, 0, fifths * (n - i), 1, back);
        }
    }
    const bool legacy = g.variant == Variant2d::legacy_inverse;
    for (const int below_top : legacy ? std::vector<int>{0, fifths} : std::vector<int>{fifths}) {
        lines.frame.add_visible(sky, back, right - below_top, 0, right - back);
        lines.frame.add_visible(sky, 0, fifths * n - below_top, 1, back);
    }
    const int wall_top = legacy ? 0 : fifths;
    lines.frame.add_visible_upright(sky, 0, 0, fifths * n - wall_top);
    lines.frame.add_visible_upright(sky, back, back, right - wall_top);
    lines.frame.add_visible_upright(sky, right, back, right - wall_top);
}

}  // namespace

PanelScene panel_scene(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                       Point pixel) {
    PanelScene scene;
    if (g.n < 1) return scene;
    const int n = g.n;
    Skyline in_front((fifths + recede) * n);
    SceneLines lines;
    // Front row first, so that each line meets only what stands in front of it.
    std::vector<std::vector<SceneFill>> rows;
    const GridCells cells(g, o);
    for (int r = 0; r < n; ++r) {
        rows.push_back(add_row(g, cells, r, options.depth_lines, in_front, lines, scene));
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        scene.fills.insert(scene.fills.end(), row->begin(), row->end());
    }
    if (options.box) add_box(g, options.depth_lines, in_front, lines);
    // The floor's right-hand edge, drawn over everything.
    lines.edges.add(Direction::slanted, -fifths * n, fifths * n, (fifths + recede) * n);
    scene.wall_lines = lines.walls.segments(n, pixel);
    scene.frame_lines = lines.frame.segments(n, pixel);
    scene.depth_lines = lines.depth.segments(n, pixel);
    scene.edges = lines.edges.segments(n, pixel);
    return scene;
}

}  // namespace welkin
