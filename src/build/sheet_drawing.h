// The build sheet's first page: the plan in words, the panel drawn to scale
// with its overall dimensions, and the assembly map that says which part
// goes in which well.
#pragma once

#include "build/build_plan.h"
#include "canvas/canvas.h"

namespace welkin {

inline constexpr Rgb sheet_piece{236, 214, 170};  // timber
inline constexpr Rgb sheet_offcut{225, 225, 225};
inline constexpr Rgb sheet_fin{120, 84, 50};

// The page's printable area, in millimetres of paper.
struct SheetArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

void paint_overview(const BuildPlan& plan, const SheetArea& area, Canvas& canvas);

// The scale a drawing of `real_mm` fits into `paper_mm` at, as "1:n" with n
// whole (rounded up so the drawing still fits).
double drawing_scale(double paper_mm, double real_mm);

}  // namespace welkin
