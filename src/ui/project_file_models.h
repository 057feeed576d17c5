// The models behind the project dialogs' folder tree and file list. Neither
// ever opens a file nor makes the window wait for the file system: the tree
// is Qt's file system model, read in its own thread, with icons chosen from
// the kind of entry alone (sniffing a file's contents blocks on some of
// them, /proc/kmsg or a FIFO, and then the window that waits for the reader
// to stop hangs); the list is read in a thread of its own and handed over
// in slices.
#pragma once

#include <QAbstractFileIconProvider>
#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>

namespace welkin {

// A folder or a file icon by the entry's kind, and a plain kind name.
class PlainFileIcons final : public QAbstractFileIconProvider {
public:
    // The icons are taken from the style by the caller, on the interface thread.
    PlainFileIcons(const QIcon& folder, const QIcon& file);
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    QIcon folder_;
    QIcon file_;
};

// The names of the regular files in `folder` that end in ".qrd", in the
// order people sort names with numbers in them ("2" before "10"). Folders,
// FIFOs and devices are left out and never opened.
QStringList project_files_in(const QString& folder);

// The project files of one folder, as the file list shows them.
class ProjectFileList final : public QAbstractListModel {
public:
    explicit ProjectFileList(const QIcon& file_icon);

    // Empties the list and reads `folder` in the background; what an
    // earlier read finds after this is dropped.
    void show_folder(const QString& folder);
    // True until the folder last asked for has been read and listed.
    bool reading() const { return reading_; }

    int rowCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void receive(int reading, const QStringList& names, bool last);

    QIcon file_icon_;
    QStringList names_;
    int current_reading_ = 0;
    bool reading_ = false;
};

}  // namespace welkin
