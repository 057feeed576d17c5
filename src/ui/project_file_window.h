// "Open Project" and "Save Project As ...": a drive list, a folder tree and
// a list of the project files in the folder, over ProjectDialogs. The
// windows keep nothing themselves: what they show lives in the model, so a
// window made afresh each time looks as the last one was left.
#pragma once

#include <QDialog>
#include <memory>

#include "forms/host.h"
#include "forms/project_dialogs.h"

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListView;
class QModelIndex;
class QTreeView;

namespace welkin {

class PlainFileIcons;
class ProjectFileList;

class ProjectFileWindow final : public QDialog {
public:
    ProjectFileWindow(FileDialog kind, ProjectDialogs& dialogs, QWidget* parent);
    ~ProjectFileWindow() override;

    // The window frame's close control and Escape act as "&Cancel".
    void reject() override;

private:
    void build_lists();
    void build_drive_list();
    void build_folder_tree();
    void build_file_list();
    void build_name_row();
    void build_buttons();
    void refresh();
    void show_folder();
    void enter_folder(const QModelIndex& index);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void file_clicked(const QModelIndex& index);
    void confirm();

    FileDialog kind_;
    ProjectDialogs& dialogs_;
    QComboBox* drive_list_ = nullptr;
    QTreeView* folder_tree_ = nullptr;
    QListView* file_list_ = nullptr;
    QLineEdit* file_name_ = nullptr;
    // The folder model's reader thread uses the icons until the model is
    // gone, so the icons are declared first and go last.
    std::unique_ptr<PlainFileIcons> icons_;
    std::unique_ptr<QFileSystemModel> folders_;
    ProjectFileList* files_ = nullptr;
    // Until the user scrolls, clicks or types in the tree, it keeps the shown folder in view.
    bool follows_shown_folder_ = true;
};

// Shows the project dialog that plays `role` modally and returns true, or
// returns false when `role` is not one of them.
bool show_project_window(Window role, ProjectDialogs& dialogs, QWidget* main_window);

}  // namespace welkin
