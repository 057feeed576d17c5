#include "ui/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace welkin {

namespace {

// What a window manager's title bar and borders add before the window is
// shown and its own frame is known.
constexpr QSize frame_allowance{8, 32};

const QScreen* screen_of(const QWidget& window) {
    return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

}  // namespace

QSize frame_of(const QWidget& window) {
    const QSize frame = window.frameGeometry().size() - window.size();
    return frame.isEmpty() ? frame_allowance : frame;
}

void place_dialog(QWidget& dialog) {
    const QScreen* screen = screen_of(dialog);
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    const QSize size = dialog.frameSize().isValid() ? dialog.frameSize() : dialog.size();
    dialog.move(free.x() + (free.width() - size.width()) / 2,
                free.y() + std::max(0, (free.height() - size.height()) / 6));
}

QRect within(const QRect& wanted, const QRect& free) {
    const QSize size = wanted.size().boundedTo(free.size());
    const int left = std::clamp(wanted.x(), free.x(), free.x() + free.width() - size.width());
    const int top = std::clamp(wanted.y(), free.y(), free.y() + free.height() - size.height());
    return {QPoint(left, top), size};
}

void fit_to_screen(QWidget& window) {
    const QScreen* screen = screen_of(window);
    if (screen == nullptr) return;
    const QSize frame = frame_of(window);
    const QRect outer(window.isVisible() ? window.frameGeometry().topLeft()
                                         : screen->availableGeometry().topLeft(),
                      window.size() + frame);
    const QRect fitted = within(outer, screen->availableGeometry());
    window.resize(fitted.size() - frame);
    if (window.isVisible()) window.move(fitted.topLeft());
}

}  // namespace welkin
