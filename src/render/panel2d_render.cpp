#include "render/panel2d_render.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "persist/file_io.h"
#include "render/picture_render.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

constexpr QSize panel_picture_px{450, 480};
constexpr QSize crossword_px{420, 450};

// Unsmoothed, as the hatching that fills the blocks' faces is meant to be
// drawn: smoothing a million short strokes costs more than it shows.
void paint_plain(Picture2d which, const Panel2dDrawing& d, QPaintDevice& device) {
    QtCanvas canvas(device);
    canvas.set_smoothing(false);
    paint_picture_2d(which, d, canvas);
}

QByteArray picture_bytes(Picture2d which, const Panel2dDrawing& d, QSize size,
                         const QString& suffix) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        if (!render_picture_2d(which, d, size).save(&buffer, "PNG")) return {};
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Welkin"));
        paint_plain(which, d, svg);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);  // one point to a pixel of the on-screen picture
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        paint_plain(which, d, pdf);
    }
    return bytes;
}

}  // namespace

QSize picture_2d_size(Picture2d which) {
    return which == Picture2d::panel ? panel_picture_px : crossword_px;
}

void paint_picture_2d(Picture2d which, const Panel2dDrawing& d, Canvas& canvas) {
    if (which == Picture2d::panel) {
        paint_panel_picture(d.grid, d.offsets, d.panel, canvas);
    } else {
        paint_crossword(d.grid, d.offsets, d.crossword, canvas);
    }
}

QImage render_picture_2d(Picture2d which, const Panel2dDrawing& d, QSize size) {
    QImage image = blank_picture(size);
    paint_plain(which, d, image);
    return image;
}

QString export_picture_2d(Picture2d which, const Panel2dDrawing& d, QSize size,
                          const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf")) {
        return QStringLiteral("The file name must end in .png, .svg or .pdf: %1").arg(path);
    }
    const QByteArray bytes = picture_bytes(which, d, size, suffix);
    const Result<std::string> written =
        bytes.isEmpty() ? Result<std::string>::failure("the picture could not be drawn")
                        : write_file_atomically(
                              path.toStdString(),
                              std::string_view(bytes.constData(),
                                               static_cast<std::size_t>(bytes.size())));
    if (written) return {};
    return QStringLiteral("Cannot write %1: %2").arg(path, QString::fromStdString(written.message()));
}

}  // namespace welkin
