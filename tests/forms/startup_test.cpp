// Start-up with and without a settings file, the command line, the
// companion windows on minimise and restore, and shutdown.
#include "forms/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake_host.h"
#include "forms/settings_file.h"
#include "temp_dir.h"

namespace welkin {
namespace {

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
    form.toggle_advanced();
    form.rotate_wheel_clockwise();
    form.edit_design().unit_mode = UnitMode::inches;
    form.open_units();
    shut_down(form);

    MainForm next(host);
    start(next);
    EXPECT_EQ(next.title(), title("most recent"));
    EXPECT_EQ(settings_text(next), settings_text(form));
    EXPECT_EQ(next.design().well_seq, form.design().well_seq);  // and recomputed
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

    const std::string missing = dir.file("gone.qrd");
    start(form, missing);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "There was a problem opening project " + missing +
                                         " - resetting Welkin to default values");
    EXPECT_EQ(form.title(), title("default"));
    EXPECT_EQ(form.design().well_count, 7);
}

TEST_F(StartupTest, MinimisingHidesTheCompanionsThatRestoringShowsAgain) {
    start(form);
    form.set_scorecard_shown(true);
    form.minimised_changed(true);
    form.minimised_changed(false);
    form.set_scorecard_shown(false);
    form.minimised_changed(false);
    EXPECT_EQ(host.shown, (std::vector<std::pair<Window, bool>>{{Window::scorecard, false},
                                                                {Window::frontview, false},
                                                                {Window::scorecard, true}}));
}

}  // namespace
}  // namespace welkin
