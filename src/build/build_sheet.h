// The build sheet, page by page, drawn onto a Canvas in millimetres of the
// paper: the panel to scale with its dimensions and the assembly map, the
// parts list, then the cutting plan board by board.
#pragma once

#include "build/build_plan.h"
#include "canvas/canvas.h"

namespace welkin {

struct Paper {
    double width_mm = 210;
    double height_mm = 297;
};

inline constexpr Paper paper_a4{210, 297};
inline constexpr Paper paper_letter{215.9, 279.4};

int sheet_page_count(const BuildPlan& plan, const Paper& paper);

// The page where the cutting plan starts, after the panel and the parts.
int first_plan_page(const BuildPlan& plan, const Paper& paper);

// Page 0 is the panel and its map; then the parts; then the boards.
void paint_sheet_page(const BuildPlan& plan, const Paper& paper, int page, Canvas& canvas);

}  // namespace welkin
