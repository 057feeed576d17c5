// The toolkit's file dialog, for the exports and for a project opened into
// the comparison, with the project dialogs' plain icons. The stock dialog
// reads the start of each file it lists to tell its type, on the window's
// own thread; a file whose read never ends, such as /proc/kmsg, then held the
// whole program for good.
#pragma once

#include <QString>

class QWidget;

namespace welkin {

// The file the user chose to write, or empty when they cancelled. `filters`
// are ";;"-separated; `chosen_filter`, when given, receives the one chosen.
QString choose_file_to_save(QWidget* parent, const QString& caption, const QString& suggested,
                            const QString& filters, QString* chosen_filter = nullptr);

// The existing file the user chose to read, or empty.
QString choose_file_to_open(QWidget* parent, const QString& caption, const QString& folder,
                            const QString& filters);

}  // namespace welkin
