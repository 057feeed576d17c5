#include "render/build_sheet_render.h"

#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

#include "render/qt_canvas.h"
#include "units/length_text.h"

namespace welkin {

namespace {

constexpr int pdf_dpi = 300;

}  // namespace

Paper paper_for_locale() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? paper_letter : paper_a4;
}

Result<QByteArray> build_sheet_pdf(const BuildPlan& plan, const Paper& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(pdf_dpi);
        pdf.setPageSize(QPageSize(QSizeF(paper.width_mm, paper.height_mm), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(QStringLiteral("Welkin build sheet"));
        pdf.setCreator(QStringLiteral("Welkin"));
        QtCanvas canvas(pdf);
        const int pages = sheet_page_count(plan, paper);
        for (int page = 0; page < pages; ++page) {
            if (page > 0) pdf.newPage();
            paint_sheet_page(plan, paper, page, canvas);
        }
    }
    if (bytes.isEmpty()) return Result<QByteArray>::failure("The build sheet could not be drawn");
    return bytes;
}

QImage render_sheet_page(const BuildPlan& plan, const Paper& paper, int page, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    // Text is sized in points: the image's resolution makes a point the same
    // share of the page as on paper.
    const int dots_per_metre = static_cast<int>(size.width() / paper.width_mm * mm_per_metre);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    QtCanvas canvas(image);
    paint_sheet_page(plan, paper, page, canvas);
    return image;
}

}  // namespace welkin
