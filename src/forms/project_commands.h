// The main window's "Open" and "Save As": a project dialog for the path,
// then the project file read or written.
#pragma once

#include <string>

#include "forms/design_editor.h"

namespace welkin {

// Loads the project chosen in the open dialog, then recomputes. A file that
// cannot be read is refused with the reason and changes nothing; one that
// is read but is no complete project gives a message and the defaults.
// Cancel loads nothing.
void open_project_from_dialog(DesignEditor& form);

// Writes the design to the file chosen in the save dialog. A file that
// cannot be written gets a message, and the title and the project's name
// stay as they were; an old file at that path is left whole.
void save_project_from_dialog(DesignEditor& form);

// "There was a problem saving project <path>"
std::string save_problem_message(const std::string& path);

}  // namespace welkin
