// Placing the main window's widgets at the rectangles of main_window_layout.h.
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <cstddef>
#include <vector>

#include "render/picture_render.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/picture_view.h"

namespace welkin {

void MainWindow::lay_out_controls() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto f = static_cast<Field>(i);
        field_labels_[i]->setGeometry(layout::field_label(f));
        fields_[i]->setGeometry(layout::field(f));
    }
    frequency_lock_->setGeometry(layout::lock_option(Field::design_frequency));
    depth_lock_->setGeometry(layout::lock_option(Field::deepest_well));
    build_depth_2d_lock_->setGeometry(layout::lock_option(Field::build_depth_2d));
    go_button_->setGeometry(layout::main_button(0));
    next_prime_button_->setGeometry(layout::main_button(1));
    previous_prime_button_->setGeometry(layout::main_button(2));
    inverse_button_->setGeometry(layout::main_button(3));
    explore_label_->setGeometry(layout::explore_label);
    cutoffs_label_->setGeometry(layout::result_label(0));
    period_width_label_->setGeometry(layout::result_label(1));
    seating_distance_label_->setGeometry(layout::result_label(2));
    note_2d_frame_->setGeometry(layout::note_2d_frame);
}

void MainWindow::lay_out_pictures() {
    scatter_view_->setGeometry(layout::scatter);
    cross_section_view_->setGeometry(layout::cross_section);
    phase_wheel_view_->setGeometry(layout::phase_wheel);
    for (PictureView* view : {cross_section_view_, phase_wheel_view_, scatter_view_}) {
        view->set_image(blank_picture(view->size()));
    }
    picture_pan_bar_->setGeometry(layout::picture_pan_bar);
    status_line_->setGeometry(layout::status_line);

    const auto place = [this](Button b, const QRect& rect) {
        advanced_buttons_[static_cast<std::size_t>(b)]->setGeometry(rect);
    };
    place(Button::reset_wheel, layout::reset_wheel_button);
    place(Button::rotate_wheel_anticlockwise, layout::rotate_anticlockwise_button);
    place(Button::rotate_wheel_clockwise, layout::rotate_clockwise_button);
    place(Button::shift_left, layout::shift_button(0));
    place(Button::zero_well_left, layout::shift_button(1));
    place(Button::reset_side_shift, layout::shift_button(2));
    place(Button::shift_right, layout::shift_button(3));
}

void MainWindow::lay_out_figures_table() {
    figures_table_->setGeometry(layout::figures_table);
    results_toggle_->setGeometry(layout::results_toggle);
    well_number_heading_->setGeometry(layout::well_number_heading);
    ratio_heading_->setGeometry(layout::ratio_heading);
    for (std::size_t j = 0; j < well_number_cells_.size(); ++j) {
        well_number_cells_[j]->setGeometry(layout::well_number_cell(static_cast<int>(j)));
        ratio_cells_[j]->setGeometry(layout::ratio_cell(static_cast<int>(j)));
    }
    figures_scroll_->setGeometry(layout::figures_scroll);
}

void MainWindow::size_window() {
    central_->setFixedSize(layout::window_width, layout::window_height);
    for (std::size_t i = 0; i < score_tiles_.size(); ++i) {
        score_tiles_[i]->setGeometry(layout::score_tile(static_cast<int>(i)));
    }
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(layout::window_position(screen->availableGeometry(), height()));
    }
}

}  // namespace welkin

namespace welkin {

// Tab goes through the controls as they are read: the fields top to bottom,
// each followed by its lock, the buttons beside them and "< explore", then the advanced
// mode's shift buttons down the panel, the wheel's buttons left to right,
// and the figures table's "Toggle results".
void MainWindow::order_tabs() {
    std::array<QWidget*, field_count> fields_by_row{};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_by_row[static_cast<std::size_t>(layout::field_rows[i])] = fields_[i];
    }
    std::vector<QWidget*> order;
    for (QWidget* field : fields_by_row) {
        order.push_back(field);
        if (field == fields_[static_cast<std::size_t>(Field::design_frequency)])
            order.push_back(frequency_lock_);
        if (field == fields_[static_cast<std::size_t>(Field::deepest_well)])
            order.push_back(depth_lock_);
        if (field == fields_[static_cast<std::size_t>(Field::build_depth_2d)])
            order.push_back(build_depth_2d_lock_);
    }
    order.insert(order.end(), {go_button_, next_prime_button_, previous_prime_button_,
                               inverse_button_, explore_label_});
    for (const Button b : {Button::shift_left, Button::zero_well_left, Button::reset_side_shift,
                           Button::shift_right, Button::rotate_wheel_anticlockwise,
                           Button::reset_wheel, Button::rotate_wheel_clockwise}) {
        order.push_back(advanced_buttons_[static_cast<std::size_t>(b)]);
    }
    order.push_back(results_toggle_);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace welkin
