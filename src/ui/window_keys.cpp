#include "ui/window_keys.h"

#include <QShortcut>
#include <QWidget>

namespace welkin {

void leave_on_keys(QWidget& window, std::initializer_list<Qt::Key> keys,
                   const std::function<void()>& leave) {
    for (const Qt::Key key : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, leave);
    }
}

}  // namespace welkin
