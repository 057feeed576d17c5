#include "canvas/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace welkin {

namespace {

const char* kind_name(OpKind kind) {
    switch (kind) {
        case OpKind::set_scale: return "set_scale";
        case OpKind::clear: return "clear";
        case OpKind::pen_width: return "pen_width";
        case OpKind::line: return "line";
        case OpKind::fill_box: return "fill_box";
        case OpKind::box: return "box";
        case OpKind::circle: return "circle";
        case OpKind::text: return "text";
        case OpKind::polygon: return "polygon";
    }
    return "?";
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const CanvasOp& op) {
    out << kind_name(op.kind) << " (" << op.x1 << ", " << op.y1 << ")-(" << op.x2 << ", " << op.y2
        << ") rgb(" << op.colour.r << ", " << op.colour.g << ", " << op.colour.b << ") pen "
        << op.pen_width;
    if (op.kind == OpKind::text) out << " \"" << op.text << "\" " << op.point_size << "pt";
    return out;
}

bool near(const CanvasOp& a, const CanvasOp& b, double tolerance) {
    const auto close = [tolerance](double p, double q) { return std::fabs(p - q) <= tolerance; };
    return a.kind == b.kind && close(a.x1, b.x1) && close(a.y1, b.y1) && close(a.x2, b.x2) &&
           close(a.y2, b.y2) && a.colour == b.colour && a.pen_width == b.pen_width &&
           a.text == b.text && close(a.point_size, b.point_size);
}

RecordingCanvas::RecordingCanvas(int width_px, int height_px)
    : width_px_(width_px), height_px_(height_px) {}

void RecordingCanvas::record(OpKind kind, double x1, double y1, double x2, double y2, Rgb colour) {
    ops.push_back({kind, x1, y1, x2, y2, colour, pen_width_, {}, 0, {}});
}

void RecordingCanvas::set_scale(double left, double top, double width, double height) {
    record(OpKind::set_scale, left, top, width, height, {});
}

void RecordingCanvas::clear(Rgb background) {
    ops.clear();
    record(OpKind::clear, 0, 0, 0, 0, background);
}

void RecordingCanvas::set_pen_width(int pixels) {
    pen_width_ = pixels;
    record(OpKind::pen_width, 0, 0, 0, 0, {});
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, Rgb colour) {
    record(OpKind::line, x1, y1, x2, y2, colour);
}

// A polygon's op carries its bounding box as its two points.
void RecordingCanvas::fill_polygon(std::span<const Point> points, Rgb colour) {
    if (points.empty()) return;
    CanvasOp op{.kind = OpKind::polygon, .x1 = points[0].x, .y1 = points[0].y, .x2 = points[0].x,
                .y2 = points[0].y, .colour = colour, .pen_width = pen_width_};
    for (const Point& p : points) {
        op.x1 = std::min(op.x1, p.x);
        op.y1 = std::min(op.y1, p.y);
        op.x2 = std::max(op.x2, p.x);
        op.y2 = std::max(op.y2, p.y);
    }
    op.points.assign(points.begin(), points.end());
    ops.push_back(std::move(op));
}

void RecordingCanvas::fill_box(double x1, double y1, double x2, double y2, Rgb colour) {
    record(OpKind::fill_box, x1, y1, x2, y2, colour);
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, Rgb colour) {
    record(OpKind::box, x1, y1, x2, y2, colour);
}

void RecordingCanvas::circle(double cx, double cy, double radius, Rgb colour) {
    record(OpKind::circle, cx, cy, radius, 0, colour);
}

void RecordingCanvas::text(double x, double y, std::string_view text, double point_size,
                           Rgb colour) {
    record(OpKind::text, x, y, 0, 0, colour);
    ops.back().text = std::string(text);
    ops.back().point_size = point_size;
}

std::vector<CanvasOp> RecordingCanvas::of_kind(OpKind kind) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops) {
        if (op.kind == kind) out.push_back(op);
    }
    return out;
}

std::vector<CanvasOp> RecordingCanvas::of_kind(OpKind kind, Rgb colour) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& op : ops) {
        if (op.kind == kind && op.colour == colour) out.push_back(op);
    }
    return out;
}

std::optional<std::size_t> RecordingCanvas::find(const CanvasOp& want, double tolerance,
                                                 std::size_t from) const {
    for (std::size_t i = from; i < ops.size(); ++i) {
        if (near(ops[i], want, tolerance)) return i;
    }
    return std::nullopt;
}

std::size_t RecordingCanvas::count(const CanvasOp& want, double tolerance) const {
    std::size_t n = 0;
    for (const CanvasOp& op : ops) {
        if (near(op, want, tolerance)) ++n;
    }
    return n;
}

}  // namespace welkin
