#include "render/companion_pictures.h"

#include <QBuffer>
#include <QFileInfo>
#include <string_view>

#include "panel1d/visualiser.h"
#include "render/picture_export.h"
#include "render/picture_render.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

template <typename Paint>
QImage drawn(QSize size, Paint paint) {
    QImage image = blank_picture(size.expandedTo({1, 1}));
    {
        QtCanvas canvas(image);  // ends its painting before the image is handed on
        paint(canvas);
    }
    return image;
}

}  // namespace

QImage render_front_view(const DesignSnapshot& s, QSize size) {
    return drawn(size, [&](Canvas& c) { paint_front_view(s, c); });
}

Result<QString> export_front_view(DesignSnapshot s, QSize size, const QString& path) {
    const auto refuse = [](const QString& why) {
        return Result<QString>::failure(why.toStdString());
    };
    if (QFileInfo(path).suffix().toLower() != QLatin1String("png"))
        return refuse(
            QStringLiteral("The visualiser is written as PNG; the file name must end in .png: %1")
                .arg(path));
    s.design.visualiser.shown = true;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!render_front_view(s, size).save(&buffer, "PNG"))
        return refuse(QStringLiteral("Cannot write %1: the picture could not be drawn").arg(path));
    return write_picture_file(path, bytes);
}

QImage render_score_icon(ScoreIcon icon, int size_px) {
    return drawn({size_px, size_px}, [&](Canvas& c) { paint_score_icon(icon, c); });
}

QImage render_illustration(Illustration which, QSize size) {
    return drawn(size, [&](Canvas& c) { paint_illustration(which, c); });
}

}  // namespace welkin
