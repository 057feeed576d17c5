// The polar response window's model: its three inputs, the response of the
// design on screen computed from them after every recompute, and what the
// window shows when the design or an input is refused.
#pragma once

#include <string>
#include <string_view>

#include "response/response_view.h"
#include "units/result.h"

namespace welkin {

class MainForm;

// What the window and the batch program ask of the design.
struct ResponseRequest {
    double frequency_hz = 0;
    double source_angle_deg = 0;
    int panels = 1;
};

// The response of the form's design, `panels` periods side by side, with the
// lobe analysis's usable range at that source angle. A design only a damaged
// file can produce is refused with the analysis's message.
Result<ResponseView> design_response(const MainForm& form, const ResponseRequest& request);

}  // namespace welkin
