// The 2D panel picture reduced to what the eye sees: each row of blocks one
// filled outline, and only the visible parts of the lines, with lines that
// continue one another joined. Drawn back to front it gives the picture the
// block-by-block drawing gives, in a few hundred shapes instead of a million.
#pragma once

#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "panel2d/grid.h"

namespace welkin {

struct PanelPictureOptions;

struct SceneFill {
    std::vector<Point> outline;
    Rgb colour;
};

// Everything in the picture's logical coordinates (see panel2d_picture.h).
struct PanelScene {
    std::vector<Segment> wall_lines;   // the walls' depth lines
    std::vector<Segment> frame_lines;  // the box's edges
    std::vector<SceneFill> fills;      // back row first
    // A block of height 0 at the end of a row has a right face of no area,
    // which shows as a line in its row's colour beside the floor.
    std::vector<std::pair<Segment, Rgb>> flat_faces;
    std::vector<Segment> depth_lines;  // on the blocks' front and right faces
    std::vector<Segment> edges;        // the blocks' outlines and the floor's front edge
};

// `pixel` is the width and height of one device pixel in the picture's units.
PanelScene panel_scene(const Grid2d& g, const Offsets2d& o, const PanelPictureOptions& options,
                       Point pixel);

}  // namespace welkin
