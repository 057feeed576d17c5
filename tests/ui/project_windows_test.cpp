// A new folder made through the project windows' widgets on the offscreen
// platform, and a name that is all extension listed. (Save As and Open by
// their keys, and leaving them, are the GUI drive's.)
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "forms/main_form.h"
#include "temp_dir.h"
#include "window_fixture.h"

namespace welkin {

namespace {

// Types into the dialog's file-name field and confirms with Enter.
void type_name_and_enter(QWidget& dialog, const QString& name) {
    QLineEdit* name_field = field(dialog, Control::project_file_name_field);
    type_into(name_field, name);
    QTest::keyClick(name_field, Qt::Key_Return);
}

QPushButton* button(QWidget& dialog, Control name) {
    return child<QPushButton>(dialog, name);
}

bool is(const QWidget& window, Control name) {
    return window.objectName() == control_name(name);
}

// Clicks a button once the watch has returned: a click that brings up a
// second dialog would otherwise wait inside the watch, which looks only
// from its own event loop.
void click_later(QWidget& dialog, Control name) {
    QTimer::singleShot(0, button(dialog, name), &QPushButton::click);
}

}  // namespace

class ProjectWindowsTest : public QObject {
    Q_OBJECT

private:
    StartOptions options(const char* settings) const {
        return {dir.path().string(), dir.file(settings), ""};
    }

    TempDir dir;

private slots:
    // A name that is all extension saves as ".qrd", which the file list shows.
    void a_new_folder_is_made_and_a_point_name_is_listed() {
        LiveStarted s(options("welkin.ini"));
        {
            QString question;
            bool asked_for_folder = false;
            const DialogWatch watch([&](QWidget& modal) {
                if (is(modal, Control::create_folder_window)) {
                    if (!question.isEmpty()) return true;
                    question = child<QLabel>(modal, Control::new_folder_question)->text();
                    type_into(field(modal, Control::new_folder_field), QStringLiteral("big room"));
                    click_later(modal, Control::new_folder_ok);
                    return true;
                }
                if (!is(modal, Control::save_project_window)) return false;
                if (!asked_for_folder) {
                    asked_for_folder = true;
                    click_later(modal, Control::create_folder_button);
                } else if (s.form.project_dialogs().folder(FileDialog::save_as) ==
                           dir.file("big room")) {
                    // Only once the new folder is shown: the watch may look in
                    // while the create-folder window is closing.
                    type_name_and_enter(modal, QStringLiteral(".x"));
                }
                return true;
            });
            menu_item(s.window, Control::save_as_item)->trigger();
            QVERIFY(watch.unexpected().isEmpty());
            const std::string room = dir.file("big room");
            QVERIFY(std::filesystem::is_regular_file(room + "/.qrd"));
            QCOMPARE(question, QStringLiteral("Create new folder below ") +
                                   QString::fromStdString(dir.path().string()).toUpper() +
                                   QStringLiteral(" ?"));
        }

        QStringList listed;
        const DialogWatch lister([&](QWidget& modal) {
            if (!is(modal, Control::open_project_window)) return false;
            if (!listed.isEmpty()) return true;
            auto* files = child<QListView>(modal, Control::project_file_list);
            // The file system model reads the folder in the background; a
            // list still empty fails the comparison below.
            (void)QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; },
                            5000);
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                listed << files->model()->index(row, 0, files->rootIndex()).data().toString();
            click_later(modal, Control::project_cancel_button);
            return true;
        });
        menu_item(s.window, Control::open_item)->trigger();
        QVERIFY(lister.unexpected().isEmpty());
        QCOMPARE(listed, QStringList{QStringLiteral(".qrd")});
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::ProjectWindowsTest)
#include "project_windows_test.moc"
