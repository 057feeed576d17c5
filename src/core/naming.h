// The panel's name: the status line after a successful recompute and the
// start of the visualiser window's caption.
#pragma once

#include <string>
#include <string_view>

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

// True when the chosen drawing scale is too short for the full design depth;
// the status line then says so instead of naming the panel.
bool vertical_scale_warning(const Design& d);
inline constexpr std::string_view vertical_scale_warning_text =
    "Warning: Vertical scaling choice prevents full design depth being displayed";

}  // namespace welkin
