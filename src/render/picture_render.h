// The three pictures of the main window as images, at the size the window
// shows them: one drawing routine for the screen, the clipboard and files.
#pragma once

#include <QImage>
#include <QSize>

#include "core/design.h"
#include "core/design_snapshot.h"
#include "panel1d/picture.h"

namespace welkin {

// The size a picture takes in the main window for this design: the
// cross-section and the scatter strip follow the drawing scale.
QSize picture_size(Picture which, const Design& d, double panel_width_mm);

// A new image of the picture drawn for the design.
QImage render_picture(Picture which, const DesignSnapshot& s, QSize size);

// The image a picture shows before anything was drawn in it.
QImage blank_picture(QSize size);

}  // namespace welkin
