// The reset to the factory settings, and the program's start-up, command
// line and shutdown.
#pragma once

#include <optional>
#include <string>

#include "forms/design_editor.h"

namespace welkin {

inline constexpr std::string_view title_suffix_most_recent = "    Project: most recent";
inline constexpr std::string_view title_suffix_project = "    Project: ";

// "Reset to default values and settings": the defaults under busy, the
// default title and one full recompute.
void reset_to_defaults(DesignEditor& form);

struct StartOptions {
    std::string app_folder;     // where the dialogs start before any file is read
    std::string settings_path;  // empty: start from the factory settings
    std::string project;        // the project named on the command line, if any
};

// Everything start-up does to the design: the settings file or the
// defaults, the command line's project, and the first recompute.
void start_up(DesignEditor& form, const StartOptions& options = {});

struct ProjectPath {
    std::string path;  // absolute
    std::string folder;
    std::string file_name;
};

// A path as typed, made absolute and split; nothing for an empty text or a
// folder.
std::optional<ProjectPath> project_path(const std::string& argument);

// Opens the project named on the command line. The path is made absolute
// and must end in .qrd (any letter case); anything else is ignored. A file
// that cannot be read (missing, a folder, a FIFO, too large) is refused with
// the reason and changes nothing; one read that holds no project resets.
void load_command_line_project(DesignEditor& form, const std::string& argument);

// Loads a project file as the command line does: under busy, then the
// title, or the problem message and the defaults. Returns whether it loaded.
// The caller runs the recompute.
bool open_project(DesignEditor& form, const std::string& path, const std::string& file_name);

// Closing the main window: the state goes to the settings file, silently.
void shut_down(DesignEditor& form);

// "There was a problem opening project <path> - resetting Welkin to default values"
std::string open_problem_message(const std::string& path);

}  // namespace welkin
