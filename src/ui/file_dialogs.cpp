#include "ui/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStyle>

#include "ui/project_file_models.h"

namespace welkin {

namespace {

PlainFileIcons plain_icons() {
    const QStyle* style = QApplication::style();
    return PlainFileIcons(style->standardIcon(QStyle::SP_DirIcon),
                          style->standardIcon(QStyle::SP_FileIcon));
}

QString chosen(QFileDialog& dialog, const QString& filters, QString* chosen_filter) {
    dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (chosen_filter != nullptr) *chosen_filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString choose_file_to_save(QWidget* parent, const QString& caption, const QString& suggested,
                            const QString& filters, QString* chosen_filter) {
    // Made first, so that they outlive the dialog, whose folder reader asks
    // them from a thread of its own.
    PlainFileIcons icons = plain_icons();
    QFileDialog dialog(parent, caption);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    return chosen(dialog, filters, chosen_filter);
}

QString choose_file_to_open(QWidget* parent, const QString& caption, const QString& folder,
                            const QString& filters) {
    PlainFileIcons icons = plain_icons();
    QFileDialog dialog(parent, caption);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(folder);
    return chosen(dialog, filters, nullptr);
}

}  // namespace welkin
