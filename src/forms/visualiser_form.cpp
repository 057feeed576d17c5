#include "forms/visualiser_form.h"

#include "panel1d/visualiser.h"
#include "version.h"

namespace welkin {

void toggle_show_visualiser(MainForm& form) {
    bool& shown = form.edit_design().visualiser.shown;
    shown = !shown;
    form.host().show_window(Window::frontview, shown);
    if (shown && !form.busy()) form.recompute();
}

void visualiser_closed(MainForm& form) {
    form.edit_design().visualiser.shown = false;
}

void visualiser_resized(MainForm& form) {
    form.recompute();
}

std::string visualiser_caption(const MainForm& form) {
    if (form.completed_recomputes() == 0) return std::string(frontview_first_caption);
    return form.frontview_caption() + visualiser_caption_suffix(form.design(), program_version);
}

void show_visualiser_if_checked(MainForm& form) {
    if (form.design().visualiser.shown) form.host().show_window(Window::frontview, true);
}

}  // namespace welkin
