#include "render/compare_render.h"

#include "compare/comparison_sheet.h"
#include "render/picture_export.h"

namespace welkin {

namespace {

SheetPainter sheet_of(const Comparison& comparison) {
    return [&comparison](Canvas& canvas) { paint_comparison_sheet(comparison, canvas); };
}

}  // namespace

QImage render_comparison(const Comparison& comparison, QSize size) {
    return render_sheet(sheet_of(comparison), size);
}

Result<QString> export_comparison(const Comparison& comparison, QSize size,
                                  const QString& path) {
    return export_sheet(sheet_of(comparison), size, path);
}

}  // namespace welkin
