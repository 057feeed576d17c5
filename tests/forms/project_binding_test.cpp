// A settings or project file applied to the form: what each line does on
// reading, and that whatever is saved reopens as it was.
#include "forms/project_binding.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

// A typical 17-line file of this version, its last line in Windows-1252, with
// the given lines (numbered from 1) replaced and padded with empty lines to `size`.
std::string file_of(std::vector<std::pair<int, std::string>> changes = {}, std::size_t size = 17) {
    std::vector<std::string> lines = {"11", "500", "197",          "3", "80", "freq",   "yes",
                                      "no", "no",  "no",           "0", "no", "metric", "1",
                                      "0",  "0",   "/opt/welkin/caf\xe9"};
    lines.resize(size, "");
    for (auto& [n, text] : changes) lines[static_cast<std::size_t>(n - 1)] = std::move(text);
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

// The bytes the form would save.
std::string settings_text(const MainForm& form) {
    return write_project(project_settings(form));
}

// Line n of what the form would save, without its line break.
std::string saved_line(const MainForm& form, int n) {
    std::istringstream in(settings_text(form));
    std::string line;
    for (int i = 0; i < n; ++i) std::getline(in, line);
    return line.substr(0, line.size() - 1);
}

class ProjectBindingTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    // Loads as the program does: under busy, then the full recompute.
    void load(const std::string& bytes) {
        {
            const BusyScope busy(form);
            load_settings(form, parse_project(bytes));
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
        EXPECT_EQ(form.snapshot().sequence.wells, original.snapshot().sequence.wells);
        EXPECT_EQ(d().build_depth_2d_mm, was.build_depth_2d_mm);
        EXPECT_EQ(d().design_freq_hz, was.design_freq_hz);
        EXPECT_EQ(d().deepest_well_mm, was.deepest_well_mm);
    }
    const Design& d() const { return form.design(); }

    FakeHost host;
    MainForm form{host};
};

// 17 lines load, 16 do not. (The 2D depth of older files is the next test's.)
TEST_F(ProjectBindingTest, FilesOfEarlierVersions) {
    {
        Design d = form.design();
        d.visualiser.colours = ColourScheme::kit_kat;
        form.restore_choices(d);
    }
    load(file_of());
    EXPECT_TRUE(form.files().load_ok);
    EXPECT_EQ(d().well_count, 11);
    EXPECT_EQ(d().design_freq_hz, 500);
    EXPECT_EQ(form.files().last_folder, "/opt/welkin/caf\xc3\xa9");
    // Lines the file lacks keep what the defaults do not cover.
    EXPECT_EQ(d().visualiser.colours, ColourScheme::kit_kat);

    load(file_of({{1, "13"}}, 16));
    EXPECT_FALSE(form.files().load_ok);
    EXPECT_EQ(d().well_count, 13);  // what was read before the failure applies
}

// Each line as written, then the setting taken as the form would save it: a
// token the file cannot give leaves the form's own setting. (Which tokens
// are valid is the project file's test's.)
TEST_F(ProjectBindingTest, TokensAreTakenOnlyWhenValid) {
    form.files().visualiser_place.height = 4000;
    const struct {
        int line;
        std::string text, taken;
    } cases[] = {{6, "yes", "depth"},     {13, "Metric", "metric"},   {14, "4", "1"},
                 {16, "99999999999", "0"}, {31, "-5", " 4000"},        {31, " 1200", " 1200"}};
    for (const auto& [line, text, taken] : cases) {
        load(file_of({{line, text}}, 31));
        EXPECT_EQ(saved_line(form, line), taken) << line << " " << text;
    }
}

TEST_F(ProjectBindingTest, EveryUnitModeAndLockReopens) {
    for (const UnitMode mode : {UnitMode::metric, UnitMode::inches, UnitMode::decimalinches}) {
        for (const LockMode lock : {LockMode::freq, LockMode::depth, LockMode::build_2d}) {
            SCOPED_TRACE(testing::Message() << unit_mode_text(mode) << " " << lock_mode_text(lock));
            expect_reopens([&](MainForm& f) {
                f.set_field_text(Field::well_count, "13");
                f.set_field_text(Field::design_frequency, "450");
                f.run(DesignCommand::toggle_auto_well_width);
                f.set_field_text(Field::well_width, "61");
                f.run(DesignCommand::toggle_advanced);
                f.run(DesignCommand::rotate_wheel_clockwise);
                f.run(DesignCommand::shift_left);
                {
                    Design d = f.design();
                    d.unit_mode = mode;
                    f.restore_choices(d);
                }
                f.open_units();  // rewrites the fields in the mode
                if (lock == LockMode::depth) f.run(DesignCommand::lock_deepest_well);
                if (lock == LockMode::build_2d) f.run(DesignCommand::lock_build_depth_2d);
                f.recompute();
            });
        }
    }
}

// Under the 2D lock the saved 2D depth itself comes back, so neither the
// depth nor the frequency drifts on reopening.
TEST_F(ProjectBindingTest, BuildLockDesignsReopen) {
    const std::tuple<bool, const char*, bool> panels[] = {
        {false, "3", true}, {true, "3", false}, {true, "0", true}};
    for (const auto& [inverse, fin, optimise_2d] : panels) {
        for (int depth = 60; depth <= 600; depth += 7) {
            SCOPED_TRACE(std::to_string(depth) + (inverse ? " inverse" : ""));
            expect_reopens([&](MainForm& f) {
                f.set_field_text(Field::fin_width, fin);
                if (inverse) f.run(DesignCommand::toggle_inverse);
                if (f.design().optimise_2d != optimise_2d) f.run(DesignCommand::toggle_optimise_2d);
                f.run(DesignCommand::lock_build_depth_2d);
                f.set_field_text(Field::build_depth_2d, std::to_string(depth));
            });
        }
    }
}

// Under the 2D lock a file of this version brings its own 2D depth; an older
// one has it rebuilt from the frequency.
TEST_F(ProjectBindingTest, TheBuildDepthOfOlderAndNewerFiles) {
    const struct {
        const char* name;
        std::size_t lines;
        double build_depth_2d_mm;
    } rows[] = {{"the first version", 17, 246},  // Int((7 - 1) x 287 / 7 + 0.5)
                {"before the 2D depth line", 34, 246},
                {"this version", 35, 300}};
    for (const auto& row : rows) {
        std::vector<std::pair<int, std::string>> lines = {{1, "7"}, {2, "600"}, {6, "2d"}};
        if (row.lines == 35) lines.emplace_back(35, "300");
        load(file_of(lines, row.lines));
        EXPECT_TRUE(form.files().load_ok) << row.name;
        EXPECT_EQ(d().build_depth_2d_mm, row.build_depth_2d_mm) << row.name;
    }
}

// A length entry the program has not taken is never written to a file: the
// field's last committed value is saved in its place, as the field would
// show it.
TEST_F(ProjectBindingTest, APendingOrRefusedLengthIsSavedAsItsLastCommittedValue) {
    const struct {
        const char* name;
        Field field;
        int line;
        void (*set_up)(MainForm&);
        const char* committed;  // already in the form the field shows it
    } rows[] = {
        {"fin width", Field::fin_width, project_line::fin_width, [](MainForm&) {}, "1/4"},
        {"well width", Field::well_width, project_line::well_width,
         [](MainForm& f) { f.run(DesignCommand::toggle_auto_well_width); },
         "2 1/2"},  // 63.5 mm taken as 64 mm, which is 2.51 inches
        {"deepest well", Field::deepest_well, project_line::deepest_well,
         [](MainForm& f) { f.run(DesignCommand::lock_deepest_well); }, "11 13/16"},  // 300 mm
        {"2D build depth", Field::build_depth_2d, project_line::build_depth_2d,
         [](MainForm& f) { f.run(DesignCommand::lock_build_depth_2d); }, "9 11/16"},  // 246 mm
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeHost h;
        MainForm f(h);
        start_up(f);
        {
            Design d = f.design();
            d.unit_mode = UnitMode::inches;
            f.restore_choices(d);
        }
        f.open_units();
        row.set_up(f);
        f.set_field_text(row.field, row.committed);
        f.field_enter(row.field);
        ASSERT_EQ(saved_line(f, row.line), row.committed);

        f.set_field_text(row.field, "3/");  // typed, Enter not yet pressed
        EXPECT_EQ(saved_line(f, row.line), row.committed);
        f.set_field_text(row.field, "5''");
        f.field_enter(row.field);  // refused with the field's message
        ASSERT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(saved_line(f, row.line), row.committed);
    }
    // Millimetres are committed as they are typed, so they are saved as typed.
    form.set_field_text(Field::fin_width, "4");
    EXPECT_EQ(saved_line(form, project_line::fin_width), "4");
}

TEST_F(ProjectBindingTest, ResetAndEveryOpenPutThe2dWindowsOptionsBack) {
    struct Row {
        const char* name;
        void (*change)(Panel2dForm&);
    };
    const Row rows[] = {
        {"numbers off", [](Panel2dForm& p) { p.set_numbers(false); }},
        {"half-size on", [](Panel2dForm& p) { p.set_half_size(true); }},
        {"no color on", [](Panel2dForm& p) { p.set_no_colour(true); }},
        {"invert colors on", [](Panel2dForm& p) { p.set_invert(true); }},
        {"dimensions on", [](Panel2dForm& p) { p.set_dimensions(true); }},
        {"depth lines off", [](Panel2dForm& p) { p.set_depth_lines(false); }},
        {"well depths chosen",
         [](Panel2dForm& p) { p.set_quantity(CrosswordQuantity::well_depths); }},
    };
    Panel2dForm& panel = form.panel_2d_form();
    const PictureSize full = panel.panel_picture();
    const auto expect_first_opening = [&](const std::string& where) {
        const Panel2dOptions& o = panel.options();
        EXPECT_TRUE(o.numbers) << where;
        EXPECT_TRUE(o.depth_lines) << where;
        EXPECT_FALSE(o.half_size) << where;
        EXPECT_FALSE(o.no_colour) << where;
        EXPECT_FALSE(o.invert) << where;
        EXPECT_FALSE(o.dimensions) << where;
        EXPECT_EQ(o.quantity, CrosswordQuantity::block_heights) << where;
        EXPECT_EQ(panel.panel_picture().width, full.width) << where;
        EXPECT_EQ(panel.panel_picture().height, full.height) << where;
    };
    for (const Row& row : rows) {
        row.change(panel);
        reset_to_defaults(form);
        expect_first_opening(std::string(row.name) + ", reset");
        row.change(panel);
        load(file_of());
        expect_first_opening(std::string(row.name) + ", open");
    }
}

}  // namespace
}  // namespace welkin
