// The far-field response of a design held as a value: its wells as drawn,
// `panels` periods side by side, with the usable range the lobe analysis
// finds at the sound's source angle.
#pragma once

#include <optional>

#include "core/design_snapshot.h"
#include "lobes/lobe_analysis.h"
#include "response/response_view.h"
#include "units/result.h"

namespace welkin {

// The lobe analysis's usable range at a source angle, none when it has
// none; a design only a damaged file can produce is refused with the
// analysis's message.
Result<std::optional<UsableBand>> usable_band(const LobeInputs& lobes, double source_angle_deg);

// A design only a damaged file can produce is refused with the analysis's
// message.
Result<ResponseView> design_far_field(const DesignSnapshot& design, const LobeInputs& lobes,
                                      const Sound& sound, int panels);

}  // namespace welkin
