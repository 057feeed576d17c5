#include "forms/startup.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "forms/project_binding.h"
#include "forms/project_dialogs.h"
#include "forms/results_table_form.h"
#include "persist/file_io.h"

namespace welkin {

void reset_to_defaults(DesignEditor& form) {
    {
        const BusyScope busy(form);
        default_settings(form);
    }
    form.set_title_suffix(title_suffix_default);
    form.recompute();
}

std::string open_problem_message(const std::string& path) {
    return "There was a problem opening project " + path + " - resetting Welkin to default values";
}

bool open_project(DesignEditor& form, const std::string& path, const std::string& file_name) {
    form.files().pending_path = path;
    {
        const BusyScope busy(form);
        load_settings(form);
    }
    if (form.files().load_ok) {
        form.set_title_suffix(std::string(title_suffix_project) + file_name);
        return true;
    }
    form.host().message_box(open_problem_message(path), "");
    reset_to_defaults(form);
    return false;
}

std::optional<ProjectPath> project_path(const std::string& argument) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(argument, ec);
    if (ec || argument.empty()) return std::nullopt;
    const std::string path = absolute.lexically_normal().string();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash + 1 == path.size()) return std::nullopt;
    return ProjectPath{path, path.substr(0, slash), path.substr(slash + 1)};
}

void load_command_line_project(DesignEditor& form, const std::string& argument) {
    const std::optional<ProjectPath> project = project_path(argument);
    if (!project) return;
    std::string extension =
        project->path.size() >= 4 ? project->path.substr(project->path.size() - 4) : "";
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != ".qrd") return;
    // A name mistyped, a folder or a FIFO: nothing was read, so the state the
    // settings file restored stays, the user's last design with it.
    if (const std::optional<std::string> refusal = open_refusal(project->path)) {
        form.host().message_box(*refusal, "");
        return;
    }

    form.files().project_file_name = project->file_name;
    form.project_dialogs().point_both(project->folder, project->file_name);
    open_project(form, project->path, project->file_name);
}

void start_up(DesignEditor& form, const StartOptions& options) {
    form.set_title_suffix(title_suffix_pending);
    form.results_table().restore_page(1);
    Design d = form.design();
    d.vertical_scale_mm = 0;
    d.inverse_panel = false;
    d.unit_mode = UnitMode::metric;
    form.restore_choices(d);
    form.companions().forget(Window::scorecard);

    ProjectFiles& files = form.files();
    files.last_folder = options.app_folder;
    files.settings_path = options.settings_path;
    files.pending_path = files.settings_path;
    // A settings file that is there but cannot be read is the user's, not
    // ours to replace with the defaults on the way out.
    files.settings_unreadable = exists_but_unreadable(files.settings_path);
    {
        const BusyScope busy(form);
        load_settings(form);
    }
    if (const Result<ProjectSettings> settings = read_project_file(files.settings_path)) {
        files.build_choices = settings->build_choices;
    }
    if (files.load_ok) {
        form.set_title_suffix(title_suffix_most_recent);
    } else {
        // A first start has no settings file: that is no reason for a message.
        reset_to_defaults(form);
    }
    form.project_dialogs().create(files.last_folder);
    if (!options.project.empty()) load_command_line_project(form, options.project);
    form.recompute();
}

void shut_down(DesignEditor& form) {
    ProjectFiles& files = form.files();
    if (files.settings_unreadable || files.settings_path.empty()) return;
    files.pending_path = files.settings_path;
    // The program's folder may be one named for it that does not exist yet.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(files.settings_path).parent_path(),
                                        ec);
    // Projects never hold the Build window's choices; the settings file does.
    ProjectSettings settings = project_settings(form);
    settings.build_choices = files.build_choices;
    write_project_file(files.settings_path, settings);  // a failure is not worth a message on the way out
}

}  // namespace welkin
