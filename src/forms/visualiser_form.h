// The visualiser window's caption and its showing at start-up. Its drawing
// is paint_front_view; its settings are the design's, kept with the project,
// and its menu item and close are the main form's commands
// (DesignCommand::toggle_show_visualiser, DesignCommand::hide_visualiser).
#pragma once

#include <string>

#include "forms/host.h"
#include "forms/shown_design.h"

namespace welkin {

// The caption until the first recompute names the panel.
inline constexpr std::string_view frontview_first_caption = "Frontview";

// The panel's name, then the arrangement, total width and version.
std::string visualiser_caption(const ShownDesign& shown);

// What the window draws: the wells and lengths of the last complete
// recompute, in the visualiser's menu choices as they stand, so that
// unchecking "Show Visualizer" empties the picture at once.
DesignSnapshot front_view_of(const ShownDesign& shown);

// Start-up shows the window when the settings say so.
void show_visualiser_if_checked(const Design& design, Host& host);

}  // namespace welkin
