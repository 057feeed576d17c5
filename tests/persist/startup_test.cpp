// Start-up with and without a settings file, the command line, the
// companion windows on minimise and restore, and shutdown.
#include "persist/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake_host.h"
#include "persist/file_io.h"
#include "persist/settings_file.h"
#include "temp_dir.h"

namespace welkin {
namespace {

const std::string title_text = "Welkin - Quadratic Residue Diffuser Calculator    V:4.01";

class StartupTest : public ::testing::Test {
protected:
    StartOptions options(const std::string& project = "") const {
        return {dir.path().string(), dir.file("welkin.ini"), project};
    }

    TempDir dir;
    FakeHost host;
    MainForm form{host};
};

TEST_F(StartupTest, FirstStartUsesTheDefaultsAndASecondRestoresTheLastState) {
    start_up(form, options());
    EXPECT_EQ(form.title(), title_text + "    Project: default");
    EXPECT_EQ(form.field_text(Field::Text1), "7");
    EXPECT_EQ(form.design().design_freq_hz, 600);
    EXPECT_TRUE(host.messages.empty());

    form.set_field_text(Field::Text1, "13");
    form.mnu_advanced_Click();
    form.Command8_Click();
    form.edit_design().unit_mode = UnitMode::inches;
    form.mnu_units_Click();
    shut_down(form);

    FakeHost next_host;
    MainForm next(next_host);
    start_up(next, options());
    EXPECT_EQ(next.title(), title_text + "    Project: most recent");
    EXPECT_EQ(settings_text(next), settings_text(form));
    EXPECT_EQ(next.design().well_seq, form.design().well_seq);
    EXPECT_EQ(next.field_text(Field::Text4), "1/8");
}

TEST_F(StartupTest, CommandLineOpensAQrdProject) {
    FakeHost saver_host;
    MainForm saver(saver_host);
    start_up(saver);
    saver.set_field_text(Field::Text1, "17");
    saver.files().pending_path = dir.file("hall.QRD");
    ASSERT_TRUE(save_settings(saver));

    const std::filesystem::path was = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    start_up(form, options("hall.QRD"));  // relative, upper-case extension
    std::filesystem::current_path(was);
    EXPECT_EQ(form.title(), title_text + "    Project: hall.QRD");
    EXPECT_EQ(form.design().well_count, 17);
    EXPECT_EQ(form.files().project_file_name, "hall.QRD");
}

TEST_F(StartupTest, CommandLineIgnoresOtherFilesAndReportsAMissingProject) {
    std::ofstream(dir.file("notes.txt")) << "13\r\n";
    start_up(form, options(dir.file("notes.txt")));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(form.title(), title_text + "    Project: default");

    const std::string missing = dir.file("gone.qrd");
    start_up(form, options(missing));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "There was a problem opening project " + missing +
                                         " - resetting Welkin to default values");
    EXPECT_EQ(form.title(), title_text + "    Project: default");
    EXPECT_EQ(form.design().well_count, 7);
}

TEST_F(StartupTest, MinimisingHidesTheCompanionsThatRestoringShowsAgain) {
    start_up(form, options());
    form.set_scorecard_shown(true);
    form.Form_Resize(true);
    form.Form_Resize(false);
    form.set_scorecard_shown(false);
    form.Form_Resize(false);
    using Shown = std::pair<Window, bool>;
    EXPECT_EQ(host.shown, (std::vector<Shown>{{Window::scorecard, false},
                                              {Window::frontview, false},
                                              {Window::scorecard, true}}));
}

}  // namespace
}  // namespace welkin
