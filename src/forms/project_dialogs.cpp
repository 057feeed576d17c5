#include "forms/project_dialogs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "forms/host.h"
#include "persist/file_io.h"

namespace welkin {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view msg_bad_file_name = "Bad file name";
constexpr std::string_view msg_cannot_create = "Unable to Create Directory ";
constexpr std::string_view msg_cannot_open_start = "Project ";
constexpr std::string_view msg_cannot_open_middle = " cannot be opened: ";
constexpr std::string_view new_folder_question_start = "Create new folder below ";
constexpr std::string_view new_folder_question_end = " ?";
// A folder name may hold none of these, nor a backspace.
constexpr std::string_view refused_in_folder_names = "\\/*.?@&!+><:;'\"\b";

bool is_folder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// Whether `folder` is `root` or lies below it.
bool lies_on(const std::string& folder, const std::string& root) {
    if (folder.compare(0, root.size(), root) != 0) return false;
    return folder.size() == root.size() || root.back() == '/' || folder[root.size()] == '/';
}

std::string in_capitals(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

FileDialog other(FileDialog dialog) {
    return dialog == FileDialog::open ? FileDialog::save_as : FileDialog::open;
}

}  // namespace

std::string path_in_folder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool acceptable_folder_name(std::string_view name) {
    return !name.empty() && name.find_first_of(refused_in_folder_names) == std::string_view::npos;
}

ProjectDialogs::ProjectDialogs(ProjectFiles& files, Host& host) : files_(files), host_(host) {}

void ProjectDialogs::set_drives(std::vector<std::string> roots) {
    if (!roots.empty()) drives_ = std::move(roots);
}

std::string ProjectDialogs::drive_of(const std::string& folder) const {
    std::string best;
    for (const std::string& root : drives_) {
        if (!root.empty() && root.size() > best.size() && lies_on(folder, root)) best = root;
    }
    return best.empty() ? std::string("/") : best;
}

void ProjectDialogs::create(const std::string& folder) {
    // A remembered folder may have gone since; start in what is left of it.
    fs::path start = folder.empty() ? fs::path("/") : fs::path(folder);
    while (!is_folder(start.string()) && start.has_parent_path() && start != start.parent_path()) {
        start = start.parent_path();
    }
    const std::string found = is_folder(start.string()) ? start.string() : std::string("/");
    for (DialogState& dialog : dialogs_) dialog.folder = found;
}

void ProjectDialogs::point_both(const std::string& folder, const std::string& file_name) {
    for (DialogState& dialog : dialogs_) {
        if (is_folder(folder)) dialog.folder = folder;
        dialog.file_name = file_name;
    }
}

void ProjectDialogs::begin(FileDialog dialog) {
    state(dialog).file_name = dialog == FileDialog::open ? std::string() : files_.project_file_name;
    dialog_folder_ = folder(dialog);
    chosen_path_.clear();
}

void ProjectDialogs::choose_drive(FileDialog dialog, const std::string& root) {
    choose_folder(dialog, root);
}

void ProjectDialogs::choose_folder(FileDialog dialog, const std::string& folder) {
    if (is_folder(folder)) state(dialog).folder = folder;
}

std::optional<std::string> open_refusal(const std::string& path) {
    const Result<std::string> bytes = read_small_file(path);
    if (bytes) return std::nullopt;
    return std::string(msg_cannot_open_start) + path + std::string(msg_cannot_open_middle) +
           bytes.message();
}

bool ProjectDialogs::confirm(FileDialog dialog) {
    if (dialog == FileDialog::open) chosen_path_.clear();
    const std::string typed = file_name(dialog);
    if (typed.empty() || typed == ".") {
        if (dialog == FileDialog::open) host_.message_box(msg_bad_file_name, "");
        return false;
    }
    if (dialog == FileDialog::open && enter_typed_folder(typed)) return false;
    // Whatever the user typed after the first point goes; the extension is ours.
    const std::string project_name = typed.substr(0, typed.find('.')) + std::string(project_extension);
    const std::string path = path_in_folder(folder(dialog), project_name);
    if (dialog == FileDialog::open) {
        // Refused here, the design on screen is untouched and the user can choose again.
        if (const auto refusal = open_refusal(path)) {
            host_.message_box(*refusal, "");
            return false;
        }
    }
    files_.project_file_name = project_name;
    chosen_path_ = path;
    files_.last_folder = folder(dialog);
    state(other(dialog)).folder = folder(dialog);
    return true;
}

bool ProjectDialogs::enter_typed_folder(const std::string& typed) {
    if (typed.find('/') != std::string::npos || typed == "..") return false;
    const std::string path = path_in_folder(folder(FileDialog::open), typed);
    if (!is_folder(path)) return false;
    state(FileDialog::open).folder = path;
    state(FileDialog::open).file_name.clear();
    return true;
}

void ProjectDialogs::cancel(FileDialog dialog) {
    choose_folder(dialog, dialog_folder_);
    chosen_path_.clear();
}

void ProjectDialogs::create_folder() {
    new_folder_question_ = std::string(new_folder_question_start) +
                           in_capitals(folder(FileDialog::save_as)) +
                           std::string(new_folder_question_end);
    new_folder_name_.clear();
    host_.show_modal(Window::create_folder);
    make_new_folder();
}

void ProjectDialogs::make_new_folder() {
    if (!acceptable_folder_name(new_folder_name_)) return;
    const std::string path = path_in_folder(folder(FileDialog::save_as), new_folder_name_);
    std::error_code ec;
    // A name already taken is a failure too: nothing new was made.
    if (!fs::create_directory(path, ec) || ec) {
        host_.message_box(std::string(msg_cannot_create) + path, "");
        return;
    }
    state(FileDialog::save_as).folder = path;
    state(FileDialog::open).folder = path;
    dialog_folder_ = path;
}

}  // namespace welkin
