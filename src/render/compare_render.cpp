#include "render/compare_render.h"

#include "compare/comparison_sheet.h"
#include "render/picture_export.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

void paint_onto(const Comparison& comparison, QPaintDevice& device) {
    QtCanvas canvas(device);
    paint_comparison_sheet(comparison, canvas);
}

}  // namespace

QImage render_comparison(const Comparison& comparison, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    paint_onto(comparison, image);
    return image;
}

Result<QString> export_comparison(const Comparison& comparison, QSize size,
                                  const QString& path) {
    const Result<QByteArray> bytes =
        drawing_bytes({[&] { return render_comparison(comparison, size); },
                       [&](QPaintDevice& device) { paint_onto(comparison, device); }},
                      size, path);
    if (!bytes) return Result<QString>::failure(bytes.message());
    return write_picture_file(path, *bytes);
}

}  // namespace welkin
