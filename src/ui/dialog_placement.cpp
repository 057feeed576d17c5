#include "ui/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace welkin {

void place_dialog(QWidget& dialog) {
    const QScreen* screen =
        dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    const QSize size = dialog.frameSize().isValid() ? dialog.frameSize() : dialog.size();
    dialog.move(free.x() + (free.width() - size.width()) / 2,
                free.y() + std::max(0, (free.height() - size.height()) / 6));
}

}  // namespace welkin
