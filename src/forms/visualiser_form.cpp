#include "forms/visualiser_form.h"

#include "panel1d/visualiser.h"
#include "version.h"

namespace welkin {

std::string visualiser_caption(const ShownDesign& shown) {
    if (shown.completed_recomputes == 0) return std::string(frontview_first_caption);
    return shown.snapshot.frontview_caption +
           visualiser_caption_suffix(shown.design, program_version);
}

DesignSnapshot front_view_of(const ShownDesign& shown) {
    DesignSnapshot drawn = shown.snapshot;
    drawn.design.visualiser = shown.design.visualiser;
    return drawn;
}

void show_visualiser_if_checked(const Design& design, Host& host) {
    if (design.visualiser.shown) host.show_window(Window::frontview, true);
}

}  // namespace welkin
