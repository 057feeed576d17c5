// The Build window's model: choices remembered in the settings file and
// nowhere else, the 2D grid's offsets. (A refusal shown instead of the plan is
// the Build window's test's.)
#include "forms/build_form.h"

#include <gtest/gtest.h>

#include "build/build_choices.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "forms/startup.h"
#include "persist/file_io.h"
#include "persist/project_file.h"
#include "temp_dir.h"

namespace welkin {
namespace {

TEST(BuildForm, ChoicesOutliveTheWindowAndTheProgramButStayOutOfProjects) {
    const TempDir dir;
    const std::string ini = dir.file("welkin.ini");
    {
        FakeHost host;
        MainForm main(host);
        start_up(main, {dir.path().string(), ini, ""});
        BuildForm first(main.shown(), main.files().build_choices, std::nullopt);
        first.set_kerf(1.5);
        first.set_material(*material_named("Oak"));
        const BuildForm second(main.shown(), main.files().build_choices,
                               std::nullopt);  // opened again in the same run
        EXPECT_EQ(second.options().kerf_mm, 1.5);
        main.files().pending_path = dir.file("project.qrd");
        ASSERT_TRUE(save_settings(main));  // Save As
        shut_down(main);
    }
    FakeHost host;
    MainForm main(host);
    start_up(main, {dir.path().string(), ini, ""});
    const BuildForm reopened(main.shown(), main.files().build_choices, std::nullopt);
    EXPECT_EQ(reopened.options().kerf_mm, 1.5);
    EXPECT_EQ(reopened.options().material.name, "Oak");
    const std::optional<std::string> project = read_file(dir.file("project.qrd"));
    ASSERT_TRUE(project);
    EXPECT_EQ(parse_project(*project).lines_read, project_line::count)
        << "a project keeps its 35 lines";
}

TEST(BuildForm, TwoDimensionalOpeningTakesTheWindowsOffsets) {
    FakeHost host;
    MainForm main(host);
    start_up(main);
    // Standard N 7 with no offsets: the front-left cell has residue 0, so its
    // well is 0 deep and its bottom lies in the panel's face.
    const BuildForm form(main.shown(), main.files().build_choices, Offsets2d{0, 0});
    ASSERT_TRUE(form.plan());
    bool found = false;
    for (const Part& p : form.plan()->parts) {
        for (const Placement& at : p.places) {
            if (p.kind != PartKind::bottom || at.row != 1 || at.column != 1) continue;
            found = true;
            EXPECT_EQ(at.depth_mm, 0);
        }
    }
    EXPECT_TRUE(found);
}

struct ChoicesCase {
    const char* name;
    const char* text;
    double kerf;
    Construction construction;
};

TEST(BuildChoices, AMalformedOrUnknownEntryLeavesItsChoiceAlone) {
    FakeHost host;
    MainForm main(host);
    start_up(main);
    main.set_field_text(Field::fin_width, "0");
    const BuildDesign finless = build_design_1d(main.snapshot());
    const BuildOptions defaults = default_build_options(finless);
    const ChoicesCase cases[] = {
        {"taken", "kerf=1.25;construction=blocks", 1.25, Construction::blocks},
        {"malformed kerf", "kerf=3mm", defaults.kerf_mm, defaults.construction},
        {"unknown key", "saw=band;kerf=2", 2, defaults.construction},
        {"fins on a finless design", "construction=fins", defaults.kerf_mm, Construction::blocks},
        {"empty", "", defaults.kerf_mm, defaults.construction},
    };
    for (const ChoicesCase& c : cases) {
        const BuildOptions o = with_choices(defaults, c.text, finless);
        EXPECT_EQ(o.kerf_mm, c.kerf) << c.name;
        EXPECT_EQ(o.construction, c.construction) << c.name;
    }
    BuildOptions chosen = defaults;
    chosen.board = {1830, 244, 12.5};
    chosen.material = {"", 480};
    EXPECT_EQ(with_choices(defaults, choices_text(chosen), finless), chosen);
}

TEST(BuildChoices, StockTooSmallForThisDesignGivesWayToItsDefault) {
    FakeHost host;
    MainForm main(host);
    start_up(main);
    const BuildDesign design = build_design_1d(main.snapshot());
    // Remembered from a 2D panel of small blocks: the 1D blocks are taller.
    const BuildOptions o = remembered_choices("kerf=2;stick=2400x40x40;board=1200x300x3", design);
    EXPECT_EQ(o.kerf_mm, 2);
    EXPECT_EQ(o.stick, default_build_options(design).stick);
    EXPECT_EQ(o.board, (Stock{1200, 300, 3}));  // still fits: kept
    EXPECT_TRUE(plan_build(design, o));
}

}  // namespace
}  // namespace welkin
