// Keys that leave a modeless window as a dialog's would: Escape, and in a
// window whose one button is its OK, Enter too.
#pragma once

#include <QKeySequence>
#include <functional>
#include <initializer_list>

class QWidget;

namespace welkin {

// Runs `leave` when one of `keys` is pressed anywhere in `window`.
void leave_on_keys(QWidget& window, std::initializer_list<Qt::Key> keys,
                   const std::function<void()>& leave);

}  // namespace welkin
