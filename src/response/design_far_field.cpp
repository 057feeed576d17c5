#include "response/design_far_field.h"

#include <optional>

#include "response/surface.h"

namespace welkin {

Result<std::optional<UsableBand>> usable_band(const LobeInputs& lobes, double source_angle_deg) {
    // The lobes window's explorer reading: the usable range without the lobe search.
    const Result<LobeAnalysis> analysis = analyse_lobes(lobes, source_angle_deg, false);
    if (!analysis) return Result<std::optional<UsableBand>>::failure(analysis.message());
    std::optional<UsableBand> usable;
    if (analysis->usable) usable = UsableBand{analysis->usable_low_hz, analysis->usable_high_hz};
    return usable;
}

Result<ResponseView> design_far_field(const DesignSnapshot& design, const LobeInputs& lobes,
                                      const Sound& sound, int panels) {
    const Result<std::optional<UsableBand>> usable = usable_band(lobes, sound.source_angle_deg);
    if (!usable) return Result<ResponseView>::failure(usable.message());
    return response_view(surface_of(design, panels), sound, *usable);
}

}  // namespace welkin
