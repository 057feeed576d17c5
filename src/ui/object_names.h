// The one table of the main window's Qt objectNames. Widgets are named in
// the code by what they are; their objectNames are the control names that
// tests and accessibility tools find them by, and are set only from here.
#pragma once

class QObject;

namespace welkin {

enum class Control {
    // fields and their labels
    well_count_field,
    design_frequency_field,
    well_width_field,
    fin_width_field,
    deepest_well_field,
    build_depth_2d_field,
    well_width_caption,
    fin_width_label,
    deepest_well_label,
    build_depth_2d_label,
    frequency_lock,
    depth_lock,
    build_depth_2d_lock,
    // buttons
    go_button,
    next_prime_button,
    previous_prime_button,
    inverse_button,
    reset_wheel_button,
    shift_left_button,
    zero_well_left_button,
    rotate_anticlockwise_button,
    rotate_clockwise_button,
    reset_side_shift_button,
    shift_right_button,
    // results
    cutoffs_label,
    period_width_label,
    seating_distance_label,
    explore_label,
    score_tile,
    status_line,
    note_2d_frame,
    note_2d_label,
    // figures table
    figures_table,
    results_toggle,
    well_number_heading,
    ratio_heading,
    well_number_cell,
    ratio_cell,
    figures_scroll,
    // pictures
    cross_section_picture,
    phase_wheel_picture,
    scatter_picture,
    // menu items
    open_item,
    save_as_item,
    reset_item,
    auto_well_width_item,
    advanced_item,
    auto_optimise_item,
    inverse_pairing_item,
    optimise_2d_item,
    scorecard_item,
    optimise_item,
    half_width_item,
    describe_paste_item,
    describe_size_item,
    stretch_scale_item,
    large_scale_item,
    medium_scale_item,
    small_scale_item,
    very_small_scale_item,
    show_visualiser_item,
    one_panel_item,
    two_panels_item,
    panel_and_inverse_item,
    three_panels_item,
    inverse_in_middle_item,
    barker_order_item,
    welkin_green_item,
    kit_kat_item,
    the_blues_item,
    arizona_sunset_item,
    highlight_inverse_item,
    report_1d_item,
    copy_panel_item,
    copy_wheel_item,
    copy_scatter_item,
    print_item,
    show_lobes_item,
    lobes_full_size_item,
    lobes_three_quarter_item,
    panel_2d_item,
    units_item,
    about_item,
};

// Sets the control's objectName; members of a control array (the score
// tiles, the figures table's cells) take their index after the name.
void name_control(QObject& object, Control control, int index = -1);

}  // namespace welkin
