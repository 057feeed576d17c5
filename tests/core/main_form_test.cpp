// The main window's model driven as a user would: typing into fields,
// clicking buttons and menus, and reading back what the window shows.
#include "core/main_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "persist/startup.h"

namespace welkin {
namespace {

const Rgb dark_red{192, 0, 0};
const Rgb grey{128, 128, 128};

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    void type(Field f, const std::string& text) { form.set_field_text(f, text); }
    std::vector<int> sequence() const {
        const Design& d = form.design();
        return {d.well_seq.begin(), d.well_seq.begin() + d.well_count + 1};
    }

    FakeHost host;
    MainForm form{host};
};

TEST_F(MainFormTest, StartsWithTheDefaultDesign) {
    const Design& d = form.design();
    EXPECT_EQ(d.well_count, 7);
    EXPECT_EQ(d.design_half_wavelength_mm, 287);
    EXPECT_EQ(d.deepest_well_mm, 164);
    EXPECT_EQ(d.build_depth_2d_mm, 246);
    EXPECT_EQ(d.fin_width_mm, 3);
    EXPECT_EQ(sequence(), (std::vector<int>{0, 1, 4, 2, 2, 4, 1, 0}));
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
    EXPECT_EQ(form.status_colour(), grey);
    EXPECT_EQ(form.field_text(Field::Text5), " 164");
    EXPECT_EQ(form.field_text(Field::Text6), " 246");
    EXPECT_EQ(form.title(),
              "Welkin - Quadratic Residue Diffuser Calculator    V:4.01    Project: default");
    EXPECT_EQ(form.frontview_caption(),
              "Standard N7+0,0 QRD Diffuser     Design Frequency 600Hz  ");
    EXPECT_EQ(form.busy(), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainFormTest, RejectedPanelOrdersKeepTheLastDesign) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"2", "Minimum panel order is 3"},
        {"-5", "Minimum panel order is 3"},
        {"abc", "Minimum panel order is 3"},
        {"", "Minimum panel order is 3"},
        {"4", "Number of wells must be a prime number between 3 and 101"},
        {"9", "Number of wells must be a prime number between 3 and 101"},
        {"7.5", "Number of wells must be a prime number between 3 and 101"},
        {"102", "Maximum panel order is 101"},
        {"1000", "Maximum panel order is 101"},
        {"99999999999999999999", "Maximum panel order is 101"},
        {"999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "999999999999999999999999999999999999999999999999999999999999999999999999999999",
         "Maximum panel order is 101"},
    };
    const std::vector<int> before = sequence();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        type(Field::Text1, "7");
        ASSERT_TRUE(form.menu_enabled(Menu::mnu_2d));
        const Design kept = form.design();
        type(Field::Text1, c.text);
        EXPECT_EQ(form.status_text(), c.message);
        EXPECT_EQ(form.status_colour(), dark_red);
        EXPECT_FALSE(form.menu_enabled(Menu::mnu_2d));
        EXPECT_EQ(form.design().well_count, 7);
        EXPECT_EQ(sequence(), before);
        EXPECT_EQ(form.design().deepest_well_mm, kept.deepest_well_mm);
        EXPECT_EQ(form.busy(), 0);
    }
    // Other inputs still recompute on the last valid order.
    type(Field::Text2, "500");
    EXPECT_EQ(form.design().deepest_well_mm, 197);
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
}

TEST_F(MainFormTest, AcceptsPanelOrdersWithBlanksAndAtBothEnds) {
    type(Field::Text1, " 7");
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
    type(Field::Text1, "101");
    EXPECT_EQ(form.design().well_count, 101);
    EXPECT_EQ(form.design().well_seq[101], form.design().well_seq[0]);
    type(Field::Text1, "3");
    EXPECT_EQ(sequence(), (std::vector<int>{0, 1, 1, 0}));
}

struct RangeCase {
    LockMode lock;
    Field field;
    const char* text;
    const char* message;  // empty when accepted
};

TEST_F(MainFormTest, RangeChecksAndTheirBoundaries) {
    const char* fin = "Fin width must be between 0 and 1000mm";
    const char* freq = "Design frequency must be between 1 and 20000hz";
    const char* deep = "Deepest well must be between 5 and 9000mm";
    const char* build = "2D build depth must be between 5 and 9000mm";
    const RangeCase cases[] = {
        {LockMode::freq, Field::Text4, "1000", ""},
        {LockMode::freq, Field::Text4, "1001", fin},
        {LockMode::freq, Field::Text4, "1000.4", ""},  // whole millimetres, half up
        {LockMode::freq, Field::Text4, "1000.5", fin},
        {LockMode::freq, Field::Text4, "0", ""},
        {LockMode::freq, Field::Text2, "1", ""},
        {LockMode::freq, Field::Text2, ".99", freq},
        {LockMode::freq, Field::Text2, "20000", ""},
        {LockMode::freq, Field::Text2, "20000.01", freq},
        {LockMode::freq, Field::Text2, "-600", freq},
        {LockMode::freq, Field::Text2, "1e5", ""},  // reads as 1 Hz
        {LockMode::depth, Field::Text5, "5", ""},
        {LockMode::depth, Field::Text5, "4", deep},
        {LockMode::depth, Field::Text5, "9000", ""},
        {LockMode::depth, Field::Text5, "9001", deep},
        {LockMode::build_2d, Field::Text6, "5", ""},
        {LockMode::build_2d, Field::Text6, "4.4", build},
        {LockMode::build_2d, Field::Text6, "9000", ""},
        {LockMode::build_2d, Field::Text6, "99999999999999999999", build},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.text);
        reset_to_defaults(form);
        if (c.lock == LockMode::depth) form.opt_depthlock_Click();
        if (c.lock == LockMode::build_2d) form.opt_buildlock_2d_Click();
        type(c.field, c.text);
        if (*c.message == '\0') {
            EXPECT_EQ(form.status_colour(), grey) << form.status_text();
        } else {
            EXPECT_EQ(form.status_text(), c.message);
            EXPECT_EQ(form.status_colour(), dark_red);
        }
        EXPECT_EQ(form.busy(), 0);
    }
}

TEST_F(MainFormTest, WellWidthIsCheckedOnlyWithoutAutoWells) {
    type(Field::Text3, "0");  // auto-wells on: no message
    EXPECT_EQ(form.status_colour(), grey);
    form.mnu_autowells_Click();
    EXPECT_TRUE(form.field_enabled(Field::Text3));
    EXPECT_EQ(form.Label14_colour(), (Rgb{0, 0, 0}));
    for (const char* ok : {"1", "50000", "-50"}) {
        SCOPED_TRACE(ok);
        type(Field::Text3, ok);
        EXPECT_EQ(form.status_colour(), grey);
    }
    EXPECT_EQ(form.design().well_width_mm, 50);  // the sign is dropped
    for (const char* bad : {"0", ".4", "50001", "x"}) {
        SCOPED_TRACE(bad);
        type(Field::Text3, bad);
        EXPECT_EQ(form.status_text(), "Well width must be between 1 and 50000mm");
        EXPECT_EQ(form.design().well_width_mm, 50);
    }
    form.mnu_autowells_Click();
    EXPECT_FALSE(form.field_enabled(Field::Text3));
    EXPECT_EQ(form.Label14_colour(), (Rgb{55, 106, 240}));
}

TEST_F(MainFormTest, RejectedInputsLeaveTheDesignAsItWas) {
    type(Field::Text2, "500");
    const Design good = form.design();
    type(Field::Text4, "1001");
    EXPECT_EQ(form.design().fin_width_mm, good.fin_width_mm);
    type(Field::Text4, "3");
    type(Field::Text2, "0");
    EXPECT_EQ(form.design().design_freq_hz, 500);
    EXPECT_EQ(form.design().design_half_wavelength_mm, 345);
    EXPECT_EQ(form.field_text(Field::Text5), " 197");

    form.opt_depthlock_Click();
    type(Field::Text5, "9001");
    EXPECT_EQ(form.design().deepest_well_mm, 197);
    EXPECT_EQ(form.design().design_freq_hz, 500);
}

TEST_F(MainFormTest, MetricLengthsAreWholeMillimetresOfTheAbsoluteValue) {
    const struct {
        const char* text;
        double mm;
    } cases[] = {{"-7", 7}, {"2.5", 3}, {"3.5", 4}, {"2.49", 2}, {"12mm", 12}, {"abc", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        type(Field::Text4, c.text);
        EXPECT_EQ(form.design().fin_width_mm, c.mm);
        EXPECT_EQ(form.field_text(Field::Text4), c.text);  // metric entries are not rewritten
    }
}

TEST_F(MainFormTest, LockConversionsNeedNotRoundTrip) {
    type(Field::Text2, "500");
    EXPECT_EQ(form.design().design_half_wavelength_mm, 345);
    EXPECT_EQ(form.field_text(Field::Text5), " 197");
    EXPECT_EQ(form.field_text(Field::Text6), " 296");

    form.opt_depthlock_Click();
    type(Field::Text5, "197");
    EXPECT_EQ(form.design().design_half_wavelength_mm, 345);
    EXPECT_EQ(form.design().design_freq_hz, 499);
    EXPECT_EQ(form.field_text(Field::Text2), " 499");
    EXPECT_EQ(form.field_text(Field::Text6), " 296");

    form.opt_buildlock_2d_Click();
    type(Field::Text6, "296");
    EXPECT_DOUBLE_EQ(form.design().design_half_wavelength_mm, 296.0 * 7 / 6);
    EXPECT_EQ(form.design().design_freq_hz, 499);
    EXPECT_EQ(form.design().deepest_well_mm, 197);
    EXPECT_EQ(form.field_text(Field::Text5), " 197");
    EXPECT_EQ(form.frontview_caption(),
              "Standard N7+0,0 QRD Diffuser     Design Frequency 499Hz  ");
}

TEST_F(MainFormTest, LockOptionsOnlyEnableAndColour) {
    const long runs = form.drawresults_runs();
    form.opt_depthlock_Click();
    EXPECT_EQ(form.drawresults_runs(), runs);
    EXPECT_FALSE(form.field_enabled(Field::Text2));
    EXPECT_TRUE(form.field_enabled(Field::Text5));
    EXPECT_FALSE(form.field_enabled(Field::Text6));
    EXPECT_EQ(form.lock_label_colour(LockMode::depth), (Rgb{0, 0, 0}));
    EXPECT_EQ(form.lock_label_colour(LockMode::freq), (Rgb{55, 106, 240}));
    EXPECT_EQ(form.lock_label_colour(LockMode::build_2d), (Rgb{55, 106, 240}));
    form.opt_buildlock_2d_Click();
    EXPECT_TRUE(form.field_enabled(Field::Text6));
    EXPECT_FALSE(form.field_enabled(Field::Text5));
}

TEST_F(MainFormTest, FieldsWrittenDuringARecomputeStartNoOtherRecompute) {
    long runs = form.drawresults_runs();
    type(Field::Text2, "500");  // rewrites Text5 and Text6 while busy
    EXPECT_EQ(form.drawresults_runs(), runs + 1);

    form.opt_depthlock_Click();
    runs = form.drawresults_runs();
    type(Field::Text5, "250");  // rewrites Text2 and Text6 while busy
    EXPECT_EQ(form.drawresults_runs(), runs + 1);

    runs = form.drawresults_runs();
    type(Field::Text5, "250");  // unchanged text: no change event at all
    EXPECT_EQ(form.drawresults_runs(), runs);

    runs = form.drawresults_runs();
    form.Command3_Click();  // writes Text1, whose change handler recomputes once
    EXPECT_EQ(form.drawresults_runs(), runs + 1);
    EXPECT_EQ(form.design().well_count, 11);
}

TEST_F(MainFormTest, WhileBusyHandlersChangeStateButDoNotRecompute) {
    const long runs = form.drawresults_runs();
    {
        const BusyScope busy(form);
        type(Field::Text1, "11");
        type(Field::Text2, "500");
        form.mnu_advanced_Click();
        form.Command8_Click();
        form.mnu_halfwidth_Click();
    }
    EXPECT_EQ(form.drawresults_runs(), runs);
    EXPECT_EQ(form.design().well_count, 7);
    EXPECT_EQ(form.design().wheel_shift, 1);  // the rotation itself happened
    form.Command1_Click();
    EXPECT_EQ(form.design().well_count, 11);
    EXPECT_EQ(form.design().design_half_wavelength_mm, 345);
}

TEST_F(MainFormTest, NewPanelOrderResetsWheelAndScroll) {
    form.mnu_advanced_Click();
    type(Field::Text1, "13");
    EXPECT_TRUE(form.scroll_visible());
    EXPECT_EQ(form.scroll_max(), 2);
    form.HScroll1_Change(2);
    form.Command8_Click();
    EXPECT_EQ(form.design().wheel_shift, 1);
    type(Field::Text1, "11");
    EXPECT_EQ(form.design().wheel_shift, 0);
    EXPECT_EQ(form.scroll_value(), 0);
    EXPECT_FALSE(form.scroll_visible());
    EXPECT_EQ(form.scroll_max(), 0);
}

TEST_F(MainFormTest, FiguresTablePagesCycleAndBlankRowsPastTheLastWell) {
    std::vector<int> pages;
    for (int i = 0; i < 4; ++i) {
        form.Label1_Click();
        pages.push_back(form.design().results_page);
    }
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 0, 1}));

    form.Label1_Click();
    form.Label1_Click();
    form.Label1_Click();  // page 0: the ratios
    const FiguresTable& t = form.figures();
    EXPECT_EQ(t.heading, "Ratio");
    EXPECT_EQ(t.wellnum[2], " 2");
    EXPECT_EQ(t.ratio[2], " 4");
    for (std::size_t row = 7; row < 11; ++row) {
        EXPECT_EQ(t.wellnum[row], "");
        EXPECT_EQ(t.ratio[row], "");
    }
    form.Label1_Click();  // page 1: depths, 4 x 287 / 7 = 164
    EXPECT_EQ(form.figures().heading, "Depth in mm");
    EXPECT_EQ(form.figures().ratio[2], " 164 mm");
    form.Label1_Click();  // page 2: block heights, 164 + .5 - 41 -> 123
    EXPECT_EQ(form.figures().ratio[1], " 123 mm");
    form.Label1_Click();  // page 3: phase shift, 4 x 360 / 7 = 205.7
    EXPECT_EQ(form.figures().heading, "Phase shift in degrees");
    EXPECT_EQ(form.figures().ratio[2], " 205");
}

TEST_F(MainFormTest, AdvancedModeShowsItsControls) {
    const Button all[] = {Button::Command2, Button::Command5, Button::Command6, Button::Command7,
                          Button::Command8, Button::Command9, Button::Command10};
    for (Button b : all) EXPECT_FALSE(form.button_visible(b));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_inverse_pairing));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_2d_optimise));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_optimise));

    form.mnu_advanced_Click();
    for (Button b : all) EXPECT_TRUE(form.button_visible(b));
    EXPECT_TRUE(form.menu_enabled(Menu::mnu_optimise));
    EXPECT_TRUE(form.menu_enabled(Menu::mnu_auto_optimise));

    form.mnu_auto_optimise_Click();
    EXPECT_FALSE(form.button_enabled(Button::Command2));
    EXPECT_FALSE(form.button_visible(Button::Command7));
    EXPECT_FALSE(form.button_visible(Button::Command8));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_optimise));
    form.mnu_auto_optimise_Click();
    EXPECT_TRUE(form.button_enabled(Button::Command2));
    EXPECT_TRUE(form.button_visible(Button::Command8));
}

TEST_F(MainFormTest, WheelRotationWrapsAndLeavingAdvancedModeResetsIt) {
    form.mnu_advanced_Click();
    form.Command7_Click();
    EXPECT_EQ(form.design().wheel_shift, 6);
    EXPECT_EQ(form.button_caption(Button::Command2), "6");
    EXPECT_EQ(form.status_text(), "Advanced N7+6,0 panel:    Shifted down 6 depth units");
    form.Command8_Click();
    EXPECT_EQ(form.design().wheel_shift, 0);
    form.Command8_Click();
    form.Command8_Click();
    EXPECT_EQ(sequence(), (std::vector<int>{2, 3, 6, 4, 4, 6, 3, 2}));
    form.mnu_advanced_Click();
    EXPECT_EQ(form.design().wheel_shift, 0);
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
}

TEST_F(MainFormTest, SideShiftsAndTheZeroWellShift) {
    form.mnu_advanced_Click();
    const long runs = form.drawresults_runs();
    form.Command6_Click();  // no zero in wells 1..6: only redraws
    EXPECT_EQ(form.drawresults_runs(), runs + 1);
    EXPECT_EQ(sequence(), (std::vector<int>{0, 1, 4, 2, 2, 4, 1, 0}));

    form.Command5_Click();
    EXPECT_EQ(sequence(), (std::vector<int>{1, 4, 2, 2, 4, 1, 0, 0}));
    EXPECT_EQ(form.button_caption(Button::Command9), "1");
    EXPECT_EQ(form.status_text(), "Standard N7+0,1 panel:    Shifted left 1 wells");
    form.Command6_Click();
    EXPECT_EQ(sequence(), (std::vector<int>{0, 1, 4, 2, 2, 4, 1, 0}));
    EXPECT_EQ(form.design().side_shift, 0);

    form.Command10_Click();
    EXPECT_EQ(sequence(), (std::vector<int>{1, 0, 1, 4, 2, 2, 4, 0}));
    EXPECT_EQ(form.design().side_shift, 6);
    form.Command9_Click();
    EXPECT_EQ(form.design().side_shift, 0);
    EXPECT_EQ(sequence(), (std::vector<int>{0, 1, 4, 2, 2, 4, 1, 0}));
}

TEST_F(MainFormTest, InverseToggleKeepsTheSideShift) {
    form.mnu_advanced_Click();
    form.Command5_Click();
    form.Command5_Click();
    form.Command11_Click();
    EXPECT_TRUE(form.design().inverse_panel);
    EXPECT_EQ(form.design().side_shift, 2);
    // 7,6,3,5,5,3,6 rotated left twice
    EXPECT_EQ(sequence(), (std::vector<int>{3, 5, 5, 3, 6, 7, 6, 7}));
    EXPECT_EQ(form.status_text(), "Inverse N7-0,2 panel:    shifted left 2 wells");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainFormTest, InverseToggleGuards) {
    form.opt_depthlock_Click();
    form.Command11_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "");
    EXPECT_FALSE(form.design().inverse_panel);

    form.opt_freqlock_Click();
    form.mnu_advanced_Click();
    form.mnu_auto_optimise_Click();
    form.Command11_Click();
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].title, "Auto-optimise active");
    EXPECT_FALSE(form.design().inverse_panel);
}

TEST_F(MainFormTest, AutoOptimiseFollowsThePanelKind) {
    form.mnu_advanced_Click();
    form.mnu_auto_optimise_Click();
    EXPECT_EQ(form.design().wheel_shift, 0);  // table A for N = 7
    form.mnu_inverse_pairing_Click();
    EXPECT_EQ(form.design().wheel_shift, 1);  // paired: table B
    form.Command11_Click();
    EXPECT_TRUE(form.design().inverse_panel);
    EXPECT_EQ(form.design().wheel_shift, 1);
    form.mnu_inverse_pairing_Click();
    EXPECT_EQ(form.design().wheel_shift, 2);  // inverse alone: table C
}

TEST_F(MainFormTest, OptimiseAppliesOnceOnlyInAdvancedMode) {
    type(Field::Text1, "13");
    form.mnu_optimise_Click();  // ignored outside advanced mode
    EXPECT_EQ(form.design().wheel_shift, 0);
    EXPECT_FALSE(form.design().optimise_once);

    form.mnu_advanced_Click();
    form.mnu_optimise_Click();
    EXPECT_EQ(form.design().wheel_shift, 4);
    form.Command8_Click();  // a later recompute does not optimise again
    EXPECT_EQ(form.design().wheel_shift, 5);
}

TEST_F(MainFormTest, PrimeStepsStopAtTheEnds) {
    type(Field::Text1, "101");
    form.Command3_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "101");
    form.Command4_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "97");
    EXPECT_EQ(form.design().well_count, 97);
    type(Field::Text1, "3");
    form.Command4_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "3");
    form.Command3_Click();
    EXPECT_EQ(form.design().well_count, 5);
}

TEST_F(MainFormTest, FinnedInverseWithoutDepthOptimisationBuildsFullDepth) {
    form.mnu_advanced_Click();
    form.Command11_Click();
    EXPECT_EQ(form.design().build_depth_2d_mm, 246);
    form.mnu_2d_optimise_Click();
    EXPECT_EQ(form.design().build_depth_2d_mm, 287);
    type(Field::Text4, "0");
    EXPECT_EQ(form.design().build_depth_2d_mm, 246);
}

}  // namespace
}  // namespace welkin
