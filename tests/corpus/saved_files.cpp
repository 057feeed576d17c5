// Writes the two files the program saves for a design: the project as
// "Save Project As" writes it, and the settings file as closing the main
// window writes it. scripts/corpus runs it beside welkin-cli, so that a
// change to the code can be checked to keep every saved byte.
//
//   corpus_saved_files PROJECT|- PROJECT_OUT SETTINGS_OUT
#include <iostream>
#include <string>

#include "forms/host.h"
#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "forms/startup.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: corpus_saved_files PROJECT|- PROJECT_OUT SETTINGS_OUT\n";
        return 2;
    }
    welkin::QuietHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    const std::string project = argv[1];
    if (project != "-") {
        const std::optional<welkin::ProjectPath> path = welkin::project_path(project);
        if (!path || !welkin::open_project(form, path->path, path->file_name)) return 1;
        form.recompute();
    }
    form.files().pending_path = argv[2];
    if (!welkin::save_settings(form)) return 1;
    form.files().settings_path = argv[3];
    welkin::shut_down(form);
    return 0;
}
