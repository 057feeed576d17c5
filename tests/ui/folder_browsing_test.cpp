// The project dialogs' folder tree under a user's keys and scrolling, and
// browsing places that are slow or dangerous to read (/proc, FIFOs, a
// crowded folder) without the window waiting on them.
#include <QFileSystemModel>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/project_dialogs.h"
#include "temp_dir.h"
#include "ui/object_names.h"
#include "ui/project_file_models.h"
#include "ui/project_file_window.h"

namespace welkin {

namespace {

namespace fs = std::filesystem;

ProjectFileList& listed_folder(QListView& list) {
    auto* files = dynamic_cast<ProjectFileList*>(list.model());
    if (files == nullptr) qFatal("the file list is not the project file list");
    return *files;
}

QStringList names_listed(QListView& list) {
    QStringList names;
    for (int row = 0; row < list.model()->rowCount(list.rootIndex()); ++row)
        names << list.model()->index(row, 0, list.rootIndex()).data().toString();
    names.sort();
    return names;
}

// An open dialog over its own model, shown in `folder`.
struct OpenWindow {
    explicit OpenWindow(const std::string& folder) {
        dialogs.choose_folder(FileDialog::open, folder);
        window = std::make_unique<ProjectFileWindow>(FileDialog::open, dialogs, nullptr);
        window->show();
        tree = window->findChild<QTreeView*>(control_name(Control::project_folder_tree));
        list = window->findChild<QListView*>(control_name(Control::project_file_list));
    }
    // Waits until the list shows `name` (the reader fills it in the background).
    bool wait_for(const QString& name) {
        return QTest::qWaitFor([&] { return names_listed(*list).contains(name); }, 10000);
    }
    // Waits until the folder now shown has been read and listed.
    bool wait_for_listing() {
        return QTest::qWaitFor([&] { return !listed_folder(*list).reading(); }, 10000);
    }
    // Clicks `folder` in the tree, as the user does, once it is laid out there.
    void click_folder(const QString& folder, bool twice) {
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        const QModelIndex index = model->index(folder);
        // The tree lays itself out again as the reader fills it in.
        const auto under_pointer = [&] {
            tree->scrollTo(index);
            const QRect place = tree->visualRect(index);
            return !place.isEmpty() && tree->indexAt(place.center()) == index;
        };
        if (!QTest::qWaitFor(under_pointer, 10000))
            qFatal("%s never showed in the folder tree", qPrintable(folder));
        const QPoint at = tree->visualRect(index).center();
        if (twice) {
            // A double-click as the window system delivers it: a click, then
            // a second press that is the double-click.
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        }
    }

    FakeHost host;
    ProjectFiles files;
    ProjectDialogs dialogs{files, host};
    std::unique_ptr<ProjectFileWindow> window;
    QTreeView* tree = nullptr;
    QListView* list = nullptr;
};

void make_fifo(const std::string& path) {
    if (::mkfifo(path.c_str(), 0644) != 0) qFatal("no FIFO at %s", path.c_str());
}

}  // namespace

class FolderBrowsingTest : public QObject {
    Q_OBJECT

private slots:
    // Enter in the tree goes into the folder; it does not also press
    // "&Open", which would say "Bad file name" for the empty field.
    void enter_in_the_tree_enters_the_folder_only() {
        TempDir dir;
        fs::create_directory(dir.path() / "sub");
        std::ofstream(dir.file("sub/b.qrd")) << "7\r\n";
        OpenWindow open(dir.path().string());
        QVERIFY(open.wait_for_listing());
        auto* model = qobject_cast<QFileSystemModel*>(open.tree->model());
        open.tree->setFocus();
        open.tree->setCurrentIndex(model->index(QString::fromStdString(dir.file("sub"))));
        QTest::keyClick(open.tree, Qt::Key_Return);
        QCOMPARE(open.dialogs.folder(FileDialog::open), dir.file("sub"));
        QVERIFY(open.wait_for(QStringLiteral("b.qrd")));
        QVERIFY(open.host.messages.empty());
        QVERIFY(open.window->isVisible());
    }

    // The tree follows the shown folder while its parents are read; once the
    // user has scrolled it, a folder read later does not pull the view back.
    void the_tree_stays_where_the_user_scrolled_it() {
        TempDir dir;
        for (int i = 10; i < 70; ++i) fs::create_directory(dir.path() / ("d" + std::to_string(i)));
        fs::create_directory(dir.path() / "d69" / "inner");
        const QString shown = QString::fromStdString(dir.file("d40"));
        OpenWindow open(shown.toStdString());
        auto* model = qobject_cast<QFileSystemModel*>(open.tree->model());
        const auto shown_in_view = [&] {
            return open.tree->viewport()->rect().contains(open.tree->visualRect(model->index(shown)));
        };
        // Read and sorted (d10 to d69, so d40 is row 30), and in view.
        QVERIFY(QTest::qWaitFor(
            [&] { return model->index(shown).row() == 30 && shown_in_view(); }, 10000));

        QScrollBar& bar = *open.tree->verticalScrollBar();
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
        QVERIFY(!shown_in_view());
        const int scrolled = bar.value();
        QSignalSpy read(model, &QFileSystemModel::directoryLoaded);
        open.tree->expand(model->index(QString::fromStdString(dir.file("d69"))));
        QVERIFY(QTest::qWaitFor([&] { return !read.isEmpty(); }, 10000));
        QTest::qWait(50);
        QCOMPARE(bar.value(), scrolled);
    }

    // Each place is browsed as a user would: opened, left for a folder
    // beside or below it, entered again, closed. A read that blocks the
    // window (a /proc file, a FIFO nobody writes) never comes back, and the
    // test's time limit fails it; how long a stall lasts is the GUI drive's
    // and the stall probe's to measure.
    void browsing_never_holds_up_the_window() {
        TempDir dir;
        const std::string pipes = dir.file("pipes");
        fs::create_directory(pipes);
        make_fifo(pipes + "/live.qrd");
        make_fifo(pipes + "/socket-like");
        std::ofstream(pipes + "/real.qrd") << "7\r\n";
        const std::string crowd = dir.file("crowd");
        fs::create_directory(crowd);
        for (int i = 0; i < crowded_folder_size; ++i) {
            const std::string name = crowd + "/design " + std::to_string(i) + ".qrd";
            ::close(::open(name.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
        }
        struct Row {
            const char* name;
            std::string folder;
            std::string next_door;  // visited on the way, by a click in the tree
        };
        const Row rows[] = {
            {"/proc, where some files block a reader", "/proc", "/proc/sys"},
            {"FIFOs nobody writes", pipes, dir.path().string()},
            {"a folder of many projects", crowd, dir.path().string()},
        };
        for (const Row& row : rows) {
            OpenWindow open(row.folder);
            QVERIFY2(open.wait_for_listing(), row.name);
            open.click_folder(QString::fromStdString(row.next_door), false);
            QCOMPARE(open.dialogs.folder(FileDialog::open), row.next_door);
            QVERIFY2(open.wait_for_listing(), row.name);
            open.click_folder(QString::fromStdString(row.folder), true);
            QCOMPARE(open.dialogs.folder(FileDialog::open), row.folder);
            QVERIFY2(open.wait_for_listing(), row.name);
            open.window->reject();
        }
    }

private:
    static constexpr int crowded_folder_size = 10000;
};

}  // namespace welkin

QTEST_MAIN(welkin::FolderBrowsingTest)
#include "folder_browsing_test.moc"
