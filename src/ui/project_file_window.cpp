#include "ui/project_file_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QStyle>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "render/qt_text.h"
#include "ui/create_folder_window.h"
#include "ui/dialog_placement.h"
#include "ui/object_names.h"
#include "ui/project_file_models.h"

namespace welkin {

namespace {

constexpr std::string_view file_name_caption = "File name:";
constexpr std::string_view open_caption = "&Open";
constexpr std::string_view save_caption = "&Save";
constexpr std::string_view cancel_caption = "&Cancel";
constexpr std::string_view create_folder_button_caption = "Create folder";
constexpr std::string_view save_hint =
    "You don't need to specify a file extension - \".qrd\" is added automatically if required";
constexpr int window_width = 600;
constexpr int window_height = 420;

std::vector<std::string> mounted_roots() {
    std::vector<std::string> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) roots.push_back(volume.rootPath().toStdString());
    }
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

}  // namespace

ProjectFileWindow::ProjectFileWindow(FileDialog kind, ProjectDialogs& dialogs, QWidget* parent)
    : QDialog(parent), kind_(kind), dialogs_(dialogs) {
    const bool opening = kind == FileDialog::open;
    setWindowTitle(qs(opening ? open_dialog_caption : save_dialog_caption));
    name_control(*this, opening ? Control::open_project_window : Control::save_project_window);
    dialogs_.set_drives(mounted_roots());
    icons_ = std::make_unique<PlainFileIcons>(style()->standardIcon(QStyle::SP_DirIcon),
                                              style()->standardIcon(QStyle::SP_FileIcon));
    auto* grid = new QGridLayout(this);
    setLayout(grid);
    build_lists();
    build_name_row();
    build_buttons();
    resize(window_width, window_height);
    place_dialog(*this);
    refresh();
    file_name_->setFocus();
}

ProjectFileWindow::~ProjectFileWindow() {
    // The tree lets go of its model before the model goes.
    folder_tree_->setModel(nullptr);
}

void ProjectFileWindow::build_lists() {
    build_drive_list();
    build_folder_tree();
    build_file_list();
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(drive_list_, 0, 0);
    grid->addWidget(folder_tree_, 1, 0);
    grid->addWidget(file_list_, 0, 1, 2, 1);
}

void ProjectFileWindow::build_drive_list() {
    drive_list_ = new QComboBox(this);
    name_control(*drive_list_, Control::project_drive_list);
    for (const std::string& root : dialogs_.drives()) drive_list_->addItem(qs(root));
    connect(drive_list_, &QComboBox::activated, this, [this](int row) {
        dialogs_.choose_drive(kind_, drive_list_->itemText(row).toStdString());
        refresh();
    });
}

void ProjectFileWindow::build_folder_tree() {
    folders_ = std::make_unique<QFileSystemModel>();
    folders_->setIconProvider(icons_.get());
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    folders_->setRootPath(QStringLiteral("/"));
    folder_tree_ = new QTreeView(this);
    name_control(*folder_tree_, Control::project_folder_tree);
    folder_tree_->setModel(folders_.get());
    folder_tree_->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column)
        folder_tree_->hideColumn(column);
    connect(folder_tree_, &QTreeView::clicked, this, &ProjectFileWindow::enter_folder);
    connect(folder_tree_, &QTreeView::activated, this, &ProjectFileWindow::enter_folder);
    // Enter in the tree goes into the folder and no further: passed on, it
    // would also press "&Open" with whatever name is in the field.
    folder_tree_->installEventFilter(this);
    folder_tree_->viewport()->installEventFilter(this);
    // The tree fills in and sorts itself in the background, moving the shown
    // folder's row, so it follows that row until the user takes the tree in
    // hand; from then on a folder read or sorted (one the user opens, or one
    // that changes on disk) moves the view no more.
    const auto follow = [this] {
        if (follows_shown_folder_) folder_tree_->scrollTo(folder_tree_->currentIndex());
    };
    connect(folders_.get(), &QFileSystemModel::directoryLoaded, this, follow);
    connect(folders_.get(), &QFileSystemModel::layoutChanged, this, follow);
    connect(folder_tree_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { follows_shown_folder_ = false; });
}

void ProjectFileWindow::build_file_list() {
    files_ = new ProjectFileList(style()->standardIcon(QStyle::SP_FileIcon));
    files_->setParent(this);
    file_list_ = new QListView(this);
    name_control(*file_list_, Control::project_file_list);
    file_list_->setModel(files_);
    // A folder of thousands of files is laid out a slice at a time, between events.
    file_list_->setUniformItemSizes(true);
    file_list_->setLayoutMode(QListView::Batched);
    connect(file_list_, &QListView::clicked, this, &ProjectFileWindow::file_clicked);
    connect(file_list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        file_clicked(index);
        confirm();
    });
}

void ProjectFileWindow::build_name_row() {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* caption = new QLabel(qs(file_name_caption), this);
    name_control(*caption, Control::project_file_name_label);
    file_name_ = new QLineEdit(this);
    name_control(*file_name_, Control::project_file_name_field);
    caption->setBuddy(file_name_);
    connect(file_name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { dialogs_.set_file_name(kind_, text.toStdString()); });
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(file_name_, 1);
    grid->addLayout(row, 2, 0, 1, 2);

    const bool opening = kind_ == FileDialog::open;
    auto* pattern = new QLabel(qs(opening ? project_pattern : save_hint), this);
    pattern->setTextFormat(Qt::PlainText);
    pattern->setWordWrap(true);
    name_control(*pattern, Control::project_pattern_label);
    grid->addWidget(pattern, 3, 0, 1, 2);
}

void ProjectFileWindow::build_buttons() {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* row = new QHBoxLayout;
    if (kind_ == FileDialog::save_as) {
        auto* create = new QPushButton(qs(create_folder_button_caption), this);
        name_control(*create, Control::create_folder_button);
        create->setAutoDefault(false);
        connect(create, &QPushButton::clicked, this, [this] {
            dialogs_.create_folder();
            refresh();
        });
        row->addWidget(create);
    }
    row->addStretch();
    auto* confirm_button =
        new QPushButton(qs(kind_ == FileDialog::open ? open_caption : save_caption), this);
    name_control(*confirm_button, Control::project_confirm_button);
    confirm_button->setDefault(true);
    connect(confirm_button, &QPushButton::clicked, this, &ProjectFileWindow::confirm);
    auto* cancel = new QPushButton(qs(cancel_caption), this);
    name_control(*cancel, Control::project_cancel_button);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ProjectFileWindow::reject);
    row->addWidget(confirm_button);
    row->addWidget(cancel);
    grid->addLayout(row, 4, 0, 1, 2);
}

void ProjectFileWindow::refresh() {
    const QString drive = qs(dialogs_.drive(kind_));
    int row = drive_list_->findText(drive);
    if (row < 0) {
        drive_list_->addItem(drive);
        row = drive_list_->count() - 1;
    }
    drive_list_->setCurrentIndex(row);
    folder_tree_->setRootIndex(folders_->index(drive));
    file_name_->setText(qs(dialogs_.file_name(kind_)));
    show_folder();
}

void ProjectFileWindow::show_folder() {
    const QString folder = qs(dialogs_.folder(kind_));
    const QModelIndex in_tree = folders_->index(folder);
    folder_tree_->setCurrentIndex(in_tree);
    folder_tree_->scrollTo(in_tree);
    follows_shown_folder_ = true;
    // Once laid out, so that a tree already read also scrolls to it.
    QTimer::singleShot(0, this, [this] { folder_tree_->scrollTo(folder_tree_->currentIndex()); });
    files_->show_folder(folder);
}

void ProjectFileWindow::enter_folder(const QModelIndex& index) {
    if (!index.isValid()) return;
    dialogs_.choose_folder(kind_, folders_->filePath(index).toStdString());
    show_folder();
}

bool ProjectFileWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress ||
        (watched == folder_tree_->viewport() &&
         (type == QEvent::Wheel || type == QEvent::MouseButtonPress))) {
        follows_shown_folder_ = false;
    }
    if (watched == folder_tree_ && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enter_folder(folder_tree_->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProjectFileWindow::file_clicked(const QModelIndex& index) {
    const QString name = index.data().toString();
    dialogs_.set_file_name(kind_, name.toStdString());
    file_name_->setText(name);
}

void ProjectFileWindow::confirm() {
    if (dialogs_.confirm(kind_)) {
        accept();
        return;
    }
    // A folder's name typed in the open dialog has taken it there.
    refresh();
}

void ProjectFileWindow::reject() {
    dialogs_.cancel(kind_);
    QDialog::reject();
}

bool show_project_window(Window role, ProjectDialogs& dialogs, QWidget* main_window) {
    switch (role) {
        case Window::open_project:
        case Window::save_project_as: {
            const FileDialog kind =
                role == Window::open_project ? FileDialog::open : FileDialog::save_as;
            ProjectFileWindow window(kind, dialogs, main_window);
            window.exec();
            return true;
        }
        case Window::create_folder: {
            // It comes up over the save dialog that asked for it.
            QWidget* over = QApplication::activeModalWidget();
            CreateFolderWindow window(dialogs, over != nullptr ? over : main_window);
            window.exec();
            return true;
        }
        default: return false;
    }
}

}  // namespace welkin
