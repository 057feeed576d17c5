// Showing the form's state: texts, colours, enabling, check marks and the
// three pictures.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <cstddef>

#include "panel1d/cross_section.h"
#include "ui/main_window.h"
#include "render/picture_render.h"
#include "ui/picture_view.h"
#include "render/qt_canvas.h"
#include "render/qt_text.h"

namespace welkin {

namespace {

// Style sheets are costly to apply; a keystroke changes few colours.
void set_colour(QWidget* widget, std::string_view property, Rgb colour) {
    const QString style = colour_style(property, colour);
    if (widget->styleSheet() != style) widget->setStyleSheet(style);
}

}  // namespace

void MainWindow::refresh() {
    setWindowTitle(qs(form_.title()));
    refresh_fields();
    refresh_buttons();
    refresh_results();
    refresh_figures();
    refresh_menus();
    if (form_.completed_recomputes() != pictures_drawn_for_) repaint_pictures();
}

void MainWindow::refresh_fields() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto f = static_cast<Field>(i);
        QLineEdit* field = fields_[i];
        const QSignalBlocker block(field);
        const QString text = qs(form_.field_text(f));
        if (field->text() != text) field->setText(text);  // keeps the cursor while typing
        field->setEnabled(form_.field_enabled(f));
        set_colour(field, "background-color", form_.field_background(f));
    }
    field_labels_[static_cast<std::size_t>(Field::well_width)]->setText(qs(form_.texts().well_width_caption));
    set_colour(field_labels_[static_cast<std::size_t>(Field::well_width)], "color",
               form_.well_width_caption_colour());
    for (const Field f : {Field::fin_width, Field::deepest_well, Field::build_depth_2d}) {
        field_labels_[static_cast<std::size_t>(f)]->setText(qs(form_.length_caption(f)));
    }
    const auto lock_label = [this](Field f, LockMode lock) {
        set_colour(field_labels_[static_cast<std::size_t>(f)], "color",
                   form_.lock_label_colour(lock));
    };
    lock_label(Field::design_frequency, LockMode::freq);
    lock_label(Field::deepest_well, LockMode::depth);
    lock_label(Field::build_depth_2d, LockMode::build_2d);

    const LockMode lock = form_.design().lock;
    for (auto [option, mode] :
         {std::pair{opt_freqlock_, LockMode::freq}, std::pair{opt_depthlock_, LockMode::depth},
          std::pair{opt_buildlock_2d_, LockMode::build_2d}}) {
        const QSignalBlocker block(option);
        option->setChecked(lock == mode);
    }
}

void MainWindow::refresh_buttons() {
    for (std::size_t i = 0; i < advanced_buttons_.size(); ++i) {
        const auto b = static_cast<Button>(i);
        QPushButton* button = advanced_buttons_[i];
        button->setVisible(form_.button_visible(b));
        button->setEnabled(form_.button_enabled(b));
        if (b != Button::rotate_wheel_anticlockwise && b != Button::rotate_wheel_clockwise) {
            button->setText(qs(form_.button_caption(b)));
        }
    }
}

void MainWindow::refresh_results() {
    const DesignTexts& r = form_.texts();
    Label6_->setText(qs(r.cutoffs));
    Label13_->setText(qs(r.period_width));
    Label11_->setText(qs(r.seating_distance));
    for (std::size_t i = 0; i < lbl_score_.size(); ++i) {
        set_colour(lbl_score_[i], "background-color", r.tile_colours[i]);
    }
    lbl_status_->setText(qs(form_.status_text()));
    set_colour(lbl_status_, "color", form_.status_colour());
}

void MainWindow::refresh_figures() {
    const FiguresTable& table = form_.figures();
    Label21_->setText(qs(table.heading));
    for (std::size_t j = 0; j < wellnum_.size(); ++j) {
        wellnum_[j]->setText(qs(table.wellnum[j]));
        ratio_[j]->setText(qs(table.ratio[j]));
    }
    const QSignalBlocker block(HScroll1_);
    HScroll1_->setVisible(form_.scroll_visible());
    HScroll1_->setMaximum(form_.scroll_max());
    HScroll1_->setValue(form_.scroll_value());
}

void MainWindow::refresh_menus() {
    const Design& d = form_.design();
    mnu_autowells_->setChecked(d.auto_well_width);
    mnu_advanced_->setChecked(d.advanced);
    mnu_auto_optimise_->setChecked(d.auto_optimise);
    mnu_auto_optimise_->setEnabled(form_.menu_enabled(Menu::auto_optimise));
    mnu_inverse_pairing_->setChecked(d.inverse_pairing);
    mnu_inverse_pairing_->setEnabled(form_.menu_enabled(Menu::inverse_pairing));
    mnu_2d_optimise_->setChecked(d.optimise_2d);
    mnu_2d_optimise_->setEnabled(form_.menu_enabled(Menu::optimise_2d));
    mnu_optimise_->setEnabled(form_.menu_enabled(Menu::optimise));
    mnu_halfwidth_->setChecked(d.half_width);
    for (std::size_t i = 0; i < vertical_scales.size(); ++i) {
        scale_items_[i]->setChecked(d.vertical_scale_mm == vertical_scales[i]);
    }
}

void MainWindow::repaint_pictures() {
    pictures_drawn_for_ = form_.completed_recomputes();
    const Design& d = form_.design();
    for (auto [view, which] :
         {std::pair{Picture1_, Picture::cross_section}, std::pair{Picture2_, Picture::phase_wheel},
          std::pair{Picture3_, Picture::scatter}}) {
        const QSize size = picture_size(which, d);
        view->resize(size);
        view->set_image(render_picture(which, d, size));
    }
}

void MainWindow::show_pointer_tip(int x_px) {
    const Design& d = form_.design();
    if (Picture1_->width() <= 0) return;
    const double x = x_px * static_cast<double>(d.well_count) / Picture1_->width();
    const QString tip = qs(well_tooltip(d, x));
    Picture1_->setToolTip(tip);
    QToolTip::showText(QCursor::pos(), tip, Picture1_);
}

}  // namespace welkin
