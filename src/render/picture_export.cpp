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

void paint(Picture which, const Design& d, QPaintDevice& device) {
    QtCanvas canvas(device);
    switch (which) {
        case Picture::cross_section: paint_cross_section(d, canvas); break;
        case Picture::phase_wheel: paint_phase_wheel(d, canvas); break;
        case Picture::scatter: paint_scatter(d, canvas); break;
    }
}

// The picture's file bytes, drawn into memory so that nothing touches the
// file until they are complete.
QByteArray picture_bytes(Picture which, const Design& d, QSize size, const QString& suffix) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        if (!render_picture(which, d, size).save(&buffer, "PNG")) return {};
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Welkin"));
        paint(which, d, svg);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);  // one point to a pixel of the on-screen picture
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        paint(which, d, pdf);
    }
    return bytes;
}

}  // namespace

QString export_picture(Picture which, const Design& d, QSize size, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf")) {
        return QStringLiteral("The file name must end in .png, .svg or .pdf: %1").arg(path);
    }
    const QByteArray bytes = picture_bytes(which, d, size, suffix);
    const std::string file = path.toStdString();
    const Result<std::string> written =
        bytes.isEmpty() ? Result<std::string>::failure("the picture could not be drawn")
                        : write_file_atomically(
                              file, std::string_view(bytes.constData(),
                                                     static_cast<std::size_t>(bytes.size())));
    if (written) return {};
    return QStringLiteral("Cannot write %1: %2").arg(path, QString::fromStdString(written.message()));
}

}  // namespace welkin
