// A picture written to a file: PNG, SVG or PDF by the file's extension,
// drawn by the same painter as the window's.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <functional>

#include "canvas/canvas.h"
#include "core/design_snapshot.h"
#include "panel1d/picture.h"
#include "units/result.h"

namespace welkin {

// How a picture draws itself: into a raster image for PNG, and onto any
// paint device (an SVG generator, a PDF writer) for the vector formats.
struct Drawing {
    std::function<QImage()> raster;
    std::function<void(QPaintDevice&)> paint;
};

// The file's bytes for the format its extension names, drawn into memory so
// that nothing touches the file until they are complete; or why not.
Result<QByteArray> drawing_bytes(const Drawing& drawing, QSize size, const QString& path);

// Writes the bytes whole or not at all. Gives the path written, or
// "Cannot write PATH: reason".
Result<QString> write_picture_file(const QString& path, const QByteArray& bytes);

// drawing_bytes, then write_picture_file.
Result<QString> export_drawing(const Drawing& drawing, QSize size, const QString& path);

// A sheet one painter draws whole, every pixel of it, on any Canvas: the
// same strokes into an image and onto the vector devices.
using SheetPainter = std::function<void(Canvas&)>;

// A new image of the sheet.
QImage render_sheet(const SheetPainter& paint, QSize size);

// Writes PNG, SVG or PDF by the file's extension. The path written, or
// "Cannot write PATH: reason" or why the format is refused.
Result<QString> export_sheet(const SheetPainter& paint, QSize size, const QString& path);

// The path written, or why the file was not written.
Result<QString> export_picture(Picture which, const DesignSnapshot& s, QSize size,
                               const QString& path);

}  // namespace welkin
