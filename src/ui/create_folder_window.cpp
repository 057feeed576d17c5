#include "ui/create_folder_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/qt_text.h"
#include "ui/object_names.h"
#include "ui/dialog_placement.h"

namespace welkin {

namespace {

constexpr std::string_view name_caption = "Name of new folder:";
constexpr std::string_view ok_caption = "OK";
constexpr std::string_view cancel_caption = "&Cancel";
constexpr int window_width = 420;

}  // namespace

CreateFolderWindow::CreateFolderWindow(ProjectDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setWindowTitle(qs(create_folder_caption));
    name_control(*this, Control::create_folder_window);
    auto* layout = new QVBoxLayout(this);

    auto* question = new QLabel(qs(dialogs_.new_folder_question()), this);
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    name_control(*question, Control::new_folder_question);
    auto* caption = new QLabel(qs(name_caption), this);
    name_control(*caption, Control::new_folder_label);
    name_ = new QLineEdit(this);
    name_control(*name_, Control::new_folder_field);
    caption->setBuddy(name_);
    layout->addWidget(question);
    layout->addWidget(caption);
    layout->addWidget(name_);

    auto* ok = new QPushButton(qs(ok_caption), this);
    name_control(*ok, Control::new_folder_ok);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        dialogs_.confirm_new_folder(name_->text().toStdString());
        accept();
    });
    auto* cancel = new QPushButton(qs(cancel_caption), this);
    name_control(*cancel, Control::new_folder_cancel);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CreateFolderWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    resize(window_width, sizeHint().height());
    place_dialog(*this);
    name_->setFocus();
}

void CreateFolderWindow::reject() {
    dialogs_.cancel_new_folder();
    QDialog::reject();
}

}  // namespace welkin
