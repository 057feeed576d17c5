#include "ui/object_names.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace welkin {

namespace {

using Row = std::pair<Control, std::string_view>;

constexpr auto names = std::to_array<Row>({
    {Control::well_count_field, "Text1"},
    {Control::design_frequency_field, "Text2"},
    {Control::well_width_field, "Text3"},
    {Control::fin_width_field, "Text4"},
    {Control::deepest_well_field, "Text5"},
    {Control::build_depth_2d_field, "Text6"},
    {Control::well_width_caption, "Label14"},
    {Control::fin_width_label, "Label7"},
    {Control::deepest_well_label, "Label15"},
    {Control::build_depth_2d_label, "Label4"},
    {Control::frequency_lock, "opt_freqlock"},
    {Control::depth_lock, "opt_depthlock"},
    {Control::build_depth_2d_lock, "opt_buildlock_2d"},
    {Control::go_button, "Command1"},
    {Control::next_prime_button, "Command3"},
    {Control::previous_prime_button, "Command4"},
    {Control::inverse_button, "Command11"},
    {Control::reset_wheel_button, "Command2"},
    {Control::shift_left_button, "Command5"},
    {Control::zero_well_left_button, "Command6"},
    {Control::rotate_anticlockwise_button, "Command7"},
    {Control::rotate_clockwise_button, "Command8"},
    {Control::reset_side_shift_button, "Command9"},
    {Control::shift_right_button, "Command10"},
    {Control::cutoffs_label, "Label6"},
    {Control::period_width_label, "Label13"},
    {Control::seating_distance_label, "Label11"},
    {Control::explore_label, "Label8"},
    {Control::score_tile, "lbl_score"},
    {Control::status_line, "lbl_status"},
    {Control::note_2d_frame, "Frame3"},
    {Control::note_2d_label, "Label9"},
    {Control::figures_table, "Frame2"},
    {Control::results_toggle, "Label1"},
    {Control::well_number_heading, "Label5"},
    {Control::ratio_heading, "Label21"},
    {Control::well_number_cell, "wellnum"},
    {Control::ratio_cell, "ratio"},
    {Control::figures_scroll, "HScroll1"},
    {Control::cross_section_picture, "Picture1"},
    {Control::phase_wheel_picture, "Picture2"},
    {Control::scatter_picture, "Picture3"},
    {Control::open_item, "mnu_load"},
    {Control::save_as_item, "mnu_save"},
    {Control::reset_item, "mnu_defaults"},
    {Control::auto_well_width_item, "mnu_autowells"},
    {Control::advanced_item, "mnu_advanced"},
    {Control::auto_optimise_item, "mnu_auto_optimise"},
    {Control::inverse_pairing_item, "mnu_inverse_pairing"},
    {Control::optimise_2d_item, "mnu_2d_optimise"},
    {Control::scorecard_item, "mnu_analyse"},
    {Control::scorecard_window, "frmWells"},
    {Control::scorecard_heading, "Label7"},
    {Control::period_picture, "Picture1"},
    {Control::period_icon, "pic_period"},
    {Control::period_headline, "Label3"},
    {Control::period_consequence, "Label6"},
    {Control::viscous_picture, "Picture2"},
    {Control::viscous_icon, "pic_minwells"},
    {Control::viscous_headline, "Label4"},
    {Control::viscous_consequence, "Label8"},
    {Control::plate_picture, "Picture4"},
    {Control::plate_icon, "pic_plate"},
    {Control::plate_message, "Label10"},
    {Control::range_picture, "Picture3"},
    {Control::range_icon, "pic_hf"},
    {Control::range_headline, "Label5"},
    {Control::range_frequencies, "Label9"},
    {Control::strategy_heading, "Label1"},
    {Control::strategy_line, "Label2"},
    {Control::scorecard_ok, "Command1"},
    {Control::visualiser_window, "FrmFrontview"},
    {Control::visualiser_picture, "Picture4"},
    {Control::about_window, "frmAbout"},
    {Control::system_info_button, "cmdSysInfo"},
    {Control::panel_2d_window, "frm2d"},
    {Control::panel_2d_picture, "Picture1"},
    {Control::crossword_picture, "Picture2"},
    {Control::panel_2d_caption, "Label4"},
    {Control::numbers_check, "chk_shownumbers"},
    {Control::half_size_check, "chk_halfsize"},
    {Control::no_colour_check, "chk_nocol"},
    {Control::dimensions_check, "chk_dims"},
    {Control::well_depths_option, "opt_well"},
    {Control::block_heights_option, "opt_block"},
    {Control::invert_check, "Check2"},
    {Control::depth_lines_check, "Check1"},
    {Control::push_button, "Command2"},
    {Control::pull_button, "Command3"},
    {Control::left_button, "Command5"},
    {Control::right_button, "Command7"},
    {Control::centre_button, "Command8"},
    {Control::no_shift_button, "Command9"},
    {Control::ok_2d_button, "Command4"},
    {Control::maxpic_item, "mnu_maxpic"},
    {Control::maxdata_item, "mnu_maxdata"},
    {Control::export_2d_menu, "mnu_2dexport"},
    {Control::report_2d_item, "mnu_report"},
    {Control::copy_panel_2d_item, "mnu_clip2dpic"},
    {Control::copy_crossword_item, "mnu_clipcrossword"},
    {Control::print_2d_item, "mnu_print"},
    {Control::full_screen_window, "frmFullscreen"},
    {Control::full_screen_picture, "Picture1"},
    {Control::readout_box, "Picture2"},
    {Control::readout_label, "Label1"},
    {Control::row_column_label, "Label2"},
    {Control::legend_label, "Label3"},
    {Control::optimise_item, "mnu_optimise"},
    {Control::half_width_item, "mnu_halfwidth"},
    {Control::describe_paste_item, "mnu_describe2"},
    {Control::describe_size_item, "mnu_describe1"},
    {Control::stretch_scale_item, "mnu_scale_verticalnone"},
    {Control::large_scale_item, "mnu_scale_vertical250"},
    {Control::medium_scale_item, "mnu_scale_vertical100"},
    {Control::small_scale_item, "mnu_scale_vertical150"},
    {Control::very_small_scale_item, "mnu_scale_vertical200"},
    {Control::show_visualiser_item, "mnu_vis_toggle"},
    {Control::one_panel_item, "mnu_current_panel"},
    {Control::two_panels_item, "mnu_two_panels"},
    {Control::panel_and_inverse_item, "mnu_two_panels_barker"},
    {Control::three_panels_item, "mnu_three_panels"},
    {Control::inverse_in_middle_item, "mnu_three_panels_oneinverse"},
    {Control::barker_order_item, "mnu_three_panels_barker"},
    {Control::welkin_green_item, "mnu_colorway3"},
    {Control::kit_kat_item, "mnu_colorway0"},
    {Control::the_blues_item, "mnu_colorway2"},
    {Control::arizona_sunset_item, "mnu_colorway1"},
    {Control::highlight_inverse_item, "mnu_highlight_inverse"},
    {Control::report_1d_item, "mnu_clipresults"},
    {Control::copy_panel_item, "mnu_clippanel"},
    {Control::copy_wheel_item, "mnu_clipphase"},
    {Control::copy_scatter_item, "mnu_clipscatter"},
    {Control::print_item, "mnuprint"},
    {Control::show_lobes_item, "mnu_lobescurrent"},
    {Control::lobes_full_size_item, "mnu_lobesfull"},
    {Control::lobes_three_quarter_item, "mnu_lobeshalf"},
    {Control::panel_2d_item, "mnu_2d"},
    {Control::units_item, "mnu_units"},
    {Control::about_item, "mnuabout"},
});

// The table is in the order of the enumeration, so a control's row is its index.
constexpr bool in_enum_order() {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (static_cast<std::size_t>(names[i].first) != i) return false;
    }
    return static_cast<std::size_t>(Control::about_item) + 1 == names.size();
}
static_assert(in_enum_order(), "one row per Control, in its order");

}  // namespace

void name_control(QObject& object, Control control, int index) {
    const std::string_view name = names[static_cast<std::size_t>(control)].second;
    QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    if (index >= 0) text += QString::number(index);
    object.setObjectName(text);
}

}  // namespace welkin
