// The panel's name: the status line after a successful recompute and the
// start of the visualiser window's caption.
#pragma once

#include <string>

#include "core/design.h"

namespace welkin {

struct PanelName {
    std::string status;
    std::string caption_start;
};

PanelName panel_name(const Design& d);

// The visualiser window's caption: the name, then the design frequency
// as the design-frequency field shows it.
std::string frontview_caption(const PanelName& name, const std::string& design_freq_field);

}  // namespace welkin
