#include "ui/project_file_models.h"

#include <QFileInfo>
#include <QFileSystemModel>

namespace welkin {

namespace {

const QString folder_kind = QStringLiteral("Folder");
const QString file_kind = QStringLiteral("File");

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

ProjectFileFilter::ProjectFileFilter(QFileSystemModel& files) : files_(files) {
    setSourceModel(&files);
}

bool ProjectFileFilter::filterAcceptsRow(int source_row, const QModelIndex& source_parent) const {
    const QModelIndex entry = files_.index(source_row, 0, source_parent);
    // The model's own copy of what its reader found: no file system call here.
    return files_.fileInfo(entry).isFile();
}

}  // namespace welkin
