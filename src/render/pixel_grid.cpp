#include "render/pixel_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace welkin {

namespace {

// Positions in 26.6 fixed point (1/64 pixel), truncated as Qt converts them;
// slopes and the minor coordinate in 16.16.
int to_sixty_fourths(double v) {
    return static_cast<int>(v * 64.);
}

int slope_16_16(int rise, int run) {
    return static_cast<int>((static_cast<long long>(rise) * 65536) / run);
}

// The line cut to a pixel beyond the grid on every side, by the same
// arithmetic Qt uses, so that a line leaving the picture keeps its slope to
// the last bit. False when nothing is left.
bool clip(double& x1, double& y1, double& x2, double& y2, int width, int height) {
    const double left = -1;
    const double right = width + 1;
    const double top = -1;
    const double bottom = height + 1;
    if (x1 < left) {
        if (x2 <= left) return false;
        y1 += (y2 - y1) / (x2 - x1) * (left - x1);
        x1 = left;
    } else if (x1 > right) {
        if (x2 >= right) return false;
        y1 += (y2 - y1) / (x2 - x1) * (right - x1);
        x1 = right;
    }
    if (x2 < left) {
        y2 += (y2 - y1) / (x2 - x1) * (left - x2);
        x2 = left;
    } else if (x2 > right) {
        y2 += (y2 - y1) / (x2 - x1) * (right - x2);
        x2 = right;
    }
    if (y1 < top) {
        if (y2 <= top) return false;
        x1 += (x2 - x1) / (y2 - y1) * (top - y1);
        y1 = top;
    } else if (y1 > bottom) {
        if (y2 >= bottom) return false;
        x1 += (x2 - x1) / (y2 - y1) * (bottom - y1);
        y1 = bottom;
    }
    if (y2 < top) {
        x2 += (x2 - x1) / (y2 - y1) * (top - y2);
        y2 = top;
    } else if (y2 > bottom) {
        x2 += (x2 - x1) / (y2 - y1) * (bottom - y2);
        y2 = bottom;
    }
    return true;
}

void set(const PixelGrid& grid, int x, int y, QRgb colour) {
    if (x < 0 || y < 0 || x >= grid.width || y >= grid.height) return;
    grid.pixels[static_cast<std::ptrdiff_t>(y) * grid.per_line + x] = colour;
}

// One pixel a step along the line's longer axis (`along`), from the centre
// of the first pixel whose centre the line, half a pixel longer at each
// end, reaches, up to the last; the other axis (`across`) is followed in
// 16.16 and truncated. `put(along, across)` sets the pixel.
template <class Put>
void step_along(int from, int to, int across_from, int across_to, Put put) {
    if (from > to) {
        std::swap(from, to);
        std::swap(across_from, across_to);
    }
    const int slope = slope_16_16(across_to - across_from, to - from);
    int across = across_from * 1024 - (slope >> 1);
    from -= 32;
    to += 32;
    int at = (from + 32) >> 6;
    const int end = (to + 32) >> 6;
    if (at == end) return;
    const int round = slope > 0 ? 32 : 0;
    across += (((at << 6) + round - from) * slope) >> 6;
    for (; at < end; ++at, across += slope) put(at, across >> 16);
}

void draw_line(const PixelGrid& grid, QLineF line, QRgb colour) {
    // A line with no place has no pixels (and no whole number of 1/64s).
    if (!(std::isfinite(line.x1()) && std::isfinite(line.y1()) && std::isfinite(line.x2()) &&
          std::isfinite(line.y2()))) {
        return;
    }
    if (line.p1() == line.p2()) {
        // Far outside, the point is not rounded at all, so that no whole
        // number overflows.
        if (std::abs(line.x1()) < 1e9 && std::abs(line.y1()) < 1e9) {
            set(grid, qRound(line.x1()), qRound(line.y1()), colour);
        }
        return;
    }
    double x1 = line.x1();
    double y1 = line.y1();
    double x2 = line.x2();
    double y2 = line.y2();
    if (!clip(x1, y1, x2, y2, grid.width, grid.height)) return;
    if (!(std::isfinite(x1 + y1 + x2 + y2))) return;  // ends so far out that cutting overflowed
    const int fx1 = to_sixty_fourths(x1);
    const int fy1 = to_sixty_fourths(y1);
    const int fx2 = to_sixty_fourths(x2);
    const int fy2 = to_sixty_fourths(y2);
    const int dx = std::abs(fx2 - fx1);
    const int dy = std::abs(fy2 - fy1);
    if (dx < dy) {
        step_along(fy1, fy2, fx1, fx2, [&](int y, int x) { set(grid, x, y, colour); });
    } else if (dx > 0) {
        step_along(fx1, fx2, fy1, fy2, [&](int x, int y) { set(grid, x, y, colour); });
    }
}

}  // namespace

void draw_aliased_lines(PixelGrid grid, std::span<const QLineF> lines, QRgb colour) {
    for (const QLineF& line : lines) draw_line(grid, line, colour);
}

void fill_aliased_box(PixelGrid grid, const QRectF& box, QRgb colour) {
    if (!(std::isfinite(box.left()) && std::isfinite(box.top()) && std::isfinite(box.right()) &&
          std::isfinite(box.bottom()))) {
        return;
    }
    // Edges beyond the grid round to the same pixels as edges just beyond it.
    const auto across = [&](double x) { return qRound(std::clamp(x, -1.0, grid.width + 1.0)); };
    const auto down = [&](double y) { return qRound(std::clamp(y, -1.0, grid.height + 1.0)); };
    int left = across(box.left());
    int right = across(box.right());
    int top = down(box.top());
    int bottom = down(box.bottom());
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    left = std::max(left, 0);
    right = std::min(right, grid.width);
    top = std::max(top, 0);
    bottom = std::min(bottom, grid.height);
    for (int y = top; y < bottom; ++y) {
        QRgb* row = grid.pixels + static_cast<std::ptrdiff_t>(y) * grid.per_line;
        std::fill(row + left, row + std::max(left, right), colour);
    }
}

}  // namespace welkin
