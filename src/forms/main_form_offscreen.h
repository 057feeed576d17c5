// A design computed by a main form that no window shows: what a project
// file's settings make, read exactly as the main window would read them.
#pragma once

#include <string>

#include "compare/comparison.h"
#include "persist/project_file.h"
#include "units/result.h"

namespace welkin {

// The design a project file's settings make, named `name`; the program's
// message when the file is incomplete or the design refused.
Result<PinnedDesign> design_of(const ProjectSettings& settings, std::string name);

}  // namespace welkin
