#include "forms/response_form.h"

#include <algorithm>
#include <cmath>

#include "forms/lobes_form.h"
#include "forms/main_form.h"
#include "response/design_far_field.h"

namespace welkin {

Result<ResponseView> design_response(const MainForm& form, const ResponseRequest& request) {
    const Sound sound{request.frequency_hz, request.source_angle_deg, request.speed_m_s};
    return design_far_field(form.design(), lobe_inputs(form), sound, request.panels);
}

void open_response(MainForm& form) {
    form.set_response_shown(true);
    form.host().show_window(Window::response, true);
}

void close_response(MainForm& form) {
    form.set_response_shown(false);
    form.host().show_window(Window::response, false);
}

double ResponseForm::frequency_hz() const {
    return own_frequency_.value_or(main_.design().design_freq_hz);
}

void ResponseForm::set_frequency(double hz) {
    if (!std::isfinite(hz)) return;
    own_frequency_ = std::clamp(hz, response_min_frequency_hz, response_max_frequency_hz);
}

void ResponseForm::set_source_angle(double degrees) {
    if (!std::isfinite(degrees)) return;
    source_angle_deg_ = std::clamp(degrees, -90.0, 90.0);
}

void ResponseForm::set_panels(int panels) {
    panels_ = std::clamp(panels, 1, max_panels);
}

void ResponseForm::refresh() {
    const Key key{main_.completed_recomputes(), {frequency_hz(), source_angle_deg_, panels_}};
    if (computed_ == key) return;
    computed_ = key;
    ++computations_;
    view_.reset();
    message_.clear();
    // Until a recompute completes there is no design to answer for.
    if (key.recomputes == 0) return;
    Result<ResponseView> r = design_response(main_, key.request);
    if (r) {
        view_ = *r;
    } else {
        message_ = r.message();
    }
}

}  // namespace welkin
