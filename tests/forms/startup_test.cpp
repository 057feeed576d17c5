// Start-up with and without a settings file, the command line, the
// companion windows on minimise and restore, and shutdown.
#include "forms/startup.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "persist/file_io.h"
#include "temp_dir.h"

namespace welkin {
namespace {

std::string settings_text(const MainForm& form) {
    return write_project(project_settings(form));
}

std::string title(const std::string& project) {
    return "Welkin - Quadratic Residue Diffuser Calculator    V:4.01    Project: " + project;
}

class StartupTest : public ::testing::Test {
protected:
    void start(MainForm& f, const std::string& project = "") const {
        start_up(f, {dir.path().string(), dir.file("welkin.ini"), project});
    }

    TempDir dir;
    FakeHost host;
    MainForm form{host};
};

TEST_F(StartupTest, FirstStartUsesTheDefaultsAndASecondRestoresTheLastState) {
    start(form);
    EXPECT_EQ(form.title(), title("default"));
    EXPECT_EQ(form.field_text(Field::well_count), "7");
    EXPECT_EQ(form.design().design_freq_hz, 600);

    form.set_field_text(Field::well_count, "13");
    form.run(DesignCommand::toggle_advanced);
    form.run(DesignCommand::rotate_wheel_clockwise);
    {
        Design d = form.design();
        d.unit_mode = UnitMode::inches;
        form.restore_choices(d);
    }
    form.open_units();
    shut_down(form);

    MainForm next(host);
    start(next);
    EXPECT_EQ(next.title(), title("most recent"));
    EXPECT_EQ(settings_text(next), settings_text(form));
    EXPECT_EQ(next.snapshot().sequence.wells, form.snapshot().sequence.wells);  // and recomputed
    EXPECT_TRUE(host.messages.empty());
}

// The settings file, a project and a text file all hold a 17-well design.
TEST_F(StartupTest, CommandLineOpensOnlyQrdProjectsAndReportsAMissingOne) {
    start(form);
    form.set_field_text(Field::well_count, "17");
    for (const char* name : {"welkin.ini", "hall.QRD", "notes.txt"})
        std::ofstream(dir.file(name)) << settings_text(form);

    start(form, dir.file("notes.txt"));
    EXPECT_EQ(form.title(), title("most recent"));

    const std::filesystem::path was = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    start(form, "hall.QRD");  // relative, upper-case extension
    std::filesystem::current_path(was);
    EXPECT_EQ(form.title(), title("hall.QRD"));
    EXPECT_EQ(form.design().well_count, 17);
    EXPECT_EQ(form.files().project_file_name, "hall.QRD");
    EXPECT_TRUE(host.messages.empty());

}

// A project on the command line that cannot be read is refused with the
// reason, and the design the settings file restored stays, so a mistyped
// name never costs the user the last session's design; a file that was read
// but holds no project resets, as it always has.
TEST_F(StartupTest, ACommandLineProjectThatCannotBeReadChangesNothing) {
    start(form);
    form.set_field_text(Field::well_count, "17");
    shut_down(form);
    std::filesystem::create_directory(dir.file("folder.qrd"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.qrd").c_str(), 0600), 0);
    std::ofstream(dir.file("huge.qrd")) << std::string(small_file_limit + 1, '7');
    std::ofstream(dir.file("short.qrd"), std::ios::binary) << "7\r\n600\r\n";
    const struct {
        const char* name;
        std::string file;
        std::string says;
        int wells;
        std::string title;
    } rows[] = {
        {"a mistyped name", "gone.qrd", "cannot be opened: No such file or directory", 17,
         "most recent"},
        {"a folder", "folder.qrd", "cannot be opened: not a regular file", 17, "most recent"},
        {"a FIFO, never waited on", "pipe.qrd", "cannot be opened: not a regular file", 17,
         "most recent"},
        {"too large to be a project", "huge.qrd", "cannot be opened: too large", 17,
         "most recent"},
        {"read, but cut short", "short.qrd", " - resetting Welkin to default values", 7,
         "default"},
    };
    for (const auto& row : rows) {
        host.messages.clear();
        MainForm next(host);
        start(next, dir.file(row.file));
        ASSERT_EQ(host.messages.size(), 1u) << row.name;
        EXPECT_TRUE(host.messages[0].text.find(dir.file(row.file)) != std::string::npos)
            << row.name;
        EXPECT_TRUE(host.messages[0].text.ends_with(row.says))
            << row.name << ": " << host.messages[0].text;
        EXPECT_EQ(next.design().well_count, row.wells) << row.name;
        EXPECT_EQ(next.title(), title(row.title)) << row.name;
    }
}

// A bad length in a file, written by hand or elsewhere, is met as a bad entry
// typed live: the field's message, the field pink and focused, and correcting
// it with Enter completes the recompute. (What a correction does beyond that
// is the length fields' test's.)
TEST_F(StartupTest, ABadLengthInTheFileWaitsForACorrection) {
    std::ofstream(dir.file("welkin.ini"), std::ios::binary)
        << "7\r\n600\r\n\r\n5''\r\n\r\nfreq\r\nyes\r\nno\r\nno\r\nno\r\n0\r\nno\r\n"
           "inches\r\n1\r\n0\r\n0\r\n/home\r\n";
    start(form);
    EXPECT_EQ(form.title(), title("most recent"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Fin width field contains incorrect format - see Units screen for rules");
    EXPECT_EQ(form.field_background(Field::fin_width), rgb_uncommitted);
    EXPECT_TRUE(form.field_dirty(Field::fin_width));
    EXPECT_EQ(host.focused, std::vector<Field>{Field::fin_width});
    EXPECT_EQ(form.shown().completed_recomputes, 0);

    form.set_field_text(Field::fin_width, "1/4");
    form.field_enter(Field::fin_width);
    EXPECT_EQ(form.shown().completed_recomputes, 1);
    EXPECT_EQ(form.design().fin_width_mm, 6);
}

// What closing leaves of a settings file Welkin could not read at start-up:
// exactly what was there. A folder named for the program is made if need be.
TEST_F(StartupTest, ShutdownNeverReplacesASettingsFileItCouldNotRead) {
    const std::string big(small_file_limit + 1, '7');
    std::ofstream(dir.file("welkin.ini"), std::ios::binary) << big;
    start(form);
    EXPECT_EQ(form.title(), title("default"));  // silently, on the defaults
    shut_down(form);
    EXPECT_EQ(read_small_file(dir.file("welkin.ini"), big.size()).value(), big);

    ASSERT_EQ(std::remove(dir.file("welkin.ini").c_str()), 0);
    ASSERT_EQ(::mkfifo(dir.file("welkin.ini").c_str(), 0600), 0);
    MainForm on_fifo(host);
    start(on_fifo);  // neither start-up nor shutdown waits for a writer or reader
    shut_down(on_fifo);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("welkin.ini")));

    MainForm fresh(host);
    start_up(fresh, {dir.path().string(), dir.file("new/settings/welkin.ini"), ""});
    shut_down(fresh);
    EXPECT_TRUE(read_small_file(dir.file("new/settings/welkin.ini")).ok());
}

TEST_F(StartupTest, MinimisingHidesTheCompanionsThatRestoringShowsAgain) {
    start(form);
    form.companions().open(Window::scorecard);
    host.shown.clear();
    form.minimised_changed(true);
    form.minimised_changed(false);
    form.companions().forget(Window::scorecard);
    form.companions().open(Window::response);
    form.minimised_changed(false);
    EXPECT_EQ(host.shown, (std::vector<std::pair<Window, bool>>{{Window::scorecard, false},
                                                                {Window::frontview, false},
                                                                {Window::response, false},
                                                                {Window::scorecard, true},
                                                                {Window::response, true},
                                                                {Window::response, true}}));
}

}  // namespace
}  // namespace welkin
