#include "forms/response_form.h"

#include "forms/lobes_form.h"
#include "forms/main_form.h"
#include "lobes/lobe_analysis.h"
#include "response/surface.h"

namespace welkin {

Result<ResponseView> design_response(const MainForm& form, const ResponseRequest& request) {
    // The lobes window's explorer reading: the usable range without the lobe search.
    const Result<LobeAnalysis> lobes =
        analyse_lobes(lobe_inputs(form), request.source_angle_deg, false);
    if (!lobes) return Result<ResponseView>::failure(lobes.message());
    std::optional<UsableBand> usable;
    if (lobes->usable) usable = UsableBand{lobes->usable_low_hz, lobes->usable_high_hz};

    const Sound sound{request.frequency_hz, request.source_angle_deg, default_speed_of_sound_m_s};
    return response_view(surface_of(form.design(), request.panels), sound, usable);
}

}  // namespace welkin
