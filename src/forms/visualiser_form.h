// The visualiser window's handlers and caption. Its drawing is
// paint_front_view; its settings are the design's, kept with the project.
#pragma once

#include <string>

#include "forms/main_form.h"

namespace welkin {

// The caption until the first recompute names the panel.
inline constexpr std::string_view frontview_first_caption = "Frontview";

// "Show Visualizer": checking it shows the window and recomputes, so that
// it is drawn; unchecking hides it, and its picture is left empty.
void toggle_show_visualiser(MainForm& form);

// Closing the window unchecks "Show Visualizer".
void visualiser_closed(MainForm& form);

// A new size redraws it through the main window's "Go".
void visualiser_resized(MainForm& form);

// The panel's name, then the arrangement, total width and version.
std::string visualiser_caption(const MainForm& form);

// Start-up shows the window when the settings say so.
void show_visualiser_if_checked(MainForm& form);

}  // namespace welkin
