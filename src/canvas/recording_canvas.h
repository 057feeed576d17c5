// A Canvas that draws nothing and keeps every call as an op, so that a test
// can ask what a painter drew ("a filled box from (0, 4) to (7, 7) in grey")
// and a benchmark can time the painters without a device.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace welkin {

enum class OpKind { set_scale, clear, pen_width, line, fill_box, box, circle, text, polygon };

struct CanvasOp {
    OpKind kind = OpKind::line;
    // line, fill_box, box: the two points; circle: centre (x1, y1) and
    // radius x2; text: position (x1, y1); set_scale: left x1, top y1,
    // width x2, height y2.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    Rgb colour{};        // the background for clear
    int pen_width = 1;   // the width in force (the new one for pen_width)
    std::string text{};  // text only
    double point_size = 0;
    std::vector<Point> points{};  // polygon only
    friend bool operator==(const CanvasOp&, const CanvasOp&) = default;
};

// One line per op, for failure messages.
std::ostream& operator<<(std::ostream& out, const CanvasOp& op);

// The same op with every coordinate and the point size within `tolerance`.
bool near(const CanvasOp& a, const CanvasOp& b, double tolerance);

class RecordingCanvas final : public Canvas {
public:
    RecordingCanvas(int width_px, int height_px);

    int width_px() const override { return width_px_; }
    int height_px() const override { return height_px_; }

    void set_scale(double left, double top, double width, double height) override;
    // Forgets the ops recorded so far, as a device forgets its pixels.
    void clear(Rgb background) override;
    void set_pen_width(int pixels) override;
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void fill_polygon(std::span<const Point> points, Rgb colour) override;
    // Kept as one polygon op, its edge the pen width in force.
    void fill_polygon_edged(std::span<const Point> points, Rgb colour) override {
        fill_polygon(points, colour);
    }
    void fill_box(double x1, double y1, double x2, double y2, Rgb colour) override;
    void box(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void text(double x, double y, std::string_view text, double point_size, Rgb colour) override;

    std::vector<CanvasOp> of_kind(OpKind kind) const;
    std::vector<CanvasOp> of_kind(OpKind kind, Rgb colour) const;
    // The first op at or after `from` near `want`, and how many there are.
    std::optional<std::size_t> find(const CanvasOp& want, double tolerance = 1e-9,
                                    std::size_t from = 0) const;
    std::size_t count(const CanvasOp& want, double tolerance = 1e-9) const;

    std::vector<CanvasOp> ops;

private:
    void record(OpKind kind, double x1, double y1, double x2, double y2, Rgb colour);

    int width_px_;
    int height_px_;
    int pen_width_ = 1;
};

}  // namespace welkin
