// The pictures of the visualiser and scorecard windows as images: one
// drawing routine for the screen, the clipboard and welkin-cli's files.
#pragma once

#include <QImage>
#include <QString>
#include <QSize>

#include "core/design.h"
#include "core/design_snapshot.h"
#include "panel1d/scorecard_pictures.h"

namespace welkin {

// The visualiser's front view at a pixel size (15 twips to a pixel).
QImage render_front_view(const DesignSnapshot& s, QSize size);

// The front view as welkin-cli writes it: drawn for the design's visualiser
// settings as if "Show Visualizer" were checked, into a PNG file. The path
// written, or why the file was not written.
Result<QString> export_front_view(DesignSnapshot s, QSize size, const QString& path);

QImage render_score_icon(ScoreIcon icon, int size_px);
QImage render_illustration(Illustration which, QSize size);

}  // namespace welkin
