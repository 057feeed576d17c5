// The project windows driven through their widgets on the offscreen
// platform: Save As and Open through the menu and its shortcuts, the bad
// name message, the window frame's close control, and a new folder.
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "forms/project_binding.h"
#include "temp_dir.h"
#include "window_fixture.h"

namespace welkin {

namespace {

// Types into the dialog's file-name field and confirms with Enter.
void type_name_and_enter(QWidget& dialog, const QString& name) {
    QLineEdit* name_field = field(dialog, "Text1");
    type_into(name_field, name);
    QTest::keyClick(name_field, Qt::Key_Return);
}

QPushButton* button(QWidget& dialog, const char* name) {
    return child<QPushButton>(dialog, QString::fromLatin1(name));
}

// Clicks a button once the watch has returned: a click that brings up a
// second dialog would otherwise wait inside the watch, which looks only
// from its own event loop.
void click_later(QWidget& dialog, const char* name) {
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
    void save_as_then_open_in_a_fresh_window_restores_the_design() {
        std::string saved;
        QString title;
        {
            LiveStarted first(options("first.ini"));
            type_into(field(first.window, "Text1"), QStringLiteral("13"));
            type_into(field(first.window, "Text2"), QStringLiteral("450"));
            menu_item(first.window, "mnu_advanced")->trigger();
            const DialogWatch watch([](QWidget& modal) {
                if (modal.objectName() != QLatin1String("Form2")) return false;
                type_name_and_enter(modal, QStringLiteral("hall.old"));
                return true;
            });
            QTest::keyClick(&first.window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(watch.unexpected().isEmpty());
            QVERIFY(std::filesystem::is_regular_file(dir.file("hall.qrd")));
            QVERIFY(first.window.windowTitle().endsWith(QLatin1String("    Project: hall.old")));
            saved = write_project(project_settings(first.form));
            title = first.window.windowTitle();
        }
        LiveStarted second(options("second.ini"));
        QCOMPARE(second.form.design().well_count, 7);
        const DialogWatch watch([](QWidget& modal) {
            if (modal.objectName() != QLatin1String("Form5")) return false;
            type_name_and_enter(modal, QStringLiteral("hall.old"));
            return true;
        });
        QTest::keyClick(&second.window, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(watch.unexpected().isEmpty());
        QCOMPARE(second.window.windowTitle(), title);
        QCOMPARE(write_project(project_settings(second.form)), saved);
        QCOMPARE(field(second.window, "Text1")->text(), QStringLiteral("13"));
        QCOMPARE(second.form.design().design_freq_hz, 450.0);
    }

    void an_empty_name_in_open_says_so_and_stays_open() {
        LiveStarted s(options("welkin.ini"));
        const QString before = s.window.windowTitle();
        QStringList said;
        bool asked = false;
        bool stayed_open = false;
        const DialogWatch watch([&](QWidget& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                said << box->text();
                box->accept();
                return true;
            }
            if (modal.objectName() != QLatin1String("Form5")) return false;
            // "&Open" with the name empty, then, once the message has gone, "&Cancel".
            if (!asked) {
                asked = true;
                click_later(modal, "Command1");
            } else if (!said.isEmpty() && !stayed_open) {
                stayed_open = true;
                click_later(modal, "Command2");
            }
            return true;
        });
        menu_item(s.window, "mnu_load")->trigger();
        QVERIFY(watch.unexpected().isEmpty());
        QCOMPARE(said, QStringList{QStringLiteral("Bad file name")});
        QVERIFY(stayed_open);
        QCOMPARE(s.window.windowTitle(), before);
    }

    void closing_through_the_frame_cancels() {
        std::filesystem::create_directory(dir.path() / "studio");
        LiveStarted s(options("welkin.ini"));
        const QString before = s.window.windowTitle();
        const long recomputes = s.form.completed_recomputes();
        const DialogWatch watch([&](QWidget& modal) {
            if (modal.objectName() != QLatin1String("Form5")) return false;
            s.form.project_dialogs().choose_folder(FileDialog::open, dir.file("studio"));
            type_into(field(modal, "Text1"), QStringLiteral("hall"));
            modal.close();
            return true;
        });
        menu_item(s.window, "mnu_load")->trigger();
        QVERIFY(watch.unexpected().isEmpty());
        QCOMPARE(s.form.project_dialogs().folder(FileDialog::open), dir.path().string());
        QCOMPARE(s.form.project_dialogs().chosen_path(), std::string());
        QCOMPARE(s.window.windowTitle(), before);
        QCOMPARE(s.form.completed_recomputes(), recomputes);
    }

    // A name that is all extension saves as ".qrd", which the file list shows.
    void a_new_folder_is_made_and_a_point_name_is_listed() {
        LiveStarted s(options("welkin.ini"));
        {
            QString question;
            bool asked_for_folder = false;
            const DialogWatch watch([&](QWidget& modal) {
                if (modal.objectName() == QLatin1String("Form6")) {
                    if (!question.isEmpty()) return true;
                    question = child<QLabel>(modal, QStringLiteral("Label1"))->text();
                    type_into(field(modal, "Text1"), QStringLiteral("big room"));
                    click_later(modal, "Command1");
                    return true;
                }
                if (modal.objectName() != QLatin1String("Form2")) return false;
                if (!asked_for_folder) {
                    asked_for_folder = true;
                    click_later(modal, "Command3");
                } else if (s.form.project_dialogs().folder(FileDialog::save_as) ==
                           dir.file("big room")) {
                    // Only once the new folder is shown: the watch may look in
                    // while the create-folder window is closing.
                    type_name_and_enter(modal, QStringLiteral(".x"));
                }
                return true;
            });
            menu_item(s.window, "mnu_save")->trigger();
            QVERIFY(watch.unexpected().isEmpty());
            const std::string room = dir.file("big room");
            QVERIFY(std::filesystem::is_regular_file(room + "/.qrd"));
            QCOMPARE(question, QStringLiteral("Create new folder below ") +
                                   QString::fromStdString(dir.path().string()).toUpper() +
                                   QStringLiteral(" ?"));
        }

        QStringList listed;
        const DialogWatch lister([&](QWidget& modal) {
            if (modal.objectName() != QLatin1String("Form5")) return false;
            if (!listed.isEmpty()) return true;
            auto* files = child<QListView>(modal, QStringLiteral("File1"));
            // The file system model reads the folder in the background.
            QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; },
                            5000);
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                listed << files->model()->index(row, 0, files->rootIndex()).data().toString();
            click_later(modal, "Command2");
            return true;
        });
        menu_item(s.window, "mnu_load")->trigger();
        QVERIFY(lister.unexpected().isEmpty());
        QCOMPARE(listed, QStringList{QStringLiteral(".qrd")});
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::ProjectWindowsTest)
#include "project_windows_test.moc"
