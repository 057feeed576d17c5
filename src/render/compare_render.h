// The comparison sheet drawn whole: into a QImage for the Compare window,
// or as PNG, SVG and PDF files.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "compare/comparison.h"
#include "units/result.h"

namespace welkin {

inline constexpr QSize comparison_default_size{1200, 700};

QImage render_comparison(const Comparison& comparison, QSize size);

// Writes PNG, SVG or PDF by the file's extension. The path written, or
// "Cannot write PATH: reason" or why the format is refused.
Result<QString> export_comparison(const Comparison& comparison, QSize size, const QString& path);

}  // namespace welkin
