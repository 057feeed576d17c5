#include "forms/response_form.h"

#include <algorithm>
#include <cmath>

#include "forms/help_links.h"
#include "forms/lobes_form.h"
#include "response/design_far_field.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

Result<ResponseView> design_response(const DesignSnapshot& design, const ResponseRequest& request) {
    const Sound sound{request.frequency_hz, request.source_angle_deg, request.speed_m_s};
    const Result<ResponseView> computed =
        design_far_field(design, lobe_inputs(design), sound, request.panels);
    if (!computed) return computed;
    ResponseView view = *computed;
    view.common_reference = request.common_reference;
    view.design_caption = response_design_caption(design.design);
    return view;
}

namespace {

std::string length_with_unit(double mm, UnitMode mode) {
    const std::string words = trimmed(length_words(mm, mode));
    return mode == UnitMode::metric ? words + " mm" : words;
}

}  // namespace

Result<BemJob> bem_job_for(const DesignSnapshot& design, const ResponseRequest& request,
                           double source_distance_m, double receiver_distance_m) {
    const Result<std::optional<UsableBand>> usable =
        usable_band(lobe_inputs(design), request.source_angle_deg);
    if (!usable) return Result<BemJob>::failure(usable.message());
    BemJob job;
    job.inputs = {surface_of(design, request.panels),
                  {request.frequency_hz, request.source_angle_deg, request.speed_m_s},
                  source_distance_m,
                  receiver_distance_m};
    job.usable = *usable;
    job.design_caption = response_design_caption(design.design);
    return job;
}

std::string response_design_caption(const Design& d) {
    return "N " + number_text_trimmed(d.well_count) + " for " +
           number_text_trimmed(round_half_up_to_decimals(d.design_freq_hz, 1)) +
           " Hz, wells " + length_with_unit(d.well_width_mm, d.unit_mode) + ", fins " +
           length_with_unit(d.fin_width_mm, d.unit_mode);
}

void open_response_help(Host& host, const std::filesystem::path& guide_folder) {
    open_help(host, HelpPage::polar_response, guide_folder);
}

double ResponseForm::frequency_hz() const {
    return own_frequency_.value_or(shown_.design.design_freq_hz);
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

void ResponseForm::set_distances(double source_m, double receiver_m) {
    source_distance_m_ = source_m;
    receiver_distance_m_ = receiver_m;
}

const ResponseView* ResponseForm::shown() const {
    if (model_ == ResponseModel::boundary_elements) return bem_.view();
    return view();
}

bool ResponseForm::shown_current() const {
    if (model_ == ResponseModel::boundary_elements) return bem_.current();
    return view() != nullptr && !stale();
}

void ResponseForm::refresh() {
    ResponseRequest request{frequency_hz(), source_angle_deg_, panels_};
    request.common_reference = common_reference_;
    const Key key{shown_.completed_recomputes, shown_.refused, request, source_distance_m_,
                  receiver_distance_m_};
    if (computed_ == key) return;
    computed_ = key;
    ++computations_;
    view_.reset();
    message_.clear();
    stale_ = false;
    // Until a recompute completes there is no design to answer for.
    if (key.recomputes == 0) {
        bem_.set_inputs(Result<BemJob>::failure(""));
        return;
    }
    Result<ResponseView> r = design_response(shown_.snapshot, key.request);
    if (r) view_ = *r;
    if (key.refused) {
        stale_ = true;
        message_ = shown_.status_text;
        bem_.set_inputs(Result<BemJob>::failure(message_));
    } else {
        if (!r) message_ = r.message();
        bem_.set_inputs(
            bem_job_for(shown_.snapshot, key.request, source_distance_m_, receiver_distance_m_));
    }
}

}  // namespace welkin
