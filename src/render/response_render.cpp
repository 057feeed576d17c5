#include "render/response_render.h"

#include "render/picture_export.h"
#include "response/response_sheet.h"

namespace welkin {

namespace {

SheetPainter sheet_of(const ResponseView& view) {
    return [&view](Canvas& canvas) { paint_response_sheet(view, canvas); };
}

}  // namespace

QImage render_response(const ResponseView& view, QSize size) {
    return render_sheet(sheet_of(view), size);
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
    return export_sheet(sheet_of(view), size, path);
}

}  // namespace welkin
