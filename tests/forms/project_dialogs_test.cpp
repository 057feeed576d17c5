// The project dialogs' model and the main window's Open and Save As, in
// temporary folders: the names a confirm makes, cancel, the folder both
// dialogs share and remember, new folders, and saves that cannot be written.
#include "forms/project_dialogs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "fake_host.h"
#include "file_size_limit.h"
#include "forms/main_form.h"
#include "forms/project_commands.h"
#include "forms/startup.h"
#include "persist/file_io.h"
#include "temp_dir.h"

namespace welkin {
namespace {

namespace fs = std::filesystem;

std::string title(const std::string& project) {
    return "Welkin - Quadratic Residue Diffuser Calculator    V:4.01    Project: " + project;
}

void write_text(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ProjectDialogsTest : public ::testing::Test {
protected:
    ProjectDialogsTest() {
        fs::create_directory(dir.path() / "rooms");
        fs::create_directory(dir.path() / "studio");
        start(form);
    }
    void start(MainForm& f) const {
        start_up(f, {dir.path().string(), dir.file("welkin.ini"), ""});
    }
    std::string folder(const std::string& name) const { return dir.file(name); }
    ProjectDialogs& dialogs() { return form.project_dialogs(); }

    // While the dialog is up, the user moves to `where` (when given), types
    // `name` and confirms.
    void answer_with(const std::string& where, const std::string& name) {
        answer_with(form, where, name);
    }
    void answer_with(MainForm& f, const std::string& where, const std::string& name) {
        host.in_dialog = [&f, where, name](Window window) {
            const FileDialog kind =
                window == Window::open_project ? FileDialog::open : FileDialog::save_as;
            ProjectDialogs& dialogs = f.project_dialogs();
            if (!where.empty()) dialogs.choose_folder(kind, where);
            dialogs.set_file_name(kind, name);
            EXPECT_TRUE(dialogs.confirm(kind));
        };
    }

    TempDir dir;
    FakeHost host;
    MainForm form{host};
};

TEST_F(ProjectDialogsTest, SaveAsCutsTheNameAtItsFirstPointAndAddsTheExtension) {
    struct Row {
        const char* name;
        std::string typed;
        std::string file;
    };
    const Row rows[] = {
        {"an extension and more", "my.design.qrd", "my.qrd"},
        {"a plain name", "test", "test.qrd"},
        {"a point first", ".x", ".qrd"},
        {"a name with a space", "big room", "big room.qrd"},
    };
    for (const Row& row : rows) {
        answer_with(folder("rooms"), row.typed);
        save_project_from_dialog(form);
        const std::string path = folder("rooms") + "/" + row.file;
        EXPECT_EQ(dialogs().chosen_path(), path) << row.name;
        EXPECT_TRUE(fs::is_regular_file(path)) << row.name;
        EXPECT_EQ(form.files().project_file_name, row.file) << row.name;
        // The title shows the name as typed.
        EXPECT_EQ(form.title(), title(row.typed)) << row.name;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProjectDialogsTest, AnEmptyOrPointNameKeepsTheDialogOpen) {
    for (const std::string name : {"", "."}) {
        dialogs().begin(FileDialog::open);
        dialogs().set_file_name(FileDialog::open, name);
        EXPECT_FALSE(dialogs().confirm(FileDialog::open)) << name;
        EXPECT_EQ(dialogs().chosen_path(), "") << name;
        dialogs().begin(FileDialog::save_as);
        dialogs().set_file_name(FileDialog::save_as, name);
        EXPECT_FALSE(dialogs().confirm(FileDialog::save_as)) << name;
    }
    // Only the open dialog says why.
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Bad file name");
    EXPECT_EQ(host.messages[1].text, "Bad file name");
}

TEST_F(ProjectDialogsTest, ARootFolderTakesNoSecondSeparator) {
    struct Row {
        const char* name;
        std::string folder;
        std::string path;
    };
    const Row rows[] = {
        {"the root", "/", "/test.qrd"},
        {"a folder", "/opt/welkin/projects", "/opt/welkin/projects/test.qrd"},
        {"a volume's root", "/media/usb/", "/media/usb/test.qrd"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(path_in_folder(row.folder, "test.qrd"), row.path) << row.name;
    }
}

TEST_F(ProjectDialogsTest, OpenStartsWhereTheLastSaveWentAlsoAfterARestart) {
    answer_with(folder("rooms"), "hall");
    save_project_from_dialog(form);
    EXPECT_EQ(dialogs().folder(FileDialog::open), folder("rooms"));
    EXPECT_EQ(form.files().last_folder, folder("rooms"));
    shut_down(form);

    MainForm next(host);
    start(next);
    EXPECT_EQ(next.project_dialogs().folder(FileDialog::open), folder("rooms"));
    EXPECT_EQ(next.project_dialogs().folder(FileDialog::save_as), folder("rooms"));
}

// What the open dialog is given that is not a project it can read is
// refused with the reason while it stays open, and the design on screen,
// which may not be saved anywhere, is kept.
TEST_F(ProjectDialogsTest, AnOpenThatCannotReadTheFileKeepsTheDesign) {
    struct Row {
        const char* name;
        std::string typed;
        std::function<void(const std::string&)> make;  // puts something at the path
        std::string reason;
    };
    const Row rows[] = {
        {"no such file", "gone", [](const std::string&) {}, "No such file or directory"},
        {"a folder named like a project", "vault", [](const std::string& p) { fs::create_directory(p); },
         "not a regular file"},
        {"a FIFO", "pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); },
         "not a regular file"},
    };
    form.set_field_text(Field::well_count, "13");
    answer_with(folder("rooms"), "kept");
    save_project_from_dialog(form);
    for (const Row& row : rows) {
        const std::string path = folder("rooms") + "/" + row.typed + ".qrd";
        row.make(path);
        host.messages.clear();
        const std::string title_before = form.title();
        const long recomputes = form.shown().completed_recomputes;
        bool closed = true;
        host.in_dialog = [&](Window) {
            dialogs().set_file_name(FileDialog::open, row.typed);
            closed = dialogs().confirm(FileDialog::open);
            if (!closed) dialogs().cancel(FileDialog::open);
        };
        open_project_from_dialog(form);
        EXPECT_FALSE(closed) << row.name;
        ASSERT_EQ(host.messages.size(), 1u) << row.name;
        EXPECT_EQ(host.messages[0].text, "Project " + path + " cannot be opened: " + row.reason)
            << row.name;
        EXPECT_EQ(form.design().well_count, 13) << row.name;
        EXPECT_EQ(form.title(), title_before) << row.name;
        EXPECT_EQ(form.files().project_file_name, "kept.qrd") << row.name;
        EXPECT_EQ(form.shown().completed_recomputes, recomputes) << row.name;
    }
}

// Gone between the dialog and the load: still refused, still kept. A file
// that is read but holds no complete project resets, as it always has.
TEST_F(ProjectDialogsTest, OnlyAFileThatWasReadButHoldsNoProjectResets) {
    struct Row {
        const char* name;
        std::function<void(const std::string&)> after_dialog;
        std::string message_start;
        int wells_after;
    };
    const Row rows[] = {
        {"removed after the dialog", [](const std::string& p) { fs::remove(p); },
         "Project ", 13},
        {"cut short", [](const std::string& p) { write_text(p, "7\r\n600\r\n"); },
         "There was a problem opening project ", 7},
    };
    for (const Row& row : rows) {
        form.set_field_text(Field::well_count, "13");
        answer_with(folder("rooms"), "hall");
        save_project_from_dialog(form);
        host.messages.clear();
        const std::string path = folder("rooms") + "/hall.qrd";
        host.in_dialog = [&](Window) {
            dialogs().set_file_name(FileDialog::open, "hall");
            EXPECT_TRUE(dialogs().confirm(FileDialog::open)) << row.name;
            row.after_dialog(path);
        };
        open_project_from_dialog(form);
        ASSERT_EQ(host.messages.size(), 1u) << row.name;
        EXPECT_TRUE(host.messages[0].text.starts_with(row.message_start + path)) << row.name;
        EXPECT_EQ(form.design().well_count, row.wells_after) << row.name;
    }
}

TEST_F(ProjectDialogsTest, AFolderNameTypedInOpenEntersTheFolder) {
    struct Row {
        const char* name;
        std::string typed;
        std::string shown_after;
    };
    const Row rows[] = {
        {"a plain folder", "studio", folder("studio")},
        {"a folder named like a project", "vault.qrd", folder("vault.qrd")},
    };
    fs::create_directory(folder("vault.qrd"));
    for (const Row& row : rows) {
        dialogs().choose_folder(FileDialog::open, dir.path().string());
        dialogs().begin(FileDialog::open);
        dialogs().set_file_name(FileDialog::open, row.typed);
        EXPECT_FALSE(dialogs().confirm(FileDialog::open)) << row.name;
        EXPECT_EQ(dialogs().folder(FileDialog::open), row.shown_after) << row.name;
        EXPECT_EQ(dialogs().file_name(FileDialog::open), "") << row.name;
        EXPECT_EQ(dialogs().chosen_path(), "") << row.name;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProjectDialogsTest, ACommandLineProjectPointsBothDialogsAtItsFolder) {
    write_text(folder("studio") + "/booth.qrd", "7\r\n");  // too short to load: no matter here
    MainForm next(host);
    start_up(next, {dir.path().string(), dir.file("welkin.ini"), folder("studio") + "/booth.qrd"});
    for (const FileDialog kind : {FileDialog::open, FileDialog::save_as}) {
        EXPECT_EQ(next.project_dialogs().folder(kind), folder("studio"));
        EXPECT_EQ(next.project_dialogs().file_name(kind), "booth.qrd");
    }
}

TEST_F(ProjectDialogsTest, NewFolderNamesWithRefusedCharactersAreIgnoredAndACancelMakesNothing) {
    struct Row {
        const char* name;
        std::string typed;
        bool made;
    };
    const Row rows[] = {
        {"a space", "big room", true}, {"a point", "a.b", false},    {"a colon", "a:b", false},
        {"a slash", "a/b", false},     {"an at sign", "a@b", false}, {"a backspace", "a\bb", false},
        {"empty", "", false},
    };
    for (const Row& row : rows) {
        dialogs().choose_folder(FileDialog::save_as, folder("rooms"));
        dialogs().begin(FileDialog::save_as);
        host.in_dialog = [this, &row](Window window) {
            EXPECT_EQ(window, Window::create_folder);
            dialogs().confirm_new_folder(row.typed);
        };
        dialogs().create_folder();
        const std::string made = folder("rooms") + "/" + row.typed;
        EXPECT_EQ(!row.typed.empty() && fs::is_directory(made), row.made) << row.name;
        const std::string shown = row.made ? made : folder("rooms");
        EXPECT_EQ(dialogs().folder(FileDialog::save_as), shown) << row.name;
        EXPECT_EQ(dialogs().folder(FileDialog::open), row.made ? made : dir.path().string())
            << row.name;
        // A later cancel stays in the new folder.
        EXPECT_EQ(dialogs().dialog_folder(), shown) << row.name;
        dialogs().choose_folder(FileDialog::open, dir.path().string());
    }
    // A name typed and then cancelled makes nothing.
    host.in_dialog = [this](Window) {
        dialogs().confirm_new_folder("hall");
        dialogs().cancel_new_folder();
    };
    dialogs().create_folder();
    EXPECT_FALSE(fs::exists(folder("rooms") + "/hall"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProjectDialogsTest, AFolderThatCannotBeMadeIsReportedWithItsPath) {
    struct Row {
        const char* name;
        std::string shown;  // the save dialog's folder
        std::string typed;
        bool remove_shown;  // behind the dialog's back, after it was chosen
    };
    const Row rows[] = {
        {"the name is taken", dir.path().string(), "studio", false},
        {"the shown folder has gone", folder("rooms"), "x", true},
    };
    for (const Row& row : rows) {
        host.messages.clear();
        dialogs().choose_folder(FileDialog::save_as, row.shown);
        if (row.remove_shown) fs::remove(row.shown);
        host.in_dialog = [this, &row](Window) { dialogs().confirm_new_folder(row.typed); };
        dialogs().create_folder();
        ASSERT_EQ(host.messages.size(), 1u) << row.name;
        EXPECT_EQ(host.messages[0].text,
                  "Unable to Create Directory " + row.shown + "/" + row.typed)
            << row.name;
        EXPECT_EQ(dialogs().folder(FileDialog::save_as), row.shown) << row.name;
    }
}

// A save that cannot be written says so, keeps the title and the project's
// name, and leaves the file that was there whole. The file size limit fails
// the write as a full disk does, for root as well; a read-only folder stops
// only other users.
TEST_F(ProjectDialogsTest, ASaveThatFailsSaysSoAndChangesNothing) {
    const std::string old_bytes = "an older project, kept as it was\r\n";
    struct Row {
        const char* name;
        bool for_root;
        std::function<std::function<void()>()> spoil;  // returns the undo
    };
    const Row rows[] = {
        {"a full disk", true,
         [] {
             auto limit = std::make_shared<FileSizeLimit>(8);
             return [limit]() mutable { limit.reset(); };
         }},
        {"a read-only folder", false,
         [this] {
             ::chmod(folder("rooms").c_str(), 0555);
             return [this] { ::chmod(folder("rooms").c_str(), 0755); };
         }},
    };
    for (const Row& row : rows) {
        if (!row.for_root && ::geteuid() == 0) continue;
        write_text(folder("rooms") + "/hall.qrd", old_bytes);
        answer_with(folder("rooms"), "previous");
        save_project_from_dialog(form);
        const std::string title_before = form.title();
        host.messages.clear();

        answer_with(folder("rooms"), "hall");
        auto undo = row.spoil();
        save_project_from_dialog(form);
        undo();
        const std::string path = folder("rooms") + "/hall.qrd";
        ASSERT_EQ(host.messages.size(), 1u) << row.name;
        EXPECT_EQ(host.messages[0].text, "There was a problem saving project " + path) << row.name;
        EXPECT_EQ(form.title(), title_before) << row.name;
        EXPECT_EQ(form.files().project_file_name, "previous.qrd") << row.name;
        EXPECT_EQ(read_file(path), old_bytes) << row.name;
        // No half-written file is left beside it either.
        const auto files = std::distance(fs::directory_iterator(folder("rooms")), {});
        EXPECT_EQ(files, 2) << row.name;  // hall.qrd and previous.qrd
    }
}

}  // namespace
}  // namespace welkin
