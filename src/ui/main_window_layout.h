// Pixel geometry of the main window, and nothing else: the window's code
// only places each widget at its rectangle here. The layout rules are
// written in twips (15 to a pixel); the pictures' sizes follow from them and
// are also the sizes the batch program renders at (picture_geometry.h).
#pragma once

#include <QRect>
#include <array>

#include "forms/host.h"
#include "panel1d/figures_table.h"
#include "render/picture_geometry.h"

namespace welkin::layout {

// ---- the input fields, their locks and the main buttons (frame_controls)
inline constexpr int controls_left = 24;
inline constexpr int controls_height = 212;
inline constexpr int row_height = 30;
inline constexpr int label_width = 250;
inline constexpr int field_width = 100;
inline constexpr int buttons_left = 410;
inline constexpr int button_width = 160;
inline constexpr int results_left = 600;

constexpr int row_top(int row) {
    return 10 + row * row_height;
}

// The row of each field, in the order of Field.
inline constexpr std::array<int, field_count> field_rows = {0, 1, 5, 4, 2, 3};

constexpr QRect field_label(Field f) {
    return {controls_left, row_top(field_rows[static_cast<std::size_t>(f)]) + 3, label_width, 20};
}
constexpr QRect field(Field f) {
    return {controls_left + label_width, row_top(field_rows[static_cast<std::size_t>(f)]),
            field_width, 24};
}
// A lock option sits right of the field it makes the input.
constexpr QRect lock_option(Field f) {
    return {controls_left + label_width + field_width + 8,
            row_top(field_rows[static_cast<std::size_t>(f)]), 24, 24};
}
constexpr QRect main_button(int row) {
    return {buttons_left, row_top(row), button_width, 26};
}
inline constexpr QRect explore_label{buttons_left, row_top(5) + 4, button_width, 20};
constexpr QRect result_label(int row) {
    return {results_left, row_top(row) + 4, 480, 20};
}
// In the free strip under the last field: at its first place, 1800 twips
// down, it covered the fin width's label.
inline constexpr QRect note_2d_frame{px(240), row_top(5) + 30, 320, 48};
inline constexpr QRect note_2d_text{6, 4, 300, 40};  // inside the note's frame

// ---- the pictures, placed relative to one another as the layout rules say
inline constexpr int picture1_top = controls_height + scatter_height + px(20);
inline constexpr int status_height = 22;
inline constexpr int side_button_width = 30;

inline constexpr QRect scatter{picture1_left, controls_height, picture_full_width, scatter_height};
inline constexpr QRect cross_section{picture1_left, picture1_top, picture_full_width, wheel_size};
inline constexpr QRect phase_wheel{static_cast<int>(0.3 * (picture1_left - wheel_size)),
                                   picture1_top, wheel_size, wheel_size};
// Pans the cross-section and the scatter strip together when a drawing to
// scale is wider than their place; it sits in the free strip above them.
inline constexpr QRect picture_pan_bar{picture1_left, controls_height - 18, picture_full_width, 16};
inline constexpr QRect status_line{picture1_left, picture1_top + wheel_size, picture_full_width,
                                   status_height};

// The wheel's three buttons in a row centred under it: reset in the middle.
inline constexpr int wheel_centre = phase_wheel.x() + wheel_size / 2;
inline constexpr int wheel_row_top = picture1_top + wheel_size + 4;
inline constexpr QRect reset_wheel_button{wheel_centre - 20, wheel_row_top, 40, 28};
inline constexpr QRect rotate_anticlockwise_button{wheel_centre - 64, wheel_row_top, 40, 28};
inline constexpr QRect rotate_clockwise_button{wheel_centre + 24, wheel_row_top, 40, 28};

// The four shift buttons in a column left of the panel, a quarter of its
// height each, top to bottom in the order given by `slot`.
constexpr QRect shift_button(int slot) {
    return {picture1_left - side_button_width - 2, picture1_top + slot * (wheel_size / 4),
            side_button_width, wheel_size / 4};
}

// ---- the figures table, under the status line
inline constexpr int table_height = 86;
inline constexpr int table_top = picture1_top + wheel_size + status_height + 2;
inline constexpr int table_width = hscroll_left + hscroll_width + 10;
inline constexpr QRect figures_table{frame2_left, table_top, table_width, table_height};
// Inside the table's frame:
inline constexpr QRect results_toggle{8, 4, 200, 18};
inline constexpr QRect well_number_heading{8, 24, hscroll_left - 12, 18};
inline constexpr QRect ratio_heading{8, 44, hscroll_left - 12, 18};
inline constexpr QRect figures_scroll{hscroll_left, table_height - 18, hscroll_width, 16};

// The table's columns share the scroll bar's width.
constexpr int figures_column_left(int column) {
    return hscroll_left + column * hscroll_width / figures_rows;
}
constexpr QRect well_number_cell(int column) {
    return {figures_column_left(column), 24, hscroll_width / figures_rows, 18};
}
constexpr QRect ratio_cell(int column) {
    return {figures_column_left(column), 44, hscroll_width / figures_rows, 32};
}

// ---- the window
inline constexpr int window_width = frame2_left + table_width + px(200);
inline constexpr int window_height = table_top + table_height + 8;

// The four score tiles down the left edge, each a quarter of the window's
// height, the first partly above it; a small gap keeps tiles of one colour apart.
inline constexpr int tile_width = 16;
constexpr QRect score_tile(int index) {
    return {0, index * (window_height / 4) - px(400), tile_width, window_height / 4 - 3};
}

// Centred across the free screen, its top at 40 % of the free height; on a
// screen too small for it, at the free screen's left or top edge, so that the
// menus and the fields stay within reach.
constexpr QPoint window_position(const QRect& free, int height) {
    const int spare_width = free.width() - window_width;
    const int spare_height = free.height() - height;
    return {free.x() + (spare_width > 0 ? spare_width / 2 : 0),
            free.y() + (spare_height > 0 ? spare_height * 2 / 5 : 0)};
}

}  // namespace welkin::layout
