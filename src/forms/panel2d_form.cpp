#include "forms/panel2d_form.h"

#include <utility>

#include "forms/report_files.h"
#include "version.h"

namespace welkin {

namespace {

constexpr std::string_view print_question = "Print this form using current printer settings?";
constexpr std::string_view print_title = "Would you like me to ...";

}  // namespace

Panel2dForm::Panel2dForm(Host& host, const DesignSnapshot& design,
                         std::function<bool()> main_busy, PictureSize panel_picture)
    : host_(host),
      design_(design),
      main_busy_(std::move(main_busy)),
      panel_picture_(panel_picture) {}

void Panel2dForm::initial_draw() {
    offsets_ = {};
    depth_unit_mm_ = depth_unit_mm(design_.design);
    full_screen_ = FullScreen::none;
    move(OffsetMove::centre);
}

void Panel2dForm::move(OffsetMove m) {
    offsets_ = move_offsets(offsets_, m, design_.design.well_count);
    redraw();
}

Grid2d Panel2dForm::grid() const {
    return grid_2d(design_.design);
}

// Nothing is drawn while the main window recomputes or loads: the design
// may be half written.
void Panel2dForm::redraw() {
    if (main_busy_()) return;
    ++redraws_;
    caption_ = panel_caption_2d(grid(), offsets_);
    const bool show = full_screen_ == FullScreen::panel ||
                      (full_screen_ == FullScreen::crossword && !full_screen_shown_);
    if (!show) return;
    full_screen_shown_ = true;
    host_.show_modal(Window::fullscreen_2d);
}

void Panel2dForm::set_numbers(bool on) {
    options_.numbers = on;
    redraw();
}

void Panel2dForm::set_half_size(bool on) {
    if (on == options_.half_size) return;
    options_.half_size = on;
    const double factor = on ? 0.5 : 2.0;
    panel_picture_ = {panel_picture_.width * factor, panel_picture_.height * factor};
    redraw();
}

void Panel2dForm::set_no_colour(bool on) {
    options_.no_colour = on;
    redraw();
}

void Panel2dForm::set_dimensions(bool on) {
    options_.dimensions = on;
    redraw();
}

void Panel2dForm::set_quantity(CrosswordQuantity q) {
    options_.quantity = q;
    redraw();
}

void Panel2dForm::set_invert(bool on) {
    options_.invert = on;
    redraw();
}

void Panel2dForm::set_depth_lines(bool on) {
    options_.depth_lines = on;
    redraw();
}

void Panel2dForm::reset_options() {
    // Through its setter, which puts the panel picture back to full size.
    set_half_size(false);
    options_ = Panel2dOptions{};
    redraw();
}

std::string Panel2dForm::window_title() const {
    return std::string(panel_2d_title) + std::string(program_version);
}

PanelPictureOptions Panel2dForm::panel_options() const {
    return {.depth_lines = options_.depth_lines, .box = true};
}

CrosswordOptions Panel2dForm::crossword_options(bool full_screen) const {
    return {.quantity = options_.quantity,
            .numbers = options_.numbers,
            .dimensions = options_.dimensions,
            .no_colour = options_.no_colour,
            .invert = options_.invert,
            .full_screen = full_screen,
            .highlight = highlight_,
            .unit_mode = design_.design.unit_mode,
            .depth_unit_mm = depth_unit_mm_};
}

void Panel2dForm::ok() {
    host_.show_window(Window::panel_2d, false);
}

void Panel2dForm::copy_picture(Picture2d which) {
    host_.copy_picture_2d(which);
}

void Panel2dForm::print() {
    if (host_.ask_yes_no(print_question, print_title))
        host_.print_window(Window::panel_2d);
}

bool Panel2dForm::generate_report(const std::filesystem::path& folder) {
    return generate_2d_report(host_, design_, offsets_, folder);
}

void Panel2dForm::open_full_panel() {
    full_screen_ = FullScreen::panel;
    full_screen_shown_ = false;
    readout_.shown = false;
    redraw();
}

void Panel2dForm::open_full_crossword() {
    full_screen_ = FullScreen::crossword;
    highlight_.block_height = -1;
    full_screen_shown_ = false;
    redraw();
}

void Panel2dForm::leave_full_screen() {
    highlight_.block_height = -1;
    full_screen_shown_ = false;
    full_screen_ = FullScreen::none;
    readout_.shown = false;
    host_.show_window(Window::fullscreen_2d, false);
}

std::span<const std::string_view> Panel2dForm::full_screen_legend_lines() const {
    const std::span<const std::string_view> all(full_screen_legend);
    return full_screen_ == FullScreen::crossword ? all : all.first(1);
}

void Panel2dForm::full_screen_key() {
    leave_full_screen();
}

void Panel2dForm::full_screen_press(Mouse button) {
    if (full_screen_ != FullScreen::crossword) {
        leave_full_screen();
        return;
    }
    pressed_ = button;
}

void Panel2dForm::full_screen_double_click() {
    if (full_screen_ != FullScreen::crossword) return;
    switch (pressed_) {
        case Mouse::left: highlight_.layerlight = false; break;
        case Mouse::right: highlight_.layerlight = true; break;
        case Mouse::middle: highlight_.block_height = -1; break;
    }
    redraw();
}

// Pointing at a cell chooses the height a double-click highlights.
const Readout& Panel2dForm::pointer_moved(double x, double y) {
    if (full_screen_ != FullScreen::crossword) return readout_;
    readout_ = crossword_readout(grid(), offsets_, crossword_options(true), x, y);
    if (readout_.shown) highlight_.block_height = readout_.block_height;
    return readout_;
}

}  // namespace welkin
