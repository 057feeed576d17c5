#include "forms/shown_companions.h"

namespace welkin {

bool& ShownCompanions::flag(Window companion) {
    return companion == Window::scorecard ? scorecard_ : response_;
}

void ShownCompanions::open(Window companion) {
    flag(companion) = true;
    host_.show_window(companion, true);
}

void ShownCompanions::close(Window companion) {
    flag(companion) = false;
    host_.show_window(companion, false);
}

bool ShownCompanions::shown(Window companion) const {
    return companion == Window::scorecard ? scorecard_ : response_;
}

void ShownCompanions::forget(Window companion) {
    flag(companion) = false;
}

void ShownCompanions::minimised_changed(bool minimised, bool visualiser_shown) {
    if (minimised) {
        host_.show_window(Window::scorecard, false);
        host_.show_window(Window::frontview, false);
        host_.show_window(Window::response, false);
        return;
    }
    if (scorecard_) host_.show_window(Window::scorecard, true);
    if (response_) host_.show_window(Window::response, true);
    if (visualiser_shown) host_.show_window(Window::frontview, true);
}

}  // namespace welkin
