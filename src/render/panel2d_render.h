// The 2D window's two pictures as images and files: the same painters for
// the screen, the clipboard, the printer and export.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "panel2d/crossword.h"
#include "panel2d/panel2d_picture.h"

namespace welkin {

// Everything one drawing of the 2D panel depends on.
struct Panel2dDrawing {
    Grid2d grid;
    Offsets2d offsets;
    PanelPictureOptions panel;
    CrosswordOptions crossword;
};

// The pictures' sizes in the 2D window (the panel picture at full size).
QSize picture_2d_size(Picture2d which);

void paint_picture_2d(Picture2d which, const Panel2dDrawing& d, Canvas& canvas);
QImage render_picture_2d(Picture2d which, const Panel2dDrawing& d, QSize size);

struct Pictures2d {
    QImage panel;
    QImage crossword;
};
// Both pictures, the panel drawn on a second thread while this one draws
// the crossword: a click that moves the offsets waits for the longer of the
// two, not for both.
Pictures2d render_pictures_2d(const Panel2dDrawing& d, QSize panel, QSize crossword);

// PNG, SVG or PDF by the file's extension; the path written, or why not.
Result<QString> export_picture_2d(Picture2d which, const Panel2dDrawing& d, QSize size,
                                  const QString& path);

}  // namespace welkin
