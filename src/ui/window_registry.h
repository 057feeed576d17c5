// The program's windows by role, so that a form's "show the scorecard" or
// "print the main window" reaches the widget that plays that role. A window
// registers itself when it is created; one that is destroyed drops out.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "forms/host.h"

namespace welkin {

class WindowRegistry {
public:
    void add(Window role, QWidget* widget);
    // The widget playing the role, or null when none is registered.
    QWidget* find(Window role) const;
    // Shows or hides a registered window without making it modal; a role
    // with no window is left alone.
    void show(Window role, bool shown) const;

private:
    std::map<Window, QPointer<QWidget>> windows_;
};

}  // namespace welkin
