// Showing the form's state: texts, colours, enabling, check marks and the
// three pictures.
#include <QAction>
#include <QFontMetrics>
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
#include <utility>

#include "panel1d/cross_section.h"
#include "render/picture_render.h"
#include "render/qt_canvas.h"
#include "render/qt_text.h"
#include "ui/accessibility.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/picture_view.h"

namespace welkin {

namespace {

// Style sheets are costly to apply; a keystroke changes few colours.
void set_colour(QWidget* widget, std::string_view property, Rgb colour) {
    const QString style = colour_style(property, colour);
    if (widget->styleSheet() != style) widget->setStyleSheet(style);
}

// A text too long for its place in the window's font, such as a depth of
// "3' 2 11/16 inches" in a figures cell or "Recommended well width 3' 6 15/16
// inches" beside its field at a low design frequency, is written smaller
// rather than cut off.
constexpr double smallest_text_pt = 6;

void fit_text(QLabel& label, QSize room) {
    QFont font = label.parentWidget()->font();
    const int flags = Qt::TextShowMnemonic | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const auto fits = [&](const QFont& f) {
        const QRect column(0, 0, room.width(), 10 * room.height());
        const QRect needed = QFontMetrics(f).boundingRect(column, flags, label.text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    while (font.pointSizeF() - 0.5 >= smallest_text_pt && !fits(font)) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (label.font() != font) label.setFont(font);
}

}  // namespace

void MainWindow::refresh() {
    setWindowTitle(qs(form_.title()));
    refresh_fields();
    refresh_buttons();
    refresh_results();
    refresh_figures();
    refresh_menus();
    if (form_.shown().completed_recomputes != pictures_drawn_for_) repaint_pictures();
    for (const Companion& c : companions_) c.refresh();
}

void MainWindow::add_companion(QWidget* window, std::function<void()> refresh) {
    companions_.push_back({window, std::move(refresh)});
}

void MainWindow::refresh_fields() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto f = static_cast<Field>(i);
        QLineEdit* field = fields_[i];
        const QSignalBlocker block(field);
        const QString text = qs(form_.field_text(f));
        if (field->text() != text) field->setText(text);  // keeps the cursor while typing
        field->setEnabled(field_enabled(form_.design(), f));
        set_colour(field, "background-color", form_.field_background(f));
    }
    // The well width's caption is a result, written once a recompute completes.
    const auto caption = [this](Field f, std::string_view text) {
        const std::size_t i = static_cast<std::size_t>(f);
        field_labels_[i]->setText(with_access_key(field_label_names[i], qs(text)));
        fit_text(*field_labels_[i], field_labels_[i]->size());
    };
    if (form_.shown().completed_recomputes > 0)
        caption(Field::well_width, form_.snapshot().texts.well_width_caption);
    set_colour(field_labels_[static_cast<std::size_t>(Field::well_width)], "color",
               well_width_caption_colour(form_.design()));
    for (const Field f : {Field::fin_width, Field::deepest_well, Field::build_depth_2d}) {
        caption(f, length_caption(form_.design(), f));
    }
    const auto lock_label = [this](Field f, LockMode lock) {
        set_colour(field_labels_[static_cast<std::size_t>(f)], "color",
                   lock_label_colour(form_.design(), lock));
    };
    lock_label(Field::design_frequency, LockMode::freq);
    lock_label(Field::deepest_well, LockMode::depth);
    lock_label(Field::build_depth_2d, LockMode::build_2d);

    const LockMode lock = form_.design().lock;
    for (auto [option, mode] :
         {std::pair{frequency_lock_, LockMode::freq}, std::pair{depth_lock_, LockMode::depth},
          std::pair{build_depth_2d_lock_, LockMode::build_2d}}) {
        const QSignalBlocker block(option);
        option->setChecked(lock == mode);
    }
}

void MainWindow::refresh_buttons() {
    for (std::size_t i = 0; i < advanced_buttons_.size(); ++i) {
        const auto b = static_cast<Button>(i);
        QPushButton* button = advanced_buttons_[i];
        button->setVisible(button_visible(form_.design(), b));
        button->setEnabled(button_enabled(form_.design(), b));
        if (b != Button::rotate_wheel_anticlockwise && b != Button::rotate_wheel_clockwise) {
            button->setText(qs(button_caption(form_.snapshot().design, b)));
        }
    }
}

void MainWindow::refresh_results() {
    status_line_->setText(qs(form_.shown().status_text));
    note_2d_frame_->setVisible(form_.window_open(Window::panel_2d));
    set_colour(status_line_, "color", form_.shown().status_colour);
    // Until a recompute completes there are no results: the labels keep
    // their design-time captions and the tiles their neutral colour.
    if (form_.shown().completed_recomputes == 0) return;
    const DesignTexts& r = form_.snapshot().texts;
    cutoffs_label_->setText(qs(r.cutoffs));
    period_width_label_->setText(qs(r.period_width));
    seating_distance_label_->setText(qs(r.seating_distance));
    for (std::size_t i = 0; i < score_tiles_.size(); ++i) {
        set_colour(score_tiles_[i], "background-color", r.tile_colours[i]);
    }
}

void MainWindow::refresh_figures() {
    const ResultsTableForm& results = form_.results_table();
    const FiguresTable& table = results.figures();
    ratio_heading_->setText(qs(table.heading));
    // The scroll bar, when it shows, covers the foot of the figures.
    const int room = results.scroll_visible() ? layout::figures_scroll.y() - layout::ratio_cell(0).y()
                                              : layout::ratio_cell(0).height();
    for (std::size_t j = 0; j < well_number_cells_.size(); ++j) {
        well_number_cells_[j]->setText(qs(table.wellnum[j]));
        ratio_cells_[j]->setText(qs(table.ratio[j]));
        fit_text(*ratio_cells_[j], {ratio_cells_[j]->width(), room});
    }
    const QSignalBlocker block(figures_scroll_);
    figures_scroll_->setVisible(results.scroll_visible());
    figures_scroll_->setMaximum(results.scroll_max());
    figures_scroll_->setValue(results.scroll_value());
}

void MainWindow::refresh_menus() {
    explore_label_->setEnabled(!form_.window_open(Window::lobes));
    for (const BoundItem& item : menu_items_) {
        if (item.entry->checked != nullptr)
            item.action->setChecked(item.entry->checked(form_.design()));
        if (item.entry->enabled != nullptr) item.action->setEnabled(item.entry->enabled(form_));
    }
}

void MainWindow::repaint_pictures() {
    pictures_drawn_for_ = form_.shown().completed_recomputes;
    const DesignSnapshot& s = form_.snapshot();
    for (auto [view, which] : {std::pair{cross_section_view_, Picture::cross_section},
                               std::pair{phase_wheel_view_, Picture::phase_wheel},
                               std::pair{scatter_view_, Picture::scatter}}) {
        const QSize size = picture_size(which, s.design, s.results.panel_width_mm);
        // A drawing to scale may be wider than its place; the view shows
        // what fits and the pan bar moves along the rest.
        view->resize(std::min(size.width(), layout::picture_full_width), size.height());
        view->set_image(render_picture(which, s, size));
    }
    const int hidden = cross_section_view_->image().width() - cross_section_view_->width();
    const QSignalBlocker block(picture_pan_bar_);
    picture_pan_bar_->setRange(0, std::max(0, hidden));
    picture_pan_bar_->setPageStep(cross_section_view_->width());
    picture_pan_bar_->setVisible(hidden > 0);
    pan_pictures(picture_pan_bar_->value());
}

void MainWindow::pan_pictures(int x_px) {
    cross_section_view_->set_scroll_x(x_px);
    scatter_view_->set_scroll_x(x_px);
}

void MainWindow::show_pointer_tip(int x_px) {
    // The tip reads the drawing on screen, the last complete recompute's.
    const DesignSnapshot& s = form_.snapshot();
    const int width = cross_section_view_->image().width();
    if (width <= 0) return;
    const double x = x_px * static_cast<double>(s.design.well_count) / width;
    const QString tip = qs(well_tooltip(s, x));
    cross_section_view_->setToolTip(tip);
    QToolTip::showText(QCursor::pos(), tip, cross_section_view_);
}

}  // namespace welkin
