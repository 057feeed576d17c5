#include "forms/scorecard_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fake_host.h"
#include "forms/about_form.h"
#include "forms/help_links.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "persist/guide_folder.h"

namespace welkin {
namespace {

class ScorecardFormTest : public ::testing::Test {
protected:
    FakeHost host;
    MainForm form{host};
    void SetUp() override { start_up(form); }

    const ScorecardRow& period_row() {
        view = scorecard_view(form.snapshot().texts);
        return view.rows[0];
    }
    ScorecardView view;
};

TEST_F(ScorecardFormTest, PoorToGoodChangesTheIconAndEmptiesTheConsequence) {
    form.run(DesignCommand::toggle_auto_well_width);
    // 7 x (3 + 50) = 371 mm is narrower than the 574 mm design wavelength.
    form.set_field_text(Field::well_width, "50");
    EXPECT_EQ(period_row().icon, ScoreIcon::bad);
    EXPECT_NE(period_row().consequence.find("Well width to fix is  80 mm"), std::string::npos)
        << period_row().consequence;
    // 7 x 83 = 581 mm is not.
    form.set_field_text(Field::well_width, "80");
    EXPECT_EQ(period_row().icon, ScoreIcon::good);
    EXPECT_EQ(period_row().consequence, "");
}

TEST_F(ScorecardFormTest, ShowVisualizerShowsRedrawsAndHides) {
    const long before = form.shown().completed_recomputes;
    form.run(DesignCommand::toggle_show_visualiser);
    EXPECT_TRUE(form.design().visualiser.shown);
    EXPECT_EQ(form.shown().completed_recomputes, before + 1);
    EXPECT_EQ(host.shown.back(), (std::pair{Window::frontview, true}));
    form.run(DesignCommand::toggle_show_visualiser);
    EXPECT_FALSE(form.design().visualiser.shown);
    EXPECT_EQ(host.shown.back(), (std::pair{Window::frontview, false}));
    form.run(DesignCommand::toggle_show_visualiser);
    form.run(DesignCommand::hide_visualiser);
    EXPECT_FALSE(form.design().visualiser.shown);
}

// A page, and the section it opens at, are there in the guide.
TEST(HelpLinks, EveryPageAndSectionIsInTheGuide) {
    const std::filesystem::path guide = WELKIN_GUIDE_SOURCE;
    for (const HelpLink& link : help_links) {
        const std::string target = help_target(link.page, guide);
        if (!link.address.empty()) {
            EXPECT_EQ(target, link.address);
            continue;
        }
        const std::size_t hash = target.find('#');
        const std::string page = target.substr(0, hash);
        ASSERT_TRUE(std::filesystem::is_regular_file(page)) << target;
        if (hash == std::string::npos) continue;
        std::ifstream in(page);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(text.find(" id=\"" + target.substr(hash + 1) + "\""), std::string::npos) << target;
    }
}

TEST(HelpLinks, ADesktopThatCannotOpenThePageSaysWhichPage) {
    FakeHost host;
    host.desktop_opens_pages = false;
    open_help(host, HelpPage::viscous_limit, "/opt/welkin/guide");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("/opt/welkin/guide/viscous-limit.html"),
              std::string::npos)
        << host.messages[0].text;
}

// Two buttons of the About window that open the same page tell the user
// nothing about what the second one is for.
TEST(AboutLinks, EachOpensAPageOfItsOwn) {
    std::set<std::string> targets;
    for (const AboutLink& link : about_links) {
        EXPECT_TRUE(targets.insert(help_target(link.page, "/g")).second) << link.caption;
    }
}

TEST(GuideFolder, BesideTheExecutable) {
    EXPECT_EQ(guide_folder_for("/opt/welkin/bin"), "/opt/welkin/share/welkin/guide");
    EXPECT_EQ(guide_folder_for("/opt/welkin/build/src"), "/opt/welkin/build/share/welkin/guide");
}

TEST(SystemInfo, TheFirstToolOnThePath) {
    EXPECT_EQ(system_info_tool([](std::string_view t) { return t == "kinfocenter" || t == "hardinfo"; }),
              "hardinfo");
    EXPECT_EQ(system_info_tool([](std::string_view) { return false; }), std::nullopt);
}

}  // namespace
}  // namespace welkin
