// The main window's own events: keys and focus in the fields, clicks on
// labels, minimising and closing.
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstddef>

#include "forms/scorecard_form.h"
#include "forms/startup.h"
#include "ui/main_window.h"
#include "ui/picture_view.h"

namespace welkin {

namespace {

// An entry waiting in a length field is committed when the user moves to
// another control of this window, not when a menu, a dialog or another
// window takes the focus for a while, nor when the window is minimised or
// closed: those leave it waiting, as it was.
bool moves_to_another_control(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason;
}

// A click, or Space or Enter on a label that has the focus.
bool activates(const QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

void MainWindow::act(const std::function<void()>& handler) {
    handler();
    refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (watched == fields_[i]) return field_event(static_cast<Field>(i), event);
    }
    if (event->type() == QEvent::MouseButtonPress &&
        std::find(score_tiles_.begin(), score_tiles_.end(), watched) != score_tiles_.end()) {
        act([&] { form_.companions().open(Window::scorecard); });
        return true;
    }
    if (watched == explore_label_ && activates(event)) {
        if (explore_label_->isEnabled()) act([&] { form_.open_lobes(LobesOpening::explorer); });
        return true;
    }
    if (watched == results_toggle_ && activates(event)) {
        act([&] { form_.results_table().next_page(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::field_event(Field field, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // The commit may open a message box, which must never happen inside
        // a focus change (the menu bar's shortcut dispatch, for one, does not
        // survive it); it runs once the focus has settled.
        if (moves_to_another_control(static_cast<QFocusEvent*>(event)->reason())) {
            QTimer::singleShot(0, this, [this, field] {
                if (!closing_) act([&] { form_.field_lost_focus(field); });
            });
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            act([&] { form_.field_enter(field); });
            return true;
        }
    }
    return false;
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimised = isMinimized();
        act([&] { form_.minimised_changed(minimised); });
        // The companions come back with the restore and the window manager
        // gives the newest the focus; the user restored this window, so it
        // takes the focus back once they are up.
        if (!minimised) QTimer::singleShot(0, this, [this] { activateWindow(); });
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing asks nothing and shows nothing: a waiting entry stays uncommitted.
    closing_ = true;
    shut_down(form_);
    // Every other window goes with this one, the companions and the
    // comparison alike: a window left up would keep the program running
    // after its settings were written.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) window->hide();
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::focus_field(Field field) {
    fields_[static_cast<std::size_t>(field)]->setFocus();
}

QImage MainWindow::picture_image(Picture picture) const {
    switch (picture) {
        case Picture::cross_section: return cross_section_view_->image();
        case Picture::phase_wheel: return phase_wheel_view_->image();
        case Picture::scatter: return scatter_view_->image();
    }
    return {};
}

}  // namespace welkin
