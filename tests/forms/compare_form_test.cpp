// The Compare window's model: the comparison kept between runs and read
// back safely, projects opened into it, and a compared design made the main
// window's only after asking.
#include "forms/compare_form.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "compare/comparison_table.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/main_form_offscreen.h"
#include "forms/project_binding.h"
#include "forms/startup.h"
#include "persist/comparison_file.h"
#include "temp_dir.h"

namespace welkin {
namespace {

class CompareFormTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(main); }

    // The main window's design with the well count typed, saved as a project.
    std::string saved(const std::string& name, const std::string& wells) {
        main.set_field_text(Field::well_count, wells);
        const std::string path = dir.file(name);
        EXPECT_TRUE(write_project_file(path, project_settings(main)));
        return path;
    }
    std::string store() const { return dir.file("welkin-compare.txt"); }

    TempDir dir;
    FakeHost host;
    MainForm main{host};
};

TEST_F(CompareFormTest, TheComparisonSurvivesARestart) {
    const std::string n13 = saved("thirteen.qrd", "13");
    main.set_field_text(Field::well_count, "7");
    {
        CompareForm before(design_of, store());
        ASSERT_TRUE(before.pin(main));
        ASSERT_TRUE(before.open_project(n13));
        before.rename(0, "first, pinned");
        ASSERT_TRUE(before.set_sound(20, 800));
    }
    CompareForm after(design_of, store());
    after.restore();
    const Comparison& c = after.comparison();
    EXPECT_EQ(design_names(c), (std::vector<std::string>{"first, pinned", "thirteen"}));
    EXPECT_EQ(c.settings().source_angle_deg, 20);
    EXPECT_EQ(c.settings().frequency_hz, 800);
    ASSERT_EQ(c.size(), 2U);
    EXPECT_EQ(c.designs()[0].snapshot.design.well_count, 7);
    EXPECT_EQ(c.designs()[1].snapshot.design.well_count, 13);
}

// welkin.ini and a project are one format, but welkin.ini may hold one line
// more, the Build window's choices; a copy of it opened as a project must
// not push the designs after it off their lines in the kept comparison.
TEST_F(CompareFormTest, ASettingsFileOpenedAsAProjectKeepsTheDesignsAfterIt) {
    ProjectSettings with_choices = project_settings(main);
    with_choices.well_count = "11";
    with_choices.build_choices = "fins;600;3;2400x200x3;2400x175x61;MDF;700;10";
    const std::string copied_ini = dir.file("copy-of-welkin.qrd");
    ASSERT_TRUE(write_project_file(copied_ini, with_choices));
    const std::string n13 = saved("thirteen.qrd", "13");
    {
        CompareForm before(design_of, store());
        ASSERT_TRUE(before.open_project(copied_ini));
        ASSERT_TRUE(before.open_project(n13));
    }
    CompareForm after(design_of, store());
    after.restore();
    const Comparison& c = after.comparison();
    EXPECT_EQ(design_names(c), (std::vector<std::string>{"copy-of-welkin", "thirteen"}));
    ASSERT_EQ(c.size(), 2U);
    EXPECT_EQ(c.designs()[0].snapshot.design.well_count, 11);
    EXPECT_EQ(c.designs()[1].snapshot.design.well_count, 13);
}

TEST_F(CompareFormTest, ADamagedStoreGivesAnEmptyComparison) {
    const std::string whole = comparison_file_text(
        {.source_angle_deg = 10, .frequency_hz = {}, .designs = {{"a", project_settings(main)}}});
    const struct {
        const char* name;
        std::string text;
    } damaged[] = {
        {"empty", ""},
        {"another file", "7\r\n600\r\n"},
        {"cut inside the design", whole.substr(0, whole.size() / 2)},
        {"more designs than a comparison holds", "Welkin comparison 1\r\n0\r\n\r\n5\r\n"},
        {"a count that is not a number", "Welkin comparison 1\r\n0\r\n\r\nx\r\n"},
        {"an angle that is not a number", "Welkin comparison 1\r\nabc\r\n\r\n0\r\n"},
        {"a steep angle", "Welkin comparison 1\r\n95\r\n\r\n0\r\n"},
        {"no frequency at all", "Welkin comparison 1\r\n5\r\n0\r\n0\r\n"},
    };
    ASSERT_TRUE(parse_comparison_file(whole));
    for (const auto& d : damaged) {
        std::ofstream(store(), std::ios::binary) << d.text;
        CompareForm form(design_of, store());
        form.restore();
        EXPECT_EQ(form.comparison().size(), 0U) << d.name;
        EXPECT_EQ(form.comparison().settings().source_angle_deg, 0) << d.name;
    }
}

// A kept design the program now refuses is left out; the rest come back,
// a name typed over two lines as one.
TEST_F(CompareFormTest, AKeptDesignThatIsRefusedIsLeftOutAndTheOthersKept) {
    ProjectSettings nine = project_settings(main);
    nine.well_count = "9";
    const KeptComparison kept{.source_angle_deg = 0,
                              .frequency_hz = 700,
                              .designs = {{"first", project_settings(main)},
                                          {"nine", nine},
                                          {"two\nlines", project_settings(main)}}};
    std::ofstream(store(), std::ios::binary) << comparison_file_text(kept);
    CompareForm form(design_of, store());
    form.restore();
    EXPECT_EQ(design_names(form.comparison()), (std::vector<std::string>{"first", "two lines"}));
    EXPECT_EQ(form.comparison().settings().frequency_hz, 700);
}

TEST_F(CompareFormTest, ARefusedProjectIsNamedAndChangesNothing) {
    CompareForm form(design_of);
    ASSERT_TRUE(form.pin(main));
    ProjectSettings nine = project_settings(main);
    nine.well_count = "9";
    const std::string refused = dir.file("nine.qrd");
    ASSERT_TRUE(write_project_file(refused, nine));
    for (const std::string& path : {refused, dir.file("missing.qrd")}) {
        const Result<std::size_t> added = form.open_project(path);
        EXPECT_FALSE(added) << path;
        EXPECT_EQ(added.message().rfind(path, 0), 0U) << added.message();
    }
    EXPECT_EQ(form.comparison().size(), 1U);
}

TEST_F(CompareFormTest, OpeningInTheMainWindowAsksFirst) {
    const std::string n13 = saved("thirteen.qrd", "13");
    main.set_field_text(Field::well_count, "7");
    CompareForm form(design_of);
    ASSERT_TRUE(form.open_project(n13));

    host.answer_yes = false;
    EXPECT_FALSE(form.open_in_main(0, main));
    EXPECT_EQ(main.design().well_count, 7);
    ASSERT_EQ(host.asked.size(), 1U);
    EXPECT_NE(host.asked[0].find("\"thirteen\""), std::string::npos) << host.asked[0];

    host.answer_yes = true;
    EXPECT_TRUE(form.open_in_main(0, main));
    EXPECT_EQ(main.design().well_count, 13);
    EXPECT_NE(main.title().find("thirteen"), std::string::npos) << main.title();

    // The main window holds that very design now: nothing to lose, no question.
    host.asked.clear();
    EXPECT_TRUE(form.open_in_main(0, main));
    EXPECT_TRUE(host.asked.empty());
}

}  // namespace
}  // namespace welkin
