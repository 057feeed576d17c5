// Pixel geometry of the main window. The layout rules are written in
// twips (15 to a pixel); the pictures' sizes follow from them and are also
// the sizes the batch program renders at.
#pragma once

#include "render/picture_geometry.h"

namespace welkin::layout {

inline constexpr int tile_width = 16;
inline constexpr int controls_left = 24;
inline constexpr int controls_height = 212;  // frame_controls
inline constexpr int row_height = 30;
inline constexpr int label_width = 250;
inline constexpr int field_width = 100;
inline constexpr int buttons_left = 410;
inline constexpr int button_width = 160;
inline constexpr int results_left = 600;
inline constexpr int status_height = 22;
inline constexpr int table_height = 86;  // Frame2
inline constexpr int side_button_width = 30;

// The cross-section's place; the pictures' sizes are in picture_geometry.h.
inline constexpr int picture1_top = controls_height + scatter_height + px(20);

}  // namespace welkin::layout
