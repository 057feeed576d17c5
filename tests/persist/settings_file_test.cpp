// The settings and project file: what each line does on reading, and that
// whatever is saved reopens as it was.
#include "persist/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fake_host.h"
#include "persist/file_io.h"
#include "persist/startup.h"
#include "temp_dir.h"
#include "units/numtext.h"

namespace welkin {
namespace {

// The 19 lines of a typical file of this version before the visualiser's.
std::vector<std::string> typical_lines() {
    return {"11",
            "500",
            "197",
            "3",
            "80",
            "freq",
            "yes",
            "no",
            "no",
            "no",
            "0",
            "no",
            "metric",
            "1",
            "0",
            "0",
            "/home/user/projects"};
}

std::string file_of(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    // Loads as the program does: under busy, then the full recompute.
    void load(const std::vector<std::string>& lines) { load_bytes(file_of(lines)); }
    void load_bytes(const std::string& bytes) {
        {
            const BusyScope busy(form);
            apply_settings(form, bytes);
        }
        form.Command1_Click();
    }
    const Design& d() const { return form.design(); }

    FakeHost host;
    MainForm form{host};
};

TEST_F(SettingsFileTest, SeventeenLinesLoadAndSixteenDoNot) {
    form.edit_design().visualiser.colours = ColourScheme::kit_kat;
    load(typical_lines());
    EXPECT_TRUE(form.files().load_ok);
    EXPECT_EQ(d().well_count, 11);
    EXPECT_EQ(d().design_freq_hz, 500);
    EXPECT_EQ(form.files().last_folder, "/home/user/projects");
    // Lines the file lacks keep what the defaults do not cover.
    EXPECT_EQ(d().visualiser.colours, ColourScheme::kit_kat);

    std::vector<std::string> short_file = typical_lines();
    short_file.pop_back();
    short_file[0] = "13";
    load(short_file);
    EXPECT_FALSE(form.files().load_ok);
    EXPECT_EQ(d().well_count, 13);  // what was read before the failure applies
}

TEST_F(SettingsFileTest, TokensAreTakenOnlyWhenValid) {
    struct Case {
        int line;
        std::string text;
        LockMode lock;
        UnitMode mode;
        int page;
    };
    const std::vector<Case> cases = {
        {6, "yes", LockMode::depth, UnitMode::metric, 1},
        {6, "FREQ", LockMode::freq, UnitMode::metric, 1},
        {6, "", LockMode::freq, UnitMode::metric, 1},
        {6, "2d", LockMode::build_2d, UnitMode::metric, 1},
        {13, "Metric", LockMode::freq, UnitMode::metric, 1},
        {13, "decimalinches", LockMode::freq, UnitMode::decimalinches, 1},
        {14, "3", LockMode::freq, UnitMode::metric, 3},
        {14, "4", LockMode::freq, UnitMode::metric, 1},
        {14, "-1", LockMode::freq, UnitMode::metric, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + " " + c.text);
        std::vector<std::string> lines = typical_lines();
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        load(lines);
        EXPECT_EQ(d().lock, c.lock);
        EXPECT_EQ(d().unit_mode, c.mode);
        EXPECT_EQ(d().results_page, c.page);
    }
    EXPECT_EQ(form.length_caption(Field::Text5), "Deepest 1D well in mm");
}

TEST_F(SettingsFileTest, OutOfRangeMeasuresAndShiftsAreSkipped) {
    form.edit_design().visualiser.height = 4000;
    std::vector<std::string> lines = typical_lines();
    lines[15] = "99999999999";  // a side shift no panel has
    lines.resize(34, "");
    lines[30] = "0";
    lines[31] = "-5";
    lines[32] = " 1200";
    load(lines);
    EXPECT_EQ(d().side_shift, 0);
    EXPECT_EQ(d().visualiser.height, 4000);
    EXPECT_EQ(d().visualiser.top, 1200);

    lines[15] = "3";
    load(lines);
    EXPECT_EQ(d().side_shift, 3);
    EXPECT_EQ((std::vector<int>(d().well_seq.begin(), d().well_seq.begin() + 11)),
              (std::vector<int>{9, 5, 3, 3, 5, 9, 4, 1, 0, 1, 4}));
}

TEST_F(SettingsFileTest, OlderFileUnderTheBuildLockRebuildsItsDepth) {
    std::vector<std::string> lines = typical_lines();
    lines[0] = "7";
    lines[1] = "600";
    lines[5] = "2d";
    load(lines);
    EXPECT_EQ(d().design_half_wavelength_mm, 287);
    EXPECT_EQ(d().build_depth_2d_mm, 246);
    EXPECT_EQ(form.field_text(Field::Text6), " 246");
}

TEST_F(SettingsFileTest, OldWindowsTextIsRead) {
    std::vector<std::string> lines = typical_lines();
    lines[16] = "/home/caf\xe9";
    load(lines);
    EXPECT_EQ(form.files().last_folder, "/home/caf\xc3\xa9");
}

// Every lock and unit mode: save, reopen, save again gives the same bytes.
TEST_F(SettingsFileTest, SavedStateReopensByteForByte) {
    for (const UnitMode mode : {UnitMode::metric, UnitMode::inches, UnitMode::decimalinches}) {
        for (const LockMode lock : {LockMode::freq, LockMode::depth, LockMode::build_2d}) {
            SCOPED_TRACE(std::string(unit_mode_text(mode)) + " " + std::to_string(int(lock)));
            FakeHost h;
            MainForm original(h);
            start_up(original);
            original.set_field_text(Field::Text1, "13");
            original.set_field_text(Field::Text2, "450");
            original.mnu_autowells_Click();
            original.set_field_text(Field::Text3, "61");
            original.mnu_advanced_Click();
            original.Command8_Click();
            original.Command5_Click();
            original.edit_design().unit_mode = mode;
            original.mnu_units_Click();  // rewrites the fields in the mode
            switch (lock) {
                case LockMode::depth: original.opt_depthlock_Click(); break;
                case LockMode::build_2d: original.opt_buildlock_2d_Click(); break;
                case LockMode::freq: break;
            }
            original.Command1_Click();
            const std::string saved = settings_text(original);

            load_bytes(saved);
            EXPECT_EQ(settings_text(form), saved);
            for (const Field f : {Field::Text1, Field::Text2, Field::Text3, Field::Text4,
                                  Field::Text5, Field::Text6}) {
                // The file keeps fields trimmed; "61" reads back as " 61" did.
                EXPECT_EQ(trimmed(form.field_text(f)), trimmed(original.field_text(f)));
            }
            EXPECT_EQ(d().well_seq, original.design().well_seq);
        }
    }
}

// Under the build lock the saved 2D depth itself comes back, so neither the
// depth nor the frequency drifts on reopening.
TEST_F(SettingsFileTest, BuildLockDesignsReopenUnchanged) {
    struct Panel {
        bool inverse;
        const char* fin;
        bool optimise_2d;
    };
    for (const Panel p :
         {Panel{false, "3", true}, Panel{true, "3", false}, Panel{true, "0", true}}) {
        for (int depth = 60; depth <= 600; depth += 7) {
            SCOPED_TRACE(std::to_string(depth) + (p.inverse ? " inverse" : ""));
            FakeHost h;
            MainForm original(h);
            start_up(original);
            original.set_field_text(Field::Text4, p.fin);
            if (p.inverse) original.Command11_Click();
            if (original.design().mnu_2d_optimise != p.optimise_2d) {
                original.mnu_2d_optimise_Click();
            }
            original.opt_buildlock_2d_Click();
            original.set_field_text(Field::Text6, std::to_string(depth));
            load_bytes(settings_text(original));
            EXPECT_EQ(d().build_depth_2d_mm, original.design().build_depth_2d_mm);
            EXPECT_EQ(d().design_freq_hz, original.design().design_freq_hz);
            EXPECT_EQ(d().deepest_well_mm, original.design().deepest_well_mm);
        }
    }
}

TEST(SettingsFile, AFailedWriteLeavesThePreviousFileWhole) {
    const TempDir dir;
    FakeHost host;
    MainForm form(host);
    start_up(form);
    form.files().pending_path = dir.file("welkin.ini");
    ASSERT_TRUE(save_settings(form));
    const std::optional<std::string> before = read_file(dir.file("welkin.ini"));

    // Something in the way of the temporary file makes the write fail.
    std::filesystem::create_directory(dir.file("welkin.ini.tmp"));
    form.set_field_text(Field::Text1, "13");
    EXPECT_FALSE(save_settings(form));
    EXPECT_EQ(read_file(dir.file("welkin.ini")), before);
}

}  // namespace
}  // namespace welkin
