#include "render/response_render.h"

#include "render/picture_export.h"
#include "render/qt_canvas.h"
#include "response/response_sheet.h"

namespace welkin {

namespace {

void paint_onto(const ResponseView& view, QPaintDevice& device) {
    QtCanvas canvas(device);
    paint_response_sheet(view, canvas);
}

}  // namespace

QImage render_response(const ResponseView& view, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    paint_onto(view, image);
    return image;
}

QString export_response(const ResponseView& view, QSize size, const QString& path) {
    const Result<QByteArray> bytes =
        drawing_bytes({[&] { return render_response(view, size); },
                       [&](QPaintDevice& device) { paint_onto(view, device); }},
                      size, path);
    if (!bytes) return QString::fromStdString(bytes.message());
    return write_picture_file(path, *bytes);
}

}  // namespace welkin
