// What the main window shows of the design, as the windows that follow it
// read it: the inputs and choices as they stand, the last complete
// recompute, and the status line, which holds the reason while the inputs
// are refused.
#pragma once

#include <string>

#include "canvas/rgb.h"
#include "core/design.h"
#include "core/design_snapshot.h"

namespace welkin {

struct ShownDesign {
    Design design;                  // the inputs and menu choices as they stand
    DesignSnapshot snapshot;        // what the last complete recompute found
    long completed_recomputes = 0;  // the pictures are redrawn after each
    long started_recomputes = 0;    // complete or not, for callers that count work
    bool refused = false;           // the last recompute stopped at an invalid input
    std::string status_text;        // the panel's name, the scale warning or the refusal
    Rgb status_colour = rgb_black;
};

}  // namespace welkin
