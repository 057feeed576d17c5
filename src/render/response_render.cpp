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

QImage greyed(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            // Half way from the pixel's grey to the window's grey.
            const int grey = (qGray(line[x]) + 200) / 2;
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return out;
}

Result<QString> export_response(const ResponseView& view, QSize size, const QString& path) {
    const Result<QByteArray> bytes =
        drawing_bytes({[&] { return render_response(view, size); },
                       [&](QPaintDevice& device) { paint_onto(view, device); }},
                      size, path);
    if (!bytes) return Result<QString>::failure(bytes.message());
    return write_picture_file(path, *bytes);
}

}  // namespace welkin
