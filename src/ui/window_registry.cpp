#include "ui/window_registry.h"

namespace welkin {

void WindowRegistry::add(Window role, QWidget* widget) {
    windows_[role] = widget;
}

QWidget* WindowRegistry::find(Window role) const {
    const auto found = windows_.find(role);
    return found == windows_.end() ? nullptr : found->second.data();
}

void WindowRegistry::show(Window role, bool shown) const {
    QWidget* window = find(role);
    if (window == nullptr) return;
    if (shown) {
        window->show();
    } else {
        window->hide();
    }
}

}  // namespace welkin
