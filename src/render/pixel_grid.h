// Solid lines and boxes set straight into an image's 32-bit pixels, each
// pixel where Qt's raster engine puts it unsmoothed: lines as a cosmetic pen
// of width one with square ends, boxes as a rectangle filled. Thousands of
// lines and boxes a few pixels long cost Qt far more in calls than in
// pixels; here they cost the pixels.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QRgb>
#include <span>

namespace welkin {

struct PixelGrid {
    QRgb* pixels;
    int per_line;  // pixels from one row's start to the next
    int width;
    int height;
};

// Each line in device coordinates, drawn in order over what is there.
void draw_aliased_lines(PixelGrid grid, std::span<const QLineF> lines, QRgb colour);

// The box in device coordinates, its edges rounded to whole pixels.
void fill_aliased_box(PixelGrid grid, const QRectF& box, QRgb colour);

}  // namespace welkin
