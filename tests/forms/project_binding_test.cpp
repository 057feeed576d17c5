// The settings and project file: what each line does on reading, and that
// whatever is saved reopens as it was.
#include "forms/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fake_host.h"
#include "persist/file_io.h"
#include "forms/startup.h"
#include "temp_dir.h"

namespace welkin {
namespace {

// A typical 17-line file of this version, its last line in Windows-1252, with
// the given lines (numbered from 1) replaced and padded with empty lines to `size`.
std::string file_of(std::vector<std::pair<int, std::string>> changes = {}, std::size_t size = 17) {
    std::vector<std::string> lines = {"11", "500", "197",          "3", "80", "freq",   "yes",
                                      "no", "no",  "no",           "0", "no", "metric", "1",
                                      "0",  "0",   "/home/caf\xe9"};
    lines.resize(size, "");
    for (auto& [n, text] : changes) lines[static_cast<std::size_t>(n - 1)] = std::move(text);
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

// Line n of what the form would save, without its line break.
std::string saved_line(const MainForm& form, int n) {
    std::istringstream in(settings_text(form));
    std::string line;
    for (int i = 0; i < n; ++i) std::getline(in, line);
    return line.substr(0, line.size() - 1);
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    // Loads as the program does: under busy, then the full recompute.
    void load(const std::string& bytes) {
        {
            const BusyScope busy(form);
            apply_settings(form, bytes);
        }
        form.recompute();
    }
    // A form fresh from the factory settings, after `edit`, saved and reopened
    // here: the same bytes when saved again, and the same design.
    template <typename Edit>
    void expect_reopens(Edit edit) {
        FakeHost h;
        MainForm original(h);
        start_up(original);
        edit(original);
        const std::string saved = settings_text(original);
        load(saved);
        EXPECT_EQ(settings_text(form), saved);
        const Design& was = original.design();
        EXPECT_EQ(d().well_seq, was.well_seq);
        EXPECT_EQ(d().build_depth_2d_mm, was.build_depth_2d_mm);
        EXPECT_EQ(d().design_freq_hz, was.design_freq_hz);
        EXPECT_EQ(d().deepest_well_mm, was.deepest_well_mm);
    }
    const Design& d() const { return form.design(); }

    FakeHost host;
    MainForm form{host};
};

// 17 lines load, 16 do not; an older file under the 2D lock rebuilds its 2D depth.
TEST_F(SettingsFileTest, FilesOfEarlierVersions) {
    form.edit_design().visualiser.colours = ColourScheme::kit_kat;
    load(file_of());
    EXPECT_TRUE(form.files().load_ok);
    EXPECT_EQ(d().well_count, 11);
    EXPECT_EQ(d().design_freq_hz, 500);
    EXPECT_EQ(form.files().last_folder, "/home/caf\xc3\xa9");
    // Lines the file lacks keep what the defaults do not cover.
    EXPECT_EQ(d().visualiser.colours, ColourScheme::kit_kat);

    load(file_of({{1, "13"}}, 16));
    EXPECT_FALSE(form.files().load_ok);
    EXPECT_EQ(d().well_count, 13);  // what was read before the failure applies

    load(file_of({{1, "7"}, {2, "600"}, {6, "2d"}}));
    EXPECT_EQ(d().design_half_wavelength_mm, 287);
    EXPECT_EQ(d().build_depth_2d_mm, 246);
    EXPECT_EQ(form.field_text(Field::build_depth_2d), " 246");
}

// Each line as written, then the setting taken as the form would save it.
TEST_F(SettingsFileTest, TokensAreTakenOnlyWhenValid) {
    form.edit_design().visualiser.height = 4000;
    const struct {
        int line;
        std::string text, taken;
    } cases[] = {
        {6, "yes", "depth"},      {6, "FREQ", "freq"},      {6, "", "freq"},
        {6, "2d", "2d"},          {13, "Metric", "metric"}, {13, "decimalinches", "decimalinches"},
        {14, "3", "3"},           {14, "4", "1"},           {14, "-1", "1"},
        {16, "99999999999", "0"}, {16, "3", "3"},           {31, "0", " 4000"},
        {31, "-5", " 4000"},      {31, " 1200", " 1200"}};
    for (const auto& [line, text, taken] : cases) {
        load(file_of({{line, text}}, 31));
        EXPECT_EQ(saved_line(form, line), taken) << line << " " << text;
    }
}

TEST_F(SettingsFileTest, EveryUnitModeAndLockReopens) {
    for (const UnitMode mode : {UnitMode::metric, UnitMode::inches, UnitMode::decimalinches}) {
        for (const LockMode lock : {LockMode::freq, LockMode::depth, LockMode::build_2d}) {
            SCOPED_TRACE(testing::Message() << unit_mode_text(mode) << " " << lock_mode_text(lock));
            expect_reopens([&](MainForm& f) {
                f.set_field_text(Field::well_count, "13");
                f.set_field_text(Field::design_frequency, "450");
                f.toggle_auto_well_width();
                f.set_field_text(Field::well_width, "61");
                f.toggle_advanced();
                f.rotate_wheel_clockwise();
                f.shift_left();
                f.edit_design().unit_mode = mode;
                f.open_units();  // rewrites the fields in the mode
                if (lock == LockMode::depth) f.lock_deepest_well();
                if (lock == LockMode::build_2d) f.lock_build_depth_2d();
                f.recompute();
            });
        }
    }
}

// Under the 2D lock the saved 2D depth itself comes back, so neither the
// depth nor the frequency drifts on reopening.
TEST_F(SettingsFileTest, BuildLockDesignsReopen) {
    const std::tuple<bool, const char*, bool> panels[] = {
        {false, "3", true}, {true, "3", false}, {true, "0", true}};
    for (const auto& [inverse, fin, optimise_2d] : panels) {
        for (int depth = 60; depth <= 600; depth += 7) {
            SCOPED_TRACE(std::to_string(depth) + (inverse ? " inverse" : ""));
            expect_reopens([&](MainForm& f) {
                f.set_field_text(Field::fin_width, fin);
                if (inverse) f.toggle_inverse();
                if (f.design().optimise_2d != optimise_2d) f.toggle_optimise_2d();
                f.lock_build_depth_2d();
                f.set_field_text(Field::build_depth_2d, std::to_string(depth));
            });
        }
    }
}

TEST_F(SettingsFileTest, AFailedWriteLeavesThePreviousFileWhole) {
    const TempDir dir;
    form.files().pending_path = dir.file("welkin.ini");
    ASSERT_TRUE(save_settings(form));
    const std::optional<std::string> before = read_file(dir.file("welkin.ini"));

    // Something in the way of the temporary file makes the write fail.
    std::filesystem::create_directory(dir.file("welkin.ini.tmp"));
    form.set_field_text(Field::well_count, "13");
    EXPECT_FALSE(save_settings(form));
    EXPECT_EQ(read_file(dir.file("welkin.ini")), before);
}

}  // namespace
}  // namespace welkin
