// The polar response sheet (the polar plot beside the one-third-octave
// chart) drawn whole: into a QImage for the window, the clipboard and PNG
// files, or onto SVG and PDF devices.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "response/response_view.h"

namespace welkin {

inline constexpr QSize response_default_size{1200, 600};

QImage render_response(const ResponseView& view, QSize size);

// The sheet as the window shows it while the design on screen is refused:
// in pale grey, still readable, plainly not current.
QImage greyed(const QImage& image);

// Writes PNG, SVG or PDF by the file's extension. The path written, or
// "Cannot write PATH: reason" or why the format is refused.
Result<QString> export_response(const ResponseView& view, QSize size, const QString& path);

}  // namespace welkin
