// Drawing in a picture's own logical coordinates.
//
// Painters describe a picture the way the program thinks of it (x in wells,
// y in depth units, ...) and never know whether the strokes land on the
// screen, in an SVG or PDF file, on a printer or in a test's recording.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "canvas/rgb.h"

namespace welkin {

// The window layout unit: 1/1440 inch, 15 to a pixel at 96 dpi.
inline constexpr double twips_per_pixel = 15.0;

// A point in the picture's logical coordinates.
struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A straight line between two points.
struct Segment {
    Point a;
    Point b;
};

// A row of whole device pixels: `length` of them from (x, y) rightwards.
struct PixelRow {
    int y = 0;
    int x = 0;
    int length = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The device's size in pixels.
    virtual int width_px() const = 0;
    virtual int height_px() const = 0;
    double width_twips() const { return width_px() * twips_per_pixel; }
    double height_twips() const { return height_px() * twips_per_pixel; }

    // Maps (left, top) to the device's top-left corner and
    // (left + width, top + height) to its bottom-right corner.
    virtual void set_scale(double left, double top, double width, double height) = 0;

    // Fills the whole device and forgets what was drawn.
    virtual void clear(Rgb background) = 0;
    // Line width in pixels for the strokes that follow (1 unless set).
    virtual void set_pen_width(int pixels) = 0;

    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // Lines joining the points in turn, as one stroke where the device can
    // (one path in an SVG instead of a line per segment).
    virtual void polyline(std::span<const Point> points, Rgb colour) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, colour);
        }
    }
    // Separate lines of one colour, as one stroke where the device can.
    virtual void lines(std::span<const Segment> segments, Rgb colour) {
        for (const Segment& s : segments) line(s.a.x, s.a.y, s.b.x, s.b.y, colour);
    }
    // A filled polygon without an outline; the last point joins the first.
    virtual void fill_polygon(std::span<const Point> points, Rgb colour) = 0;
    // A filled polygon with its edge drawn in the same colour at the current
    // pen width: a sheet of strokes of that width, drawn as one shape.
    virtual void fill_polygon_edged(std::span<const Point> points, Rgb colour) {
        fill_polygon(points, colour);
        if (points.size() < 2) return;
        polyline(points, colour);
        line(points.back().x, points.back().y, points.front().x, points.front().y, colour);
    }
    // A filled rectangle between two corners, in any order.
    virtual void fill_box(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // The outline of a rectangle.
    virtual void box(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // A circle; the radius is measured in x units.
    virtual void circle(double cx, double cy, double radius, Rgb colour) = 0;
    // Text whose top-left corner is at (x, y).
    virtual void text(double x, double y, std::string_view text, double point_size, Rgb colour) = 0;
    // The width and height a text takes, in logical units, where the device
    // measures its texts.
    virtual std::optional<Point> text_size(std::string_view /*text*/, double /*point_size*/) {
        return std::nullopt;
    }
    // One text at many top-left corners, in any order: for places where no
    // two of them overlap.
    virtual void texts(std::span<const Point> corners, std::string_view text, double point_size,
                       Rgb colour) {
        for (const Point& p : corners) this->text(p.x, p.y, text, point_size, colour);
    }
    // Whether the device is a grid of pixels that pixel_rows can set.
    virtual bool draws_pixels() const { return false; }
    // Sets whole device pixels, where draws_pixels says it can.
    virtual void pixel_rows(std::span<const PixelRow> /*rows*/, Rgb /*colour*/) {}
};

}  // namespace welkin
