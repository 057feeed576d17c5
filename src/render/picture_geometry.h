// The pictures' sizes in pixels. They follow from the main window's layout
// rules, written in twips (15 to a pixel), and are also the sizes the batch
// program renders at.
#pragma once

#include "canvas/canvas.h"

namespace welkin::layout {

constexpr int px(double twips) {
    return static_cast<int>(twips / twips_per_pixel);
}

inline constexpr int frame2_left = 420;
inline constexpr int hscroll_left = 150;  // inside the figures table
inline constexpr int hscroll_width = 560;
inline constexpr int scatter_height = 56;

// The pictures, placed relative to one another as the layout rules say.
inline constexpr int picture1_left = frame2_left + hscroll_left + px(400);
inline constexpr int picture_full_width = hscroll_width - px(500);
inline constexpr int wheel_size = static_cast<int>(0.6 * picture1_left);

}  // namespace welkin::layout
