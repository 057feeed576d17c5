#include "forms/project_commands.h"

#include "forms/project_binding.h"
#include "forms/project_dialogs.h"
#include "forms/startup.h"

namespace welkin {

std::string save_problem_message(const std::string& path) {
    return "There was a problem saving project " + path;
}

void open_project_from_dialog(DesignEditor& form) {
    ProjectDialogs& dialogs = form.project_dialogs();
    dialogs.begin(FileDialog::open);
    form.host().show_modal(Window::open_project);
    if (dialogs.chosen_path().empty()) return;
    // The file may have gone since the dialog looked; still nothing is reset for it.
    if (const auto refusal = open_refusal(dialogs.chosen_path())) {
        form.host().message_box(*refusal, "");
        return;
    }
    // The title shows the name as it was typed.
    open_project(form, dialogs.chosen_path(), dialogs.file_name(FileDialog::open));
    form.recompute();
}

void save_project_from_dialog(DesignEditor& form) {
    ProjectDialogs& dialogs = form.project_dialogs();
    ProjectFiles& files = form.files();
    const std::string previous_name = files.project_file_name;
    dialogs.begin(FileDialog::save_as);
    form.host().show_modal(Window::save_project_as);
    const std::string path = dialogs.chosen_path();
    if (path.empty()) return;
    files.pending_path = path;
    if (!save_settings(form)) {
        // Saying nothing here would leave the user believing the design is saved.
        files.project_file_name = previous_name;
        form.host().message_box(save_problem_message(path), "");
        return;
    }
    form.set_title_suffix(std::string(title_suffix_project) +
                          dialogs.file_name(FileDialog::save_as));
}

}  // namespace welkin
