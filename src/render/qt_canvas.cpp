#include "render/qt_canvas.h"

#include "render/pixel_grid.h"
#include "render/qt_text.h"

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace welkin {

QColor to_qcolor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QString colour_style(std::string_view property, Rgb colour) {
    return QStringLiteral("%1: %2;").arg(qs(property), to_qcolor(colour).name());
}

QFont picture_font() {
    QFont font;
    // Every picture's texts were laid out for Arial's widths; where Arial
    // itself is missing, fontconfig maps the name to a font of the same
    // metrics (Liberation Sans), and a sans serif font stands in for both.
    font.setFamily(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

namespace {

QImage* opaque_32_bit(QPaintDevice& device) {
    auto* image = dynamic_cast<QImage*>(&device);
    if (image == nullptr) return nullptr;
    const QImage::Format f = image->format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied ? image : nullptr;
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device)
    : painter_(&device),
      image_(opaque_32_bit(device)),
      width_(device.width()),
      height_(device.height()) {
    // The painter is this canvas's own and never clips, scales, fades or
    // changes how it composes, so what the device gives it now holds.
    plain_image_ = image_ != nullptr && painter_.isActive() && !painter_.hasClipping() &&
                   painter_.deviceTransform().isIdentity();
    painter_.setFont(picture_font());
    set_scale(0, 0, width_, height_);
}

void QtCanvas::set_scale(double left, double top, double width, double height) {
    // A zero-sized scale would make every point infinite; keep the old one.
    if (!(std::isfinite(width) && std::isfinite(height)) || width == 0 || height == 0) return;
    const double sx = width_ / width;
    const double sy = height_ / height;
    to_device_ = QTransform(sx, 0, 0, sy, -left * sx, -top * sy);
}

void QtCanvas::clear(Rgb background) {
    painter_.resetTransform();
    painter_.fillRect(QRect(0, 0, width_, height_), to_qcolor(background));
}

QPen QtCanvas::pen(Rgb colour) const {
    QPen p(to_qcolor(colour));
    p.setWidth(pen_width_);
    p.setCosmetic(true);  // pixels, whatever the scale
    return p;
}

void QtCanvas::line(double x1, double y1, double x2, double y2, Rgb colour) {
    const QPointF a = to_device_.map(QPointF(x1, y1));
    const QPointF b = to_device_.map(QPointF(x2, y2));
    // Slanted strokes look better smoothed; upright ones stay crisp.
    painter_.setRenderHint(QPainter::Antialiasing, smoothing_ && x1 != x2 && y1 != y2);
    // Long runs of lines share a pen; changing it costs more than the line.
    if (!line_pen_ || line_pen_->colour != colour || line_pen_->width != pen_width_) {
        painter_.setPen(pen(colour));
        forget_pen();
        line_pen_ = LinePen{colour, pen_width_};
    }
    painter_.drawLine(a, b);
}

void QtCanvas::polyline(std::span<const Point> points, Rgb colour) {
    QPolygonF device_points;
    device_points.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points) device_points << to_device_.map(QPointF(p.x, p.y));
    painter_.setRenderHint(QPainter::Antialiasing, smoothing_);
    painter_.setPen(pen(colour));
    forget_pen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(device_points);
}

// An image takes the lines as they are; a file device gets them as one
// path, one element of an SVG instead of one a line.
void QtCanvas::lines(std::span<const Segment> segments, Rgb colour) {
    if (segments.empty()) return;
    if (sets_line_pixels()) {
        std::vector<QLineF> device_lines;
        device_lines.reserve(segments.size());
        for (const Segment& s : segments) device_lines.emplace_back(device_point(s.a), device_point(s.b));
        draw_aliased_lines(pixel_grid(), device_lines, qRgb(colour.r, colour.g, colour.b));
        return;
    }
    painter_.setRenderHint(QPainter::Antialiasing, smoothing_);
    painter_.setPen(pen(colour));
    forget_pen();
    painter_.setBrush(Qt::NoBrush);
    if (painter_.paintEngine()->type() == QPaintEngine::Raster) {
        QVector<QLineF> device_lines;
        device_lines.reserve(static_cast<qsizetype>(segments.size()));
        for (const Segment& s : segments) {
            device_lines.append(QLineF(device_point(s.a), device_point(s.b)));
        }
        painter_.drawLines(device_lines);
        return;
    }
    QPainterPath path;
    for (const Segment& s : segments) {
        path.moveTo(device_point(s.a));
        path.lineTo(device_point(s.b));
    }
    painter_.drawPath(path);
}

void QtCanvas::fill_polygon(std::span<const Point> points, Rgb colour) {
    QPolygonF device_points;
    device_points.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points) device_points << device_point(p);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(Qt::NoPen);
    forget_pen();
    painter_.setBrush(to_qcolor(colour));
    painter_.drawPolygon(device_points, Qt::WindingFill);
}

void QtCanvas::fill_polygon_edged(std::span<const Point> points, Rgb colour) {
    QPolygonF device_points;
    device_points.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points) device_points << device_point(p);
    painter_.setRenderHint(QPainter::Antialiasing, smoothing_);
    painter_.setPen(pen(colour));
    forget_pen();
    painter_.setBrush(to_qcolor(colour));
    painter_.drawPolygon(device_points, Qt::WindingFill);
}

void QtCanvas::fill_box(double x1, double y1, double x2, double y2, Rgb colour) {
    const QRectF r =
        QRectF(to_device_.map(QPointF(x1, y1)), to_device_.map(QPointF(x2, y2))).normalized();
    if (plain_image_) {
        fill_aliased_box(pixel_grid(), r, qRgb(colour.r, colour.g, colour.b));
        return;
    }
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.fillRect(r, to_qcolor(colour));
}

void QtCanvas::box(double x1, double y1, double x2, double y2, Rgb colour) {
    const QRectF r =
        QRectF(to_device_.map(QPointF(x1, y1)), to_device_.map(QPointF(x2, y2))).normalized();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen(colour));
    forget_pen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(r);
}

void QtCanvas::circle(double cx, double cy, double radius, Rgb colour) {
    const QPointF c = to_device_.map(QPointF(cx, cy));
    const double r = radius * to_device_.m11();
    painter_.setRenderHint(QPainter::Antialiasing, smoothing_);
    painter_.setPen(pen(colour));
    forget_pen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(c, r, r);
}

// The painter draws into the image's own pixels as it goes, so setting
// them here between its strokes keeps the order of drawing.
void QtCanvas::pixel_rows(std::span<const PixelRow> rows, Rgb colour) {
    if (!on_image()) return;
    if (image_ == nullptr) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        const QColor c = to_qcolor(colour);
        for (const PixelRow& row : rows) painter_.fillRect(QRect(row.x, row.y, row.length, 1), c);
        return;
    }
    const PixelGrid grid = pixel_grid();
    const QRgb pixel = qRgb(colour.r, colour.g, colour.b);
    for (const PixelRow& row : rows) fill_aliased_box(grid, QRectF(row.x, row.y, row.length, 1), pixel);
}

// Unsmoothed hairlines on a plain image.
bool QtCanvas::sets_line_pixels() const {
    return !smoothing_ && pen_width_ <= 1 && plain_image_;
}

// The image's pixels, read without detaching them from the painter's, so
// that what is set here lands where the painter draws.
PixelGrid QtCanvas::pixel_grid() const {
    auto* first = reinterpret_cast<QRgb*>(const_cast<uchar*>(image_->constScanLine(0)));
    return {first, static_cast<int>(image_->bytesPerLine() / 4), width_, height_};
}

bool QtCanvas::on_image() const {
    return painter_.paintEngine() != nullptr &&
           painter_.paintEngine()->type() == QPaintEngine::Raster;
}

void QtCanvas::use_font(double point_size) {
    if (point_size > 0 && painter_.font().pointSizeF() != point_size) {
        QFont font = painter_.font();
        font.setPointSizeF(point_size);
        painter_.setFont(font);
    }
}

void QtCanvas::use_text(double point_size, Rgb colour) {
    use_font(point_size);
    if (text_pen_ != colour) {
        painter_.setPen(to_qcolor(colour));
        forget_pen();
        text_pen_ = colour;
    }
}

// A text is laid out once per canvas and size, then placed wherever it is
// drawn again: the crossword writes a few numbers thousands of times.
const QStaticText& QtCanvas::laid_out(std::string_view text) {
    auto key = std::make_pair(painter_.font().pointSizeF(), std::string(text));
    auto found = laid_out_.find(key);
    if (found == laid_out_.end()) {
        QStaticText fixed(qs(text));
        fixed.setTextFormat(Qt::PlainText);
        fixed.prepare(QTransform(), painter_.font());
        found = laid_out_.emplace(std::move(key), fixed).first;
    }
    return found->second;
}

void QtCanvas::text(double x, double y, std::string_view text, double point_size, Rgb colour) {
    use_text(point_size, colour);
    const QPointF p = to_device_.map(QPointF(x, y));
    if (text.find('\n') != std::string_view::npos) {
        painter_.drawText(QRectF(p, QSizeF(width_, height_)), Qt::AlignLeft | Qt::AlignTop,
                          qs(text));
        return;
    }
    painter_.drawStaticText(p, laid_out(text));
}

std::optional<Point> QtCanvas::text_size(std::string_view text, double point_size) {
    if (!on_image() || text.find('\n') != std::string_view::npos) return std::nullopt;
    use_font(point_size);
    const QSizeF size = laid_out(text).size();
    return Point{size.width() / to_device_.m11(), size.height() / to_device_.m22()};
}

// Every place's glyphs as one run: one call into the painter instead of one
// a place, each glyph where the laid-out text would put it.
void QtCanvas::texts(std::span<const Point> corners, std::string_view text, double point_size,
                     Rgb colour) {
    if (!on_image() || text.find('\n') != std::string_view::npos) {
        Canvas::texts(corners, text, point_size, colour);
        return;
    }
    use_text(point_size, colour);
    auto key = std::make_pair(painter_.font().pointSizeF(), std::string(text));
    auto found = glyphs_.find(key);
    if (found == glyphs_.end()) {
        QTextLayout layout(qs(text), painter_.font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        found = glyphs_.emplace(std::move(key), layout.glyphRuns()).first;
    }
    for (const QGlyphRun& run : found->second) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QList<quint32> all_indexes;
        QList<QPointF> all_positions;
        all_indexes.reserve(indexes.size() * static_cast<qsizetype>(corners.size()));
        all_positions.reserve(all_indexes.capacity());
        for (const Point& corner : corners) {
            const QPointF at = device_point(corner);
            all_indexes.append(indexes);
            for (const QPointF& p : positions) all_positions.append(at + p);
        }
        QGlyphRun placed = run;
        placed.setGlyphIndexes(all_indexes);
        placed.setPositions(all_positions);
        painter_.drawGlyphRun(QPointF(0, 0), placed);
    }
}

}  // namespace welkin
