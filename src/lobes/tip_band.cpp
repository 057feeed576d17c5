#include "lobes/tip_band.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace welkin {

namespace {

// The sweep's pen, three pixels wide with square ends.
constexpr double half_pen = 1.5;
// Rows of a spoke replayed above and below its tip: what the dots leave
// lies within a pen's width of the tips, and the rest of the spoke inside
// the lobe's sheet.
constexpr int reach = 2;
// A stroke within a 64th of a pixel of level or upright is drawn as a box.
constexpr double corner_grid = 64;

int whole(double v) {
    return static_cast<int>(std::floor(v));
}

bool nearly_equal(double a, double b) {
    return std::abs(a - b) < 1 / corner_grid;
}

}  // namespace

void TipBand::set(int x_from, int x_to, int y, Cell cell) {
    if (y < top_ || y >= top_ + grid_rows_) return;
    x_from = std::max(x_from, left_);
    x_to = std::min(x_to, left_ + columns_ - 1);
    if (x_from > x_to) return;
    unsigned char* row = cells_.data() + static_cast<std::ptrdiff_t>(y - top_) * columns_ - left_;
    // A few pixels at a time: cheaper written one by one than by a call.
    for (int x = x_from; x <= x_to; ++x) row[x] = cell;
}

// A pixel is covered when its centre lies inside the stroke. A stroke
// within a 64th of a pixel of level or upright is a box.
void TipBand::paint_spoke(Segment spoke) {
    const double dx = spoke.b.x - spoke.a.x;
    const double dy = spoke.b.y - spoke.a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0)) return;
    const Point along{half_pen * dx / length, half_pen * dy / length};
    const Point a{spoke.a.x - along.x, spoke.a.y - along.y};
    const Point b{spoke.b.x + along.x, spoke.b.y + along.y};
    const int first_row = whole(spoke.b.y) - reach;
    const int last_row = whole(spoke.b.y) + reach;
    if (nearly_equal(a.y, b.y) || nearly_equal(a.x, b.x)) {
        const bool level = nearly_equal(a.y, b.y);
        const double x0 = level ? std::min(a.x, b.x) : a.x - half_pen;
        const double x1 = level ? std::max(a.x, b.x) : a.x + half_pen;
        const double y0 = level ? a.y - half_pen : std::min(a.y, b.y);
        const double y1 = level ? a.y + half_pen : std::max(a.y, b.y);
        const int top = std::max(whole(y0 + 0.5), first_row);
        const int bottom = std::min(whole(y1 - 0.5), last_row);
        for (int y = top; y <= bottom; ++y) set(whole(x0 + 0.5), whole(x1 - 0.5), y, spoke_cell);
        return;
    }
    // Across the stroke a pixel's centre lies within half the pen of the
    // line, and along it between the square ends: two ranges of x on each
    // row, each the edges' crossings of the row.
    const Point unit{dx / length, dy / length};
    const Point per_x{1 / unit.y, 1 / unit.x};  // x for a unit across and along
    const double end = length + half_pen;
    const int top = std::max(whole(std::min(a.y, b.y) - half_pen), first_row);
    const int bottom = std::min(whole(std::max(a.y, b.y) + half_pen), last_row);
    for (int y = top; y <= bottom; ++y) {
        // From spoke.a, a point x over on this row lies x * unit.y - row *
        // unit.x across the line and x * unit.x + row * unit.y along it.
        const double row = y + 0.5 - spoke.a.y;
        const double across_0 = (-half_pen + row * unit.x) * per_x.x;
        const double across_1 = (half_pen + row * unit.x) * per_x.x;
        const double along_0 = (-half_pen - row * unit.y) * per_x.y;
        const double along_1 = (end - row * unit.y) * per_x.y;
        const double left = std::max(std::min(across_0, across_1), std::min(along_0, along_1));
        const double right = std::min(std::max(across_0, across_1), std::max(along_0, along_1));
        if (left <= right) {
            set(whole(left + spoke.a.x + 0.5), whole(right + spoke.a.x - 0.5), y, spoke_cell);
        }
    }
}

// A dot is the pen's square: three pixels by three around the tip.
void TipBand::paint_dot(Point tip) {
    for (int y = whole(tip.y - 1); y <= whole(tip.y + 1); ++y) {
        set(whole(tip.x - 1), whole(tip.x + 1), y, dot_cell);
    }
}

void TipBand::rows_of(Cell cell, std::vector<PixelRow>& out) const {
    for (int r = 0; r < grid_rows_; ++r) {
        const unsigned char* row = cells_.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_);
        for (int c = 0; c < columns_;) {
            if (row[c] != cell) {
                ++c;
                continue;
            }
            int end = c + 1;
            while (end < columns_ && row[end] == cell) ++end;
            out.push_back({top_ + r, left_ + c, end - c});
            c = end;
        }
    }
}

TipBand::Rows TipBand::replay() {
    Rows rows;
    if (spokes_.empty()) return rows;
    double x0 = spokes_.front().b.x;
    double x1 = x0;
    double y0 = spokes_.front().b.y;
    double y1 = y0;
    for (const Segment& s : spokes_) {
        x0 = std::min(x0, s.b.x);
        x1 = std::max(x1, s.b.x);
        y0 = std::min(y0, s.b.y);
        y1 = std::max(y1, s.b.y);
    }
    left_ = std::max(whole(x0) - reach - 1, 0);
    top_ = std::max(whole(y0) - reach - 1, 0);
    columns_ = std::min(whole(x1) + reach + 2, width_) - left_;
    grid_rows_ = std::min(whole(y1) + reach + 2, height_) - top_;
    if (columns_ > 0 && grid_rows_ > 0) {
        cells_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(grid_rows_), untouched);
        for (std::size_t i = 0; i < spokes_.size(); ++i) {
            paint_spoke(spokes_[i]);
            paint_dot(spokes_[i].b);
        }
        rows_of(spoke_cell, rows.spoke);
        rows_of(dot_cell, rows.dot);
    }
    spokes_.clear();
    return rows;
}

}  // namespace welkin
