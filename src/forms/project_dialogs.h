// The program's own project dialogs: "Open Project", "Save Project As ..."
// and "Create Folder". They read and write no project; they only produce a
// path for the main window's Open and Save As. The two file dialogs stay
// pointed at the same folder after every confirmation or new folder, and
// both start in the folder last used (kept in the settings file).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "persist/project_file.h"

namespace welkin {

class Host;

// Which files the program is working with.
struct ProjectFiles {
    std::string pending_path;  // the file the next save or load works on
    bool load_ok = false;      // the last load read the required lines
    std::string settings_path;
    bool settings_unreadable = false;  // it exists but could not be read: never overwritten
    std::string last_folder;  // where the project dialogs start
    std::string project_file_name;
    std::string build_choices;  // the Build window's, kept in welkin.ini only
    WindowPlace visualiser_place;  // 0 until the window has been placed
};

inline constexpr std::string_view open_dialog_caption = "Open Project";
inline constexpr std::string_view save_dialog_caption = "Save Project As ...";
inline constexpr std::string_view create_folder_caption = "Create Folder";
inline constexpr std::string_view project_pattern = "*.qrd";
inline constexpr std::string_view project_extension = ".qrd";

enum class FileDialog { open, save_as };

class ProjectDialogs {
public:
    // The dialogs read and write the shared last folder and project file name.
    ProjectDialogs(ProjectFiles& files, Host& host);

    // The roots the drive lists offer (mounted volumes here); "/" until told.
    void set_drives(std::vector<std::string> roots);
    const std::vector<std::string>& drives() const { return drives_; }

    // Start-up: both file dialogs start in `folder`, or the nearest folder
    // above it that exists.
    void create(const std::string& folder);
    // The command line's project: both dialogs show its folder and name.
    void point_both(const std::string& folder, const std::string& file_name);

    // What one file dialog shows. The drive is the root the folder lies on.
    const std::string& folder(FileDialog dialog) const { return state(dialog).folder; }
    std::string drive(FileDialog dialog) const { return drive_of(folder(dialog)); }
    const std::string& file_name(FileDialog dialog) const { return state(dialog).file_name; }

    // The main window opens a dialog: the open dialog's name is emptied, the
    // save dialog's is the current project's; Cancel comes back to here.
    void begin(FileDialog dialog);

    // Inside a file dialog. Pointing at a drive or folder that is not there
    // is ignored.
    void choose_drive(FileDialog dialog, const std::string& root);
    void choose_folder(FileDialog dialog, const std::string& folder);
    void set_file_name(FileDialog dialog, std::string text) {
        state(dialog).file_name = std::move(text);
    }

    // "&Open" / "&Save", Enter or a double-click. Returns whether the
    // dialog closes; chosen_path() then names the project file. In the open
    // dialog a name that is a folder here enters it, and a file that cannot
    // be read is refused with the reason while the dialog stays open.
    bool confirm(FileDialog dialog);
    // "&Cancel" or the window's close control: back to where it was opened.
    void cancel(FileDialog dialog);

    const std::string& chosen_path() const { return chosen_path_; }
    const std::string& dialog_folder() const { return dialog_folder_; }
    std::string dialog_drive() const { return drive_of(dialog_folder_); }

    // "Create folder" in the save dialog: asks for a name through the
    // create-folder window, then makes the folder below the save dialog's.
    void create_folder();
    const std::string& new_folder_question() const { return new_folder_question_; }
    void confirm_new_folder(std::string name) { new_folder_name_ = std::move(name); }
    void cancel_new_folder() { new_folder_name_.clear(); }
    const std::string& new_folder_name() const { return new_folder_name_; }

private:
    struct DialogState {
        std::string folder;
        std::string file_name;
    };

    DialogState& state(FileDialog dialog) { return dialogs_[static_cast<int>(dialog)]; }
    const DialogState& state(FileDialog dialog) const { return dialogs_[static_cast<int>(dialog)]; }
    std::string drive_of(const std::string& folder) const;
    // A name typed in the open dialog that is a folder here: the dialog goes into it.
    bool enter_typed_folder(const std::string& typed);
    void make_new_folder();

    ProjectFiles& files_;
    Host& host_;
    std::vector<std::string> drives_{"/"};
    DialogState dialogs_[2];
    std::string chosen_path_;
    std::string dialog_folder_;
    std::string new_folder_question_;
    std::string new_folder_name_;
};

// Why the project at `path` cannot be opened: missing, a folder, a device
// or FIFO, too large or unreadable. Nothing when it can be read.
std::optional<std::string> open_refusal(const std::string& path);

// The folder and a name in it, with one separator also at a root.
std::string path_in_folder(const std::string& folder, const std::string& name);

// Whether a new folder's name is one the create-folder window accepts.
bool acceptable_folder_name(std::string_view name);

}  // namespace welkin
