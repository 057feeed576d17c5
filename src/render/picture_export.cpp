#include "render/picture_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"
#include "persist/file_io.h"
#include "render/picture_render.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

void paint(Picture which, const DesignSnapshot& s, QPaintDevice& device) {
    QtCanvas canvas(device);
    switch (which) {
        case Picture::cross_section: paint_cross_section(s, canvas); break;
        case Picture::phase_wheel: paint_phase_wheel(s, canvas); break;
        case Picture::scatter: paint_scatter(s, canvas); break;
    }
}

}  // namespace

Result<QByteArray> drawing_bytes(const Drawing& drawing, QSize size, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        drawing.raster().save(&buffer, "PNG");
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Welkin"));
        drawing.paint(svg);
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);  // one point to a pixel of the on-screen picture
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        drawing.paint(pdf);
    } else {
        return Result<QByteArray>::failure(
            QStringLiteral("The file name must end in .png, .svg or .pdf: %1")
                .arg(path)
                .toStdString());
    }
    if (bytes.isEmpty()) {
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot write %1: the picture could not be drawn")
                .arg(path)
                .toStdString());
    }
    return bytes;
}

Result<QString> write_picture_file(const QString& path, const QByteArray& bytes) {
    const Result<std::string> written = write_file_atomically(
        path.toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (written) return path;
    return Result<QString>::failure(QStringLiteral("Cannot write %1: %2")
                                        .arg(path, QString::fromStdString(written.message()))
                                        .toStdString());
}

Result<QString> export_drawing(const Drawing& drawing, QSize size, const QString& path) {
    const Result<QByteArray> bytes = drawing_bytes(drawing, size, path);
    if (!bytes) return Result<QString>::failure(bytes.message());
    return write_picture_file(path, *bytes);
}

QImage render_sheet(const SheetPainter& paint, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    {
        QtCanvas canvas(image);  // ends its painting before the image is handed on
        paint(canvas);
    }
    return image;
}

Result<QString> export_sheet(const SheetPainter& paint, QSize size, const QString& path) {
    return export_drawing({[&] { return render_sheet(paint, size); },
                           [&](QPaintDevice& device) {
                               QtCanvas canvas(device);
                               paint(canvas);
                           }},
                          size, path);
}

Result<QString> export_picture(Picture which, const DesignSnapshot& s, QSize size,
                               const QString& path) {
    return export_drawing({[&] { return render_picture(which, s, size); },
                           [&](QPaintDevice& device) { paint(which, s, device); }},
                          size, path);
}

}  // namespace welkin
