#include "response/design_far_field.h"

#include <optional>

#include "response/surface.h"

namespace welkin {

Result<ResponseView> design_far_field(const Design& design, const LobeInputs& lobes,
                                      const Sound& sound, int panels) {
    // The lobes window's explorer reading: the usable range without the lobe search.
    const Result<LobeAnalysis> analysis = analyse_lobes(lobes, sound.source_angle_deg, false);
    if (!analysis) return Result<ResponseView>::failure(analysis.message());
    std::optional<UsableBand> usable;
    if (analysis->usable) usable = UsableBand{analysis->usable_low_hz, analysis->usable_high_hz};
    return response_view(surface_of(design, panels), sound, usable);
}

}  // namespace welkin
