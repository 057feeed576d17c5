#include "ui/project_file_models.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <algorithm>
#include <filesystem>
#include <thread>

#include "forms/project_dialogs.h"

namespace welkin {

namespace {

const QString folder_kind = QStringLiteral("Folder");
const QString file_kind = QStringLiteral("File");
// Rows handed to the list at a time: a folder of thousands of projects is
// shown in short steps between the window's other events.
constexpr qsizetype rows_per_slice = 250;

}  // namespace

PlainFileIcons::PlainFileIcons(const QIcon& folder, const QIcon& file)
    : folder_(folder), file_(file) {
    setOptions(DontUseCustomDirectoryIcons);
}

QIcon PlainFileIcons::icon(IconType type) const {
    return type == File ? file_ : folder_;
}

// Called from the model's reader thread: only the kind the reader has
// already learnt from stat(), no further look at the file.
QIcon PlainFileIcons::icon(const QFileInfo& info) const {
    return info.isDir() ? folder_ : file_;
}

QString PlainFileIcons::type(const QFileInfo& info) const {
    return info.isDir() ? folder_kind : file_kind;
}

QStringList project_files_in(const QString& folder) {
    namespace fs = std::filesystem;
    QStringList names;
    std::error_code ec;
    fs::directory_iterator entries(folder.toStdString(), ec);
    for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
        const std::string name = entries->path().filename().string();
        if (!name.ends_with(project_extension)) continue;
        std::error_code kind_ec;
        // stat() follows a link to its file; a FIFO or a device is not a project.
        if (entries->is_regular_file(kind_ec)) names << QString::fromStdString(name);
    }
    QCollator order;
    order.setNumericMode(true);
    std::sort(names.begin(), names.end(),
              [&order](const QString& a, const QString& b) { return order.compare(a, b) < 0; });
    return names;
}

ProjectFileList::ProjectFileList(const QIcon& file_icon) : file_icon_(file_icon) {}

void ProjectFileList::show_folder(const QString& folder) {
    beginResetModel();
    names_.clear();
    endResetModel();
    const int reading = ++current_reading_;
    reading_ = true;
    // The reader is left to finish on its own: a folder on a network share
    // that never answers must not hold up closing the window.
    std::thread([list = QPointer<ProjectFileList>(this), reading, folder] {
        const QStringList names = project_files_in(folder);
        qsizetype start = 0;
        do {
            const QStringList slice = names.mid(start, rows_per_slice);
            start += rows_per_slice;
            const bool last = start >= names.size();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [list, reading, slice, last] {
                    if (list) list->receive(reading, slice, last);
                },
                Qt::QueuedConnection);
        } while (start < names.size());
    }).detach();
}

void ProjectFileList::receive(int reading, const QStringList& names, bool last) {
    if (reading != current_reading_) return;
    if (!names.isEmpty()) {
        beginInsertRows({}, static_cast<int>(names_.size()),
                        static_cast<int>(names_.size() + names.size() - 1));
        names_ += names;
        endInsertRows();
    }
    if (last) reading_ = false;
}

int ProjectFileList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant ProjectFileList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= names_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return names_.at(index.row());
    if (role == Qt::DecorationRole) return file_icon_;
    return {};
}

}  // namespace welkin
