// The main window's model driven as a user would: typing into fields,
// clicking buttons and menus, and reading back what the window shows.
#include "core/main_form.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_host.h"
#include "persist/startup.h"

namespace welkin {
namespace {

const Rgb dark_red{192, 0, 0}, grey{128, 128, 128}, blue{55, 106, 240}, black{0, 0, 0};
using Wells = std::vector<int>;
using Texts = std::vector<std::string>;
using Click = void (MainForm::*)();
const Wells n7{0, 1, 4, 2, 2, 4, 1, 0};
const std::string standard_n7 = "Standard N7+0,0 Panel";

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    void type(Field f, const std::string& text) { form.set_field_text(f, text); }
    const Design& d() const { return form.design(); }
    long runs() const { return form.drawresults_runs(); }
    Wells sequence() const {
        return {d().well_seq.begin(), d().well_seq.begin() + d().well_count + 1};
    }
    void expect_status(const std::string& text, Rgb colour) const {
        EXPECT_EQ(form.status_text(), text);
        EXPECT_EQ(form.status_colour(), colour);
    }

    FakeHost host;
    MainForm form{host};
};

TEST_F(MainFormTest, PanelOrdersOutOfRangeAreRefusedAndPrimeStepsStopAtTheEnds) {
    const auto expect_refused = [&](const std::string& text, const std::string& message) {
        SCOPED_TRACE(text);
        type(Field::Text1, " 7");  // a leading blank is fine
        ASSERT_TRUE(form.menu_enabled(Menu::mnu_2d));
        type(Field::Text1, text);
        expect_status(message, dark_red);
        EXPECT_FALSE(form.menu_enabled(Menu::mnu_2d));
        EXPECT_EQ(sequence(), n7);
    };
    type(Field::Text2, "500");
    for (const char* text : {"2", "-5", "abc"}) expect_refused(text, "Minimum panel order is 3");
    for (const char* text : {"4", "9", "7.5"}) {
        expect_refused(text, "Number of wells must be a prime number between 3 and 101");
    }
    for (const std::string& text : Texts{"102", std::string(20, '9'), std::string(400, '9')}) {
        expect_refused(text, "Maximum panel order is 101");
    }
    type(Field::Text2, "600");  // other inputs still recompute on the last valid order
    EXPECT_EQ(d().deepest_well_mm, 164);
    expect_status(standard_n7, grey);

    // The prime steps stop at the ends.
    const long before = runs();
    form.Command3_Click();  // writes Text1, whose change handler recomputes once
    EXPECT_EQ(runs(), before + 1);
    EXPECT_EQ(d().well_count, 11);
    type(Field::Text1, "101");
    form.Command3_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "101");
    form.Command4_Click();
    EXPECT_EQ(d().well_count, 97);
    type(Field::Text1, "3");
    form.Command4_Click();
    EXPECT_EQ(form.field_text(Field::Text1), "3");
    EXPECT_EQ(sequence(), (Wells{0, 1, 1, 0}));
}

// Lengths are rounded to whole millimetres before the check; refused values are not kept.
TEST_F(MainFormTest, RangeChecksTheirBoundariesAndMetricRounding) {
    const auto expect_range = [&](Click setup, Field field, double Design::*value,
                                  const Texts& accepted, const Texts& refused,
                                  const std::string& message) {
        for (const Texts* texts : {&accepted, &refused}) {
            for (const std::string& text : *texts) {
                SCOPED_TRACE(text);
                reset_to_defaults(form);
                (form.*setup)();
                const double before = d().*value;
                type(field, text);
                EXPECT_EQ(form.busy(), 0);
                if (texts == &accepted) {
                    EXPECT_EQ(form.status_colour(), grey) << form.status_text();
                } else {
                    expect_status(message, dark_red);
                    EXPECT_EQ(d().*value, before);
                }
            }
        }
    };
    const Click freq = &MainForm::opt_freqlock_Click;
    expect_range(freq, Field::Text4, &Design::fin_width_mm, {"1000", "1000.4", "0"},
                 {"1000.5", "1001"}, "Fin width must be between 0 and 1000mm");
    expect_range(freq, Field::Text2, &Design::design_freq_hz, {"1", "20000", "1e5"},
                 {".99", "20000.01", "-600"}, "Design frequency must be between 1 and 20000hz");
    expect_range(&MainForm::opt_depthlock_Click, Field::Text5, &Design::deepest_well_mm,
                 {"5", "9000"}, {"4", "9001"}, "Deepest well must be between 5 and 9000mm");
    expect_range(&MainForm::opt_buildlock_2d_Click, Field::Text6, &Design::build_depth_2d_mm,
                 {"5", "9000"}, {"4.4", "99999999999999999999"},
                 "2D build depth must be between 5 and 9000mm");
    expect_range(&MainForm::mnu_autowells_Click, Field::Text3, &Design::well_width_mm,
                 {"1", "-50000"}, {"0", ".4", "50001"}, "Well width must be between 1 and 50000mm");
    // With auto wells the typed width is not checked.
    expect_range(freq, Field::Text3, &Design::well_width_mm, {"0", "50001"}, {}, "");

    // Metric lengths are whole millimetres of the absolute value.
    for (const auto& [text, mm] : std::vector<std::pair<std::string, double>>{
             {"-7", 7}, {"2.5", 3}, {"3.5", 4}, {"2.49", 2}, {"12mm", 12}, {"abc", 0}}) {
        SCOPED_TRACE(text);
        type(Field::Text4, text);
        EXPECT_EQ(d().fin_width_mm, mm);
        EXPECT_EQ(form.field_text(Field::Text4), text);  // metric entries are not rewritten
    }
}

// Fields written during a recompute, or while busy, start no other recompute.
TEST_F(MainFormTest, LocksDeriveTheOtherQuantitiesWithoutRoundTripping) {
    long before = runs();
    type(Field::Text2, "500");  // rewrites Text5 and Text6 while busy
    EXPECT_EQ(runs(), before + 1);
    EXPECT_EQ(form.field_text(Field::Text6), " 296");

    before = runs();
    form.opt_depthlock_Click();  // changes enabling and colours only
    EXPECT_EQ(runs(), before);
    EXPECT_FALSE(form.field_enabled(Field::Text2));
    EXPECT_TRUE(form.field_enabled(Field::Text5));
    EXPECT_FALSE(form.field_enabled(Field::Text6));
    EXPECT_EQ(form.lock_label_colour(LockMode::depth), black);
    EXPECT_EQ(form.lock_label_colour(LockMode::freq), blue);
    type(Field::Text5, "250");  // rewrites Text2 and Text6 while busy
    type(Field::Text5, "250");  // unchanged text: no change event at all
    EXPECT_EQ(runs(), before + 1);
    EXPECT_EQ(form.field_text(Field::Text2), " 393");  // half wavelength 7 x 250 / 4 = 438
    EXPECT_EQ(form.field_text(Field::Text6), " 375");
    type(Field::Text5, "197");
    EXPECT_EQ(form.field_text(Field::Text2), " 499");
    EXPECT_EQ(form.field_text(Field::Text6), " 296");

    form.opt_buildlock_2d_Click();
    type(Field::Text6, "296");
    EXPECT_DOUBLE_EQ(d().design_half_wavelength_mm, 296.0 * 7 / 6);
    EXPECT_EQ(form.field_text(Field::Text5), " 197");
    EXPECT_EQ(form.frontview_caption(),
              "Standard N7+0,0 QRD Diffuser     Design Frequency 499Hz  ");

    EXPECT_FALSE(form.field_enabled(Field::Text3));  // auto wells
    EXPECT_EQ(form.Label14_colour(), blue);
    form.mnu_autowells_Click();
    EXPECT_TRUE(form.field_enabled(Field::Text3));
    EXPECT_EQ(form.Label14_colour(), black);

    // While busy, handlers change state but do not recompute.
    before = runs();
    {
        const BusyScope busy(form);
        type(Field::Text1, "11");
        form.Command8_Click();
        form.mnu_advanced_Click();  // leaves the wheel alone
        form.mnu_halfwidth_Click();
    }
    EXPECT_EQ(runs(), before);
    EXPECT_EQ(d().wheel_shift, 1);  // the rotation itself happened
    form.Command1_Click();
    EXPECT_EQ(d().well_count, 11);
}

TEST_F(MainFormTest, FiguresTableAndOptimiseOnceOnALargerPanel) {
    const char* headings[] = {"Ratio", "Depth in mm", "Block height in mm",
                              "Phase shift in degrees"};
    for (const int page : {2, 3, 0, 1}) {
        form.Label1_Click();
        EXPECT_EQ(form.figures().heading, headings[page]);
    }
    EXPECT_FALSE(form.scroll_visible());
    type(Field::Text1, "13");
    EXPECT_TRUE(form.scroll_visible());
    EXPECT_EQ(form.scroll_max(), 2);
    form.HScroll1_Change(2);
    EXPECT_EQ(form.figures().wellnum[0], " 2");

    // Optimise applies once, and only in advanced mode.
    form.mnu_optimise_Click();
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_FALSE(d().optimise_once);
    form.mnu_advanced_Click();
    form.mnu_optimise_Click();
    EXPECT_EQ(d().wheel_shift, 4);
    form.Command8_Click();  // a later recompute does not optimise again
    EXPECT_EQ(d().wheel_shift, 5);

    type(Field::Text1, "17");  // a new panel order resets the wheel and the scroll
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_EQ(form.scroll_max(), 6);
    EXPECT_EQ(form.figures().wellnum[0], " 0");
}

TEST_F(MainFormTest, AdvancedModeControlsAndTheWheel) {
    const Button all[] = {Button::Command2, Button::Command5, Button::Command6, Button::Command7,
                          Button::Command8, Button::Command9, Button::Command10};
    for (const Button b : all) EXPECT_FALSE(form.button_visible(b));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_inverse_pairing));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_optimise));
    form.mnu_advanced_Click();
    for (const Button b : all) EXPECT_TRUE(form.button_visible(b));
    EXPECT_TRUE(form.menu_enabled(Menu::mnu_optimise));
    EXPECT_TRUE(form.menu_enabled(Menu::mnu_2d_optimise));

    form.Command7_Click();  // the wheel wraps
    EXPECT_EQ(d().wheel_shift, 6);
    EXPECT_EQ(form.button_caption(Button::Command2), "6");
    for (int i = 0; i < 3; ++i) form.Command8_Click();
    EXPECT_EQ(sequence(), (Wells{2, 3, 6, 4, 4, 6, 3, 2}));
    form.mnu_advanced_Click();  // leaving advanced mode resets it
    EXPECT_EQ(d().wheel_shift, 0);

    // Auto-optimise: no turning by hand, and the wheel follows the panel kind.
    form.mnu_advanced_Click();
    form.Command8_Click();
    form.mnu_auto_optimise_Click();
    for (const Button b : all) {
        EXPECT_EQ(form.button_visible(b), b != Button::Command7 && b != Button::Command8);
    }
    EXPECT_FALSE(form.button_enabled(Button::Command2));
    EXPECT_FALSE(form.menu_enabled(Menu::mnu_optimise));
    EXPECT_EQ(d().wheel_shift, 0);  // standard N 7
    form.Command11_Click();         // refused: pairing is not ticked
    EXPECT_EQ(host.messages.at(0).title, "Auto-optimise active");
    form.mnu_inverse_pairing_Click();
    EXPECT_EQ(d().wheel_shift, 1);
    form.Command11_Click();
    form.mnu_inverse_pairing_Click();
    EXPECT_EQ(d().wheel_shift, 2);
}

TEST_F(MainFormTest, SideShiftsAndTheInversePanel) {
    form.mnu_advanced_Click();
    const auto shift = [&](Click click, const Wells& wells, int side_shift) {
        const long before = runs();
        (form.*click)();
        EXPECT_EQ(runs(), before + 1);
        EXPECT_EQ(sequence(), wells);
        EXPECT_EQ(d().side_shift, side_shift);
        EXPECT_EQ(form.button_caption(Button::Command9), std::to_string(side_shift));
    };
    shift(&MainForm::Command6_Click, n7, 0);  // no zero in wells 1..6: only redraws
    shift(&MainForm::Command5_Click, {1, 4, 2, 2, 4, 1, 0, 0}, 1);
    shift(&MainForm::Command6_Click, n7, 0);
    shift(&MainForm::Command10_Click, {1, 0, 1, 4, 2, 2, 4, 0}, 6);
    shift(&MainForm::Command9_Click, n7, 0);

    // The inverse toggle keeps the side shift; a finned inverse panel is built to the
    // full 2D depth unless depth optimisation is off.
    for (int i = 0; i < 2; ++i) form.Command5_Click();
    form.Command11_Click();
    const Wells inverse{3, 5, 5, 3, 6, 7, 6, 7};  // 7,6,3,5,5,3,6 two wells left
    EXPECT_EQ(sequence(), inverse);
    shift(&MainForm::Command6_Click, inverse, 2);  // an inverse panel has no zero-depth well
    EXPECT_EQ(d().build_depth_2d_mm, 246);
    form.mnu_2d_optimise_Click();
    EXPECT_EQ(d().build_depth_2d_mm, 287);
    type(Field::Text4, "0");
    EXPECT_EQ(d().build_depth_2d_mm, 246);
}

TEST_F(MainFormTest, ScaledDrawingWarnsWhenTheDesignDepthDoesNotFit) {
    type(Field::Text2, "400");  // half wavelength 431 mm
    form.select_vertical_scale(350);
    expect_status("Warning: Vertical scaling choice prevents full design depth being displayed",
                  dark_red);
    form.select_vertical_scale(800);
    expect_status(standard_n7, grey);
}

}  // namespace
}  // namespace welkin
