// A Canvas over any Qt paint device: the persistent images of the main
// window's pictures, SVG and PDF files, printers.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <map>
#include <string>
#include <utility>
#include <QTransform>
#include <optional>

#include "canvas/canvas.h"
#include "render/pixel_grid.h"

class QPaintDevice;

namespace welkin {

class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(QPaintDevice& device);

    int width_px() const override { return width_; }
    int height_px() const override { return height_; }
    void set_scale(double left, double top, double width, double height) override;
    void clear(Rgb background) override;
    void set_pen_width(int pixels) override { pen_width_ = pixels; }
    // Slanted lines and circles are smoothed unless this is turned off (the
    // lobes picture, whose million strokes are plain solid lines).
    void set_smoothing(bool on) { smoothing_ = on; }
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void polyline(std::span<const Point> points, Rgb colour) override;
    void lines(std::span<const Segment> segments, Rgb colour) override;
    void fill_polygon(std::span<const Point> points, Rgb colour) override;
    void fill_polygon_edged(std::span<const Point> points, Rgb colour) override;
    void fill_box(double x1, double y1, double x2, double y2, Rgb colour) override;
    void box(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void text(double x, double y, std::string_view text, double point_size, Rgb colour) override;
    // Measured and written in batches on images only: a file keeps each
    // text where the painter wrote it.
    std::optional<Point> text_size(std::string_view text, double point_size) override;
    void texts(std::span<const Point> corners, std::string_view text, double point_size,
               Rgb colour) override;
    bool draws_pixels() const override { return on_image(); }
    // Straight into the image's pixels where it has 32 bits a pixel.
    void pixel_rows(std::span<const PixelRow> rows, Rgb colour) override;

private:
    QPen pen(Rgb colour) const;
    QPointF device_point(Point p) const { return to_device_.map(QPointF(p.x, p.y)); }

    QPainter painter_;
    QImage* image_;  // the device, where it is an image of opaque 32-bit pixels
    // An image of opaque pixels under a painter that draws where it is told.
    bool plain_image_ = false;
    int width_;
    int height_;
    QTransform to_device_;
    int pen_width_ = 1;
    bool smoothing_ = true;
    struct LinePen {
        Rgb colour;
        int width;
    };
    // The pen the painter holds, when a line or a text set it.
    std::optional<LinePen> line_pen_;
    std::optional<Rgb> text_pen_;
    bool on_image() const;
    bool sets_line_pixels() const;
    PixelGrid pixel_grid() const;
    void use_font(double point_size);
    void use_text(double point_size, Rgb colour);
    const QStaticText& laid_out(std::string_view text);
    void forget_pen() {
        line_pen_.reset();
        text_pen_.reset();
    }
    std::map<std::pair<double, std::string>, QStaticText> laid_out_;  // texts by point size and text
    std::map<std::pair<double, std::string>, QList<QGlyphRun>> glyphs_;  // the same as glyphs
};

QColor to_qcolor(Rgb colour);

// The font the pictures write in, at the application's size.
QFont picture_font();

// A style-sheet declaration such as "color: #c00000;".
QString colour_style(std::string_view property, Rgb colour);

}  // namespace welkin
