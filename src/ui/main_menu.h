// The main window's menu bar as data: one row per menu, item, separator or
// command on the bar itself, in the order they appear.
#pragma once

#include <span>
#include <string_view>

#include "forms/main_form.h"
#include "ui/object_names.h"

namespace welkin {

struct MenuEntry {
    enum class Kind { menu, item, separator, bar_command };
    using Handler = void (*)(MainForm&);
    using CheckRule = bool (*)(const Design&);
    using EnableRule = bool (*)(const MainForm&);

    Kind kind = Kind::item;
    std::string_view caption;
    Control name = Control::open_item;  // for items and bar commands
    Handler handler = nullptr;          // none: the item is shown greyed
    bool checkable = false;
    int group = 0;                 // items sharing a nonzero group are one radio group
    CheckRule checked = nullptr;   // none: the check mark stays as created
    EnableRule enabled = nullptr;  // none: enabled when it has a handler
    bool checked_at_start = false;
    std::string_view shortcut;  // in QKeySequence's portable text; none when empty
};

std::span<const MenuEntry> main_menu();

}  // namespace welkin
