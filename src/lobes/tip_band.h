// The grey band along a lobe's tips, pixel for pixel. The sweep drew every
// hertz's spoke with a square-ended pen three pixels wide and a grey dot on
// its tip, which the next hertz's spoke then mostly covered; each pixel kept
// the last stroke over it. TipBand replays those strokes a few pixels deep
// around the tips only, on a small grid of device pixels, and hands back
// the rows that ended in the lobe's colour and those that ended grey.
#pragma once

#include <vector>

#include "canvas/canvas.h"

namespace welkin {

class TipBand {
public:
    // `width`, `height`: the device's pixels, beyond which nothing is kept.
    TipBand(int width, int height) : width_(width), height_(height) {}

    // Spokes in the order they were drawn, in device pixels.
    void add_spoke(Point axis, Point tip) { spokes_.push_back({axis, tip}); }
    void clear() { spokes_.clear(); }

    // Replays the spokes added since the last call and forgets them.
    struct Rows {
        std::vector<PixelRow> spoke;
        std::vector<PixelRow> dot;
    };
    Rows replay();

private:
    // The grid: the tips' bounds and a margin, one byte a pixel.
    enum Cell : unsigned char { untouched, spoke_cell, dot_cell };
    void paint_spoke(Segment spoke);
    void paint_dot(Point tip);
    void set(int x_from, int x_to, int y, Cell cell);
    void rows_of(Cell cell, std::vector<PixelRow>& out) const;

    int width_;
    int height_;
    std::vector<Segment> spokes_;
    int left_ = 0;
    int top_ = 0;
    int columns_ = 0;
    int grid_rows_ = 0;
    std::vector<unsigned char> cells_;
};

}  // namespace welkin
