// The 2D pictures drawn the old way, stroke by stroke: faces hatched with
// parallel lines, every depth line and outline drawn and then covered by the
// blocks in front. Kept only as the reference the reduced drawing is compared
// with, pixel for pixel.
#pragma once

#include "canvas/canvas.h"
#include "panel2d/crossword.h"
#include "panel2d/panel2d_picture.h"

namespace welkin {

void replay_panel_picture(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                          Canvas& canvas);
// Each cell filled, outlined and written in turn.
void replay_crossword(const Grid2d& g, const Offsets2d& o, const CrosswordOptions& options,
                      Canvas& canvas);

}  // namespace welkin
