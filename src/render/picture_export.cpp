#include "render/picture_export.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"
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

QString cannot_write(const QString& path) {
    return QStringLiteral("Cannot write %1").arg(path);
}

}  // namespace

QString export_picture(Picture which, const Design& d, QSize size, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return render_picture(which, d, size).save(path, "PNG") ? QString() : cannot_write(path);
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Welkin"));
        paint(which, d, svg);
        return QFileInfo(path).size() > 0 ? QString() : cannot_write(path);
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setResolution(72);  // one point to a pixel of the on-screen picture
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        paint(which, d, pdf);
        return QFileInfo(path).size() > 0 ? QString() : cannot_write(path);
    }
    return QStringLiteral("The file name must end in .png, .svg or .pdf: %1").arg(path);
}

}  // namespace welkin
