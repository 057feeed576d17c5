// The export and comparison file dialogs never read a file to tell its type:
// a file named without a type whose bytes say PDF is not called a PDF.
#include <QFile>
#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QTest>

#include "temp_dir.h"
#include "ui/file_dialogs.h"
#include "window_fixture.h"

namespace welkin {

class FileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void the_dialogs_tell_types_without_reading_files() {
        TempDir folder;
        const QString pdf_type = QMimeDatabase().mimeTypeForName("application/pdf").comment();
        const QString bare = QString::fromStdString((folder.path() / "sheet").string());
        QFile file(bare);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<<>>\nendobj\n");
        file.close();
        const QString where = QString::fromStdString(folder.path().string());

        using Choose = std::function<QString()>;
        const struct {
            const char* name;
            Choose choose;
        } rows[] = {
            {"save", [&] { return choose_file_to_save(nullptr, "Save", where + "/x.pdf", "*.pdf"); }},
            {"open", [&] { return choose_file_to_open(nullptr, "Open", where, "All (*)"); }},
        };
        for (const auto& row : rows) {
            QString told;
            DialogWatch watch([&](QWidget& modal) {
                auto* dialog = qobject_cast<QFileDialog*>(&modal);
                if (dialog == nullptr || dialog->iconProvider() == nullptr) return false;
                told = dialog->iconProvider()->type(QFileInfo(bare));
                dialog->reject();
                return true;
            });
            QVERIFY2(row.choose().isEmpty(), row.name);
            QVERIFY2(watch.unexpected().isEmpty(), row.name);
            QVERIFY2(!told.isEmpty() && told != pdf_type, qPrintable(QString(row.name) + ": " + told));
        }
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::FileDialogsTest)
#include "file_dialogs_test.moc"
