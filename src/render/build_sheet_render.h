// The build sheet on Qt's devices: a multi-page PDF for the workshop, and
// a page as an image for the Build window's preview.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "build/build_sheet.h"
#include "units/result.h"

namespace welkin {

// A4, or Letter where the locale measures in US units.
Paper paper_for_locale();

Result<QByteArray> build_sheet_pdf(const BuildPlan& plan, const Paper& paper);

QImage render_sheet_page(const BuildPlan& plan, const Paper& paper, int page, QSize size);

}  // namespace welkin
