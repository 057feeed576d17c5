// "Create Folder": asks for the name of a new folder below the one the save
// dialog shows. The folder is made by ProjectDialogs once it closes.
#pragma once

#include <QDialog>

#include "forms/project_dialogs.h"

class QLineEdit;

namespace welkin {

class CreateFolderWindow final : public QDialog {
public:
    CreateFolderWindow(ProjectDialogs& dialogs, QWidget* parent);

    // The window frame's close control and Escape act as "&Cancel".
    void reject() override;

private:
    ProjectDialogs& dialogs_;
    QLineEdit* name_ = nullptr;
};

}  // namespace welkin
