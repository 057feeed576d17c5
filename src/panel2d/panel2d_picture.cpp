#include "panel2d/panel2d_picture.h"

#include <algorithm>

#include "panel2d/panel2d_scene.h"

namespace welkin {

double panel_picture_width(int n) {
    return 1.4 * n + 4;
}

double panel_picture_height(int n) {
    return 1.5 * n + 2;
}

void paint_panel_picture(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                         Canvas& canvas) {
    canvas.set_scale(0, 0, panel_picture_width(g.n), panel_picture_height(g.n));
    canvas.clear(rgb_white);
    if (g.n < 1) return;
    const Point pixel{panel_picture_width(g.n) / std::max(canvas.width_px(), 1),
                      panel_picture_height(g.n) / std::max(canvas.height_px(), 1)};
    const PanelScene scene = panel_scene(g, o, options, pixel);
    canvas.lines(scene.wall_lines, wall_depth_line_colour);
    canvas.lines(scene.frame_lines, box_frame_colour);
    for (const SceneFill& fill : scene.fills) canvas.fill_polygon(fill.outline, fill.colour);
    for (const auto& [face, colour] : scene.flat_faces) {
        canvas.line(face.a.x, face.a.y, face.b.x, face.b.y, colour);
    }
    canvas.lines(scene.depth_lines, block_depth_line_colour);
    canvas.lines(scene.edges, block_outline_colour);
}

}  // namespace welkin
