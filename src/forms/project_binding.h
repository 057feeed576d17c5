// A settings or project file applied to the main form, and the form's state
// taken as one. Applying replays the file in the order its lines require,
// through the same handlers the user's clicks run.
#pragma once

#include "forms/design_editor.h"
#include "persist/project_file.h"
#include "units/result.h"

namespace welkin {

// Puts every setting the file covers back to its factory value. Callers
// hold `busy` while it runs.
void default_settings(DesignEditor& form);

// Drives the form through the settings line by line. In the lines a file
// must have, a missing line ends the reading; an older file under the 2D
// build lock gets its 2D depth rebuilt from the panel it describes.
// Callers hold `busy` and recompute afterwards.
void apply(const ProjectSettings& settings, DesignEditor& form);

// The settings a file keeps for the form as it stands. A length entry
// still pending or refused is kept as the value last committed.
ProjectSettings project_settings(const DesignEditor& form);

// The defaults and the default title, then the file's settings when it
// could be read; files().load_ok says whether it counts as loaded.
void load_settings(DesignEditor& form, const Result<ProjectSettings>& file);

// load_settings on files().pending_path.
void load_settings(DesignEditor& form);

// Writes the current state to files().pending_path, replacing the old file
// only once the new one is whole. Returns whether the file was written.
bool save_settings(const DesignEditor& form);

}  // namespace welkin
