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
const Rgb blue{55, 106, 240};
const Rgb black{0, 0, 0};
using Wells = std::vector<int>;

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    void type(Field f, const std::string& text) { form.set_field_text(f, text); }
    const Design& d() const { return form.design(); }
    Wells sequence() const {
        return {d().well_seq.begin(), d().well_seq.begin() + d().well_count + 1};
    }

    FakeHost host;
    MainForm form{host};
};

TEST_F(MainFormTest, StartsWithTheDefaultDesign) {
    EXPECT_EQ(d().design_half_wavelength_mm, 287);
    EXPECT_EQ(d().deepest_well_mm, 164);
    EXPECT_EQ(d().build_depth_2d_mm, 246);
    EXPECT_EQ(d().fin_width_mm, 3);
    EXPECT_EQ(sequence(), (Wells{0, 1, 4, 2, 2, 4, 1, 0}));
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
    const auto expect_refused = [&](const std::string& text, const std::string& message) {
        SCOPED_TRACE(text);
        type(Field::Text1, " 7");  // a leading blank is fine
        ASSERT_TRUE(form.menu_enabled(Menu::mnu_2d));
        type(Field::Text1, text);
        EXPECT_EQ(form.status_text(), message);
        EXPECT_EQ(form.status_colour(), dark_red);
        EXPECT_FALSE(form.menu_enabled(Menu::mnu_2d));
        EXPECT_EQ(d().well_count, 7);
        EXPECT_EQ(sequence(), (Wells{0, 1, 4, 2, 2, 4, 1, 0}));
        EXPECT_EQ(d().deepest_well_mm, 197);
    };
    type(Field::Text2, "500");
    for (const char* text : {"2", "-5", "abc"}) expect_refused(text, "Minimum panel order is 3");
    for (const char* text : {"4", "9", "7.5"}) {
        expect_refused(text, "Number of wells must be a prime number between 3 and 101");
    }
    for (const std::string& text :
         {std::string("102"), std::string(20, '9'), std::string(400, '9')}) {
        expect_refused(text, "Maximum panel order is 101");
    }
    // Other inputs still recompute on the last valid order.
    type(Field::Text2, "600");
    EXPECT_EQ(d().deepest_well_mm, 164);
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
}

TEST_F(MainFormTest, RangeChecksAndTheirBoundaries) {
    using Texts = std::vector<std::string>;
    const auto expect_range = [&](LockMode lock, Field field, const Texts& accepted,
                                  const Texts& refused, const std::string& message) {
        const auto enter = [&](const std::string& text) {
            reset_to_defaults(form);
            if (lock == LockMode::depth) form.opt_depthlock_Click();
            if (lock == LockMode::build_2d) form.opt_buildlock_2d_Click();
            type(field, text);
            EXPECT_EQ(form.busy(), 0);
        };
        for (const std::string& text : accepted) {
            SCOPED_TRACE(text);
            enter(text);
            EXPECT_EQ(form.status_colour(), grey) << form.status_text();
        }
        for (const std::string& text : refused) {
            SCOPED_TRACE(text);
            enter(text);
            EXPECT_EQ(form.status_text(), message);
            EXPECT_EQ(form.status_colour(), dark_red);
        }
    };
    // Lengths are whole millimetres, rounded half up, before the check.
    expect_range(LockMode::freq, Field::Text4, {"1000", "1000.4", "0"}, {"1000.5", "1001"},
                 "Fin width must be between 0 and 1000mm");
    expect_range(LockMode::freq, Field::Text2, {"1", "20000", "1e5"}, {".99", "20000.01", "-600"},
                 "Design frequency must be between 1 and 20000hz");
    expect_range(LockMode::depth, Field::Text5, {"5", "9000"}, {"4", "9001"},
                 "Deepest well must be between 5 and 9000mm");
    expect_range(LockMode::build_2d, Field::Text6, {"5", "9000"}, {"4.4", "99999999999999999999"},
                 "2D build depth must be between 5 and 9000mm");
}

TEST_F(MainFormTest, WellWidthIsCheckedOnlyWithoutAutoWells) {
    type(Field::Text3, "0");
    EXPECT_EQ(form.status_colour(), grey);
    form.mnu_autowells_Click();
    EXPECT_TRUE(form.field_enabled(Field::Text3));
    EXPECT_EQ(form.Label14_colour(), black);
    type(Field::Text3, "1");
    EXPECT_EQ(form.status_colour(), grey);
    type(Field::Text3, "-50000");  // the sign is dropped
    EXPECT_EQ(form.status_colour(), grey);
    for (const char* bad : {"0", ".4", "50001"}) {
        SCOPED_TRACE(bad);
        type(Field::Text3, bad);
        EXPECT_EQ(form.status_text(), "Well width must be between 1 and 50000mm");
        EXPECT_EQ(d().well_width_mm, 50000);
    }
    form.mnu_autowells_Click();
    EXPECT_FALSE(form.field_enabled(Field::Text3));
    EXPECT_EQ(form.Label14_colour(), blue);
}

TEST_F(MainFormTest, RejectedLengthsDoNotStayInTheDesign) {
    type(Field::Text2, "500");
    type(Field::Text4, "1001");
    EXPECT_EQ(d().fin_width_mm, 3);
    type(Field::Text4, "3");
    type(Field::Text2, "0");
    EXPECT_EQ(d().design_freq_hz, 500);
    EXPECT_EQ(d().design_half_wavelength_mm, 345);

    form.opt_depthlock_Click();
    type(Field::Text5, "9001");
    EXPECT_EQ(d().deepest_well_mm, 197);
    EXPECT_EQ(d().design_freq_hz, 500);
}

TEST_F(MainFormTest, MetricLengthsAreWholeMillimetresOfTheAbsoluteValue) {
    const std::pair<const char*, double> cases[] = {{"-7", 7},   {"2.5", 3},   {"3.5", 4},
                                                    {"2.49", 2}, {"12mm", 12}, {"abc", 0}};
    for (const auto& [text, mm] : cases) {
        SCOPED_TRACE(text);
        type(Field::Text4, text);
        EXPECT_EQ(d().fin_width_mm, mm);
        EXPECT_EQ(form.field_text(Field::Text4), text);  // metric entries are not rewritten
    }
}

TEST_F(MainFormTest, LocksDeriveTheOtherQuantitiesWithoutRoundTripping) {
    type(Field::Text2, "500");
    EXPECT_EQ(d().design_half_wavelength_mm, 345);
    EXPECT_EQ(form.field_text(Field::Text5), " 197");
    EXPECT_EQ(form.field_text(Field::Text6), " 296");

    const long runs = form.drawresults_runs();
    form.opt_depthlock_Click();  // changes enabling and colours only
    EXPECT_EQ(form.drawresults_runs(), runs);
    EXPECT_FALSE(form.field_enabled(Field::Text2));
    EXPECT_TRUE(form.field_enabled(Field::Text5));
    EXPECT_FALSE(form.field_enabled(Field::Text6));
    EXPECT_EQ(form.lock_label_colour(LockMode::depth), black);
    EXPECT_EQ(form.lock_label_colour(LockMode::freq), blue);
    type(Field::Text5, "197");
    EXPECT_EQ(d().design_freq_hz, 499);
    EXPECT_EQ(form.field_text(Field::Text2), " 499");
    EXPECT_EQ(form.field_text(Field::Text6), " 296");

    form.opt_buildlock_2d_Click();
    type(Field::Text6, "296");
    EXPECT_DOUBLE_EQ(d().design_half_wavelength_mm, 296.0 * 7 / 6);
    EXPECT_EQ(d().design_freq_hz, 499);
    EXPECT_EQ(form.field_text(Field::Text5), " 197");
    EXPECT_EQ(form.frontview_caption(),
              "Standard N7+0,0 QRD Diffuser     Design Frequency 499Hz  ");
}

TEST_F(MainFormTest, FieldsWrittenDuringARecomputeStartNoOtherRecompute) {
    long runs = form.drawresults_runs();
    type(Field::Text2, "500");  // rewrites Text5 and Text6 while busy
    EXPECT_EQ(form.drawresults_runs(), runs + 1);

    form.opt_depthlock_Click();
    runs = form.drawresults_runs();
    type(Field::Text5, "250");  // rewrites Text2 and Text6 while busy
    type(Field::Text5, "250");  // unchanged text: no change event at all
    EXPECT_EQ(form.drawresults_runs(), runs + 1);

    runs = form.drawresults_runs();
    form.Command3_Click();  // writes Text1, whose change handler recomputes once
    EXPECT_EQ(form.drawresults_runs(), runs + 1);
    EXPECT_EQ(d().well_count, 11);
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
    EXPECT_EQ(d().well_count, 7);
    EXPECT_EQ(d().wheel_shift, 1);  // the rotation itself happened
    form.Command1_Click();
    EXPECT_EQ(d().well_count, 11);
    EXPECT_EQ(d().design_half_wavelength_mm, 345);
}

TEST_F(MainFormTest, NewPanelOrderResetsWheelAndScroll) {
    form.mnu_advanced_Click();
    type(Field::Text1, "13");
    EXPECT_TRUE(form.scroll_visible());
    EXPECT_EQ(form.scroll_max(), 2);
    form.HScroll1_Change(2);
    form.Command8_Click();
    type(Field::Text1, "11");
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_EQ(form.scroll_value(), 0);
    EXPECT_FALSE(form.scroll_visible());
    EXPECT_EQ(form.scroll_max(), 0);
}

TEST_F(MainFormTest, FiguresTablePagesCycleAndBlankRowsPastTheLastWell) {
    struct Page {
        int page;
        const char* heading;
        const char* well2;  // well 2 is 4 depth units of 287 / 7 mm
    };
    const Page pages[] = {{2, "Block height in mm", " 0 mm"},  // 164 + .5 - 164
                          {3, "Phase shift in degrees", " 205"},
                          {0, "Ratio", " 4"},
                          {1, "Depth in mm", " 164 mm"}};
    for (const Page& p : pages) {
        form.Label1_Click();
        EXPECT_EQ(d().results_page, p.page);
        EXPECT_EQ(form.figures().heading, p.heading);
        EXPECT_EQ(form.figures().wellnum[2], " 2");
        EXPECT_EQ(form.figures().ratio[2], p.well2);
        EXPECT_EQ(form.figures().ratio[7], "") << "rows past well 6 are blank";
        EXPECT_EQ(form.figures().wellnum[10], "");
    }
}

TEST_F(MainFormTest, AdvancedModeShowsItsControls) {
    const Button all[] = {Button::Command2, Button::Command5, Button::Command6, Button::Command7,
                          Button::Command8, Button::Command9, Button::Command10};
    for (Button b : all) EXPECT_FALSE(form.button_visible(b));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_inverse_pairing));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_optimise));

    form.mnu_advanced_Click();
    for (Button b : all) EXPECT_TRUE(form.button_visible(b));
    EXPECT_TRUE(form.menu_enabled(Menu::mnu_optimise));
    EXPECT_TRUE(form.menu_enabled(Menu::mnu_2d_optimise));

    form.mnu_auto_optimise_Click();
    EXPECT_FALSE(form.button_enabled(Button::Command2));
    EXPECT_FALSE(form.button_visible(Button::Command7));
    EXPECT_FALSE(form.button_visible(Button::Command8));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_optimise));
}

TEST_F(MainFormTest, WheelRotationWrapsAndLeavingAdvancedModeResetsIt) {
    form.mnu_advanced_Click();
    form.Command7_Click();
    EXPECT_EQ(d().wheel_shift, 6);
    EXPECT_EQ(form.button_caption(Button::Command2), "6");
    EXPECT_EQ(form.status_text(), "Advanced N7+6,0 panel:    Shifted down 6 depth units");
    form.Command8_Click();
    form.Command8_Click();
    form.Command8_Click();
    EXPECT_EQ(sequence(), (Wells{2, 3, 6, 4, 4, 6, 3, 2}));
    form.mnu_advanced_Click();
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
}

TEST_F(MainFormTest, SideShiftsAndTheZeroWellShift) {
    form.mnu_advanced_Click();
    const long runs = form.drawresults_runs();
    form.Command6_Click();  // no zero in wells 1..6: only redraws
    EXPECT_EQ(form.drawresults_runs(), runs + 1);
    EXPECT_EQ(sequence(), (Wells{0, 1, 4, 2, 2, 4, 1, 0}));

    form.Command5_Click();
    EXPECT_EQ(sequence(), (Wells{1, 4, 2, 2, 4, 1, 0, 0}));
    EXPECT_EQ(form.button_caption(Button::Command9), "1");
    EXPECT_EQ(form.status_text(), "Standard N7+0,1 panel:    Shifted left 1 wells");
    form.Command6_Click();
    EXPECT_EQ(sequence(), (Wells{0, 1, 4, 2, 2, 4, 1, 0}));
    EXPECT_EQ(d().side_shift, 0);

    form.Command10_Click();
    EXPECT_EQ(sequence(), (Wells{1, 0, 1, 4, 2, 2, 4, 0}));
    EXPECT_EQ(d().side_shift, 6);
    form.Command9_Click();
    EXPECT_EQ(d().side_shift, 0);
    EXPECT_EQ(sequence(), (Wells{0, 1, 4, 2, 2, 4, 1, 0}));
}

TEST_F(MainFormTest, InverseToggleKeepsTheSideShift) {
    form.mnu_advanced_Click();
    form.Command5_Click();
    form.Command5_Click();
    form.Command11_Click();
    EXPECT_TRUE(d().inverse_panel);
    EXPECT_EQ(sequence(), (Wells{3, 5, 5, 3, 6, 7, 6, 7}));  // 7,6,3,5,5,3,6 two wells left
    EXPECT_EQ(form.status_text(), "Inverse N7-0,2 panel:    shifted left 2 wells");
    form.Command6_Click();  // an inverse panel has no zero-depth well
    EXPECT_EQ(sequence(), (Wells{3, 5, 5, 3, 6, 7, 6, 7}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainFormTest, AutoOptimiseFollowsThePanelKind) {
    form.mnu_advanced_Click();
    form.mnu_auto_optimise_Click();
    EXPECT_EQ(d().wheel_shift, 0);  // standard N 7
    form.Command11_Click();         // refused: pairing is not ticked
    EXPECT_EQ(host.messages.at(0).title, "Auto-optimise active");
    form.mnu_inverse_pairing_Click();
    EXPECT_EQ(d().wheel_shift, 1);
    form.Command11_Click();
    EXPECT_TRUE(d().inverse_panel);
    EXPECT_EQ(d().wheel_shift, 1);
    form.mnu_inverse_pairing_Click();
    EXPECT_EQ(d().wheel_shift, 2);
}

TEST_F(MainFormTest, OptimiseAppliesOnceOnlyInAdvancedMode) {
    type(Field::Text1, "13");
    form.mnu_optimise_Click();
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_FALSE(d().optimise_once);

    form.mnu_advanced_Click();
    form.mnu_optimise_Click();
    EXPECT_EQ(d().wheel_shift, 4);
    form.Command8_Click();  // a later recompute does not optimise again
    EXPECT_EQ(d().wheel_shift, 5);
}

TEST_F(MainFormTest, PrimeStepsStopAtTheEnds) {
    type(Field::Text1, "101");
    form.Command3_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "101");
    EXPECT_EQ(d().well_seq[101], d().well_seq[0]);
    form.Command4_Click();
    EXPECT_EQ(d().well_count, 97);
    type(Field::Text1, "3");
    form.Command4_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "3");
    EXPECT_EQ(sequence(), (Wells{0, 1, 1, 0}));
}

TEST_F(MainFormTest, FinnedInverseWithoutDepthOptimisationBuildsFullDepth) {
    form.mnu_advanced_Click();
    form.Command11_Click();
    EXPECT_EQ(d().build_depth_2d_mm, 246);
    form.mnu_2d_optimise_Click();
    EXPECT_EQ(d().build_depth_2d_mm, 287);
    type(Field::Text4, "0");
    EXPECT_EQ(d().build_depth_2d_mm, 246);
}

TEST_F(MainFormTest, ScaledDrawingWarnsWhenTheDesignDepthDoesNotFit) {
    type(Field::Text2, "400");  // half wavelength 431 mm
    form.select_vertical_scale(350);
    EXPECT_EQ(form.status_text(),
              "Warning: Vertical scaling choice prevents full design depth being displayed");
    EXPECT_EQ(form.status_colour(), dark_red);
    form.select_vertical_scale(800);
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
    EXPECT_EQ(form.status_colour(), grey);
}

}  // namespace
}  // namespace welkin
