// The cutting plan laid out flat at 1:1 in millimetres: each length of
// stock as a rectangle, the pieces cut from it as outlines (notched where a
// fin is slotted), one under another. The SVG and DXF files draw this.
#pragma once

#include <string>
#include <vector>

#include "build/build_plan.h"
#include "canvas/canvas.h"

namespace welkin {

struct CutOutline {
    std::string label;           // the part's label and where it goes
    std::vector<Point> corners;  // a closed outline, y down the board
    Point label_at;              // the label's baseline start, inside the outline
};

struct BoardLayout {
    std::string name;   // "board 1", "stick 3"
    double top_mm = 0;  // the board's top edge; its left edge is at 0
    double length_mm = 0;
    double width_mm = 0;
    std::vector<CutOutline> pieces;
};

// Stock lengths this far apart, so a laser's or router's passes never meet.
inline constexpr double board_gap_mm = 20;

std::vector<BoardLayout> cut_layouts(const BuildPlan& plan);

// How much of the stock's width a part takes: it lies flat with its width
// across, or on edge when only that way fits.
double across_mm(const Part& p, const Stock& s);

// The height of a label's text in millimetres, small enough for the
// narrowest piece on the plan.
double label_height_mm(const BuildPlan& plan);

}  // namespace welkin
