// The models behind the project dialogs' folder tree and file list. Both
// read the file system in Qt's background thread and never open a file: an
// icon is chosen from the kind of entry alone, because sniffing a file's
// contents blocks on some of them (/proc/kmsg, a FIFO) and then hangs the
// window that waits for the reader to stop.
#pragma once

#include <QAbstractFileIconProvider>
#include <QIcon>
#include <QSortFilterProxyModel>

class QFileSystemModel;

namespace welkin {

// A folder or a file icon by the entry's kind, and a plain kind name.
class PlainFileIcons final : public QAbstractFileIconProvider {
public:
    // The icons are taken from the style here, on the interface thread.
    explicit PlainFileIcons(const QIcon& folder, const QIcon& file);
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    QIcon folder_;
    QIcon file_;
};

// The project files of a folder: regular files only. The file system model
// also keeps the path to folders it was pointed at before (the folder just
// left shows up in its parent), and lists FIFOs and devices that match.
class ProjectFileFilter final : public QSortFilterProxyModel {
public:
    explicit ProjectFileFilter(QFileSystemModel& files);

protected:
    bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;

private:
    QFileSystemModel& files_;
};

}  // namespace welkin
