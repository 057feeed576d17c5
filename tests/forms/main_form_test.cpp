// The main window's model driven as a user would: typing into fields,
// clicking buttons and menus, and reading back what the window shows.
#include "forms/main_form.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_host.h"
#include "forms/startup.h"

namespace welkin {
namespace {

using Wells = std::vector<int>;
using Texts = std::vector<std::string>;
using Click = DesignCommand;
const Wells n7{0, 1, 4, 2, 2, 4, 1, 0};
const std::string standard_n7 = "Standard N7+0,0 Panel";

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        start_up(form);
        normal_status = form.shown().status_colour;
    }
    void type(Field f, const std::string& text) { form.set_field_text(f, text); }
    const Design& d() const { return form.design(); }
    long runs() const { return form.shown().started_recomputes; }
    // The wells of the last complete recompute, the ones on screen.
    Wells sequence() const {
        const WellSequence& w = form.snapshot().sequence.wells;
        return {w.begin(), w.begin() + form.snapshot().design.well_count + 1};
    }
    // A warning stands out from the factory design's status.
    void expect_status(const std::string& text, bool warning) const {
        EXPECT_EQ(form.shown().status_text, text);
        EXPECT_EQ(form.shown().status_colour != normal_status, warning);
    }

    FakeHost host;
    MainForm form{host};
    Rgb normal_status;
};

TEST_F(MainFormTest, PanelOrdersOutOfRangeAreRefusedAndPrimeStepsStopAtTheEnds) {
    const auto expect_refused = [&](const std::string& text, const std::string& message) {
        SCOPED_TRACE(text);
        type(Field::well_count, " 7");  // a leading blank is fine
        ASSERT_TRUE(form.menu_enabled(Menu::panel_2d));
        type(Field::well_count, text);
        expect_status(message, true);
        EXPECT_FALSE(form.menu_enabled(Menu::panel_2d));
        EXPECT_EQ(sequence(), n7);
    };
    type(Field::design_frequency, "500");
    for (const char* text : {"2", "-5", "abc"}) expect_refused(text, "Minimum panel order is 3");
    for (const char* text : {"4", "9", "7.5"}) {
        expect_refused(text, "Number of wells must be a prime number between 3 and 101");
    }
    for (const std::string& text : Texts{"102", std::string(20, '9'), std::string(400, '9')}) {
        expect_refused(text, "Maximum panel order is 101");
    }
    type(Field::design_frequency, "600");  // other inputs still recompute on the last valid order
    EXPECT_EQ(d().deepest_well_mm, 164);
    expect_status(standard_n7, false);

    // The prime steps stop at the ends.
    const long before = runs();
    form.run(DesignCommand::next_prime_order);  // writes the well count, whose change handler
                                                // recomputes once
    EXPECT_EQ(runs(), before + 1);
    EXPECT_EQ(d().well_count, 11);
    EXPECT_EQ(form.field_text(Field::well_count), " 11");  // number text, as the program writes
    form.run(DesignCommand::previous_prime_order);
    EXPECT_EQ(form.field_text(Field::well_count), " 7");
    type(Field::well_count, "101");
    form.run(DesignCommand::next_prime_order);
    EXPECT_EQ(form.field_text(Field::well_count), "101");
    form.run(DesignCommand::previous_prime_order);
    EXPECT_EQ(d().well_count, 97);
    type(Field::well_count, "3");
    form.run(DesignCommand::previous_prime_order);
    EXPECT_EQ(form.field_text(Field::well_count), "3");
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
                form.run(setup);
                const double before = d().*value;
                type(field, text);
                EXPECT_FALSE(form.busy());
                if (texts == &accepted) {
                    EXPECT_EQ(form.shown().status_colour, normal_status) << form.shown().status_text;
                } else {
                    expect_status(message, true);
                    EXPECT_EQ(d().*value, before);
                }
            }
        }
    };
    const Click freq = DesignCommand::lock_design_frequency;
    expect_range(freq, Field::fin_width, &Design::fin_width_mm, {"1000", "1000.4", "0"},
                 {"1000.5", "1001"}, "Fin width must be between 0 and 1000mm");
    expect_range(freq, Field::design_frequency, &Design::design_freq_hz, {"1", "20000", "1e5"},
                 {".99", "20000.01", "-600"}, "Design frequency must be between 1 and 20000hz");
    expect_range(DesignCommand::lock_deepest_well, Field::deepest_well, &Design::deepest_well_mm,
                 {"5", "9000"}, {"4", "9001"}, "Deepest well must be between 5 and 9000mm");
    expect_range(DesignCommand::lock_build_depth_2d, Field::build_depth_2d,
                 &Design::build_depth_2d_mm, {"5", "9000"}, {"4.4", "99999999999999999999"},
                 "2D build depth must be between 5 and 9000mm");
    expect_range(DesignCommand::toggle_auto_well_width, Field::well_width, &Design::well_width_mm,
                 {"1", "-50000"}, {"0", ".4", "50001"}, "Well width must be between 1 and 50000mm");
    // With auto wells the typed width is not checked.
    expect_range(freq, Field::well_width, &Design::well_width_mm, {"0", "50001"}, {}, "");

    // Metric lengths are whole millimetres of the absolute value.
    for (const auto& [text, mm] : std::vector<std::pair<std::string, double>>{
             {"-7", 7}, {"2.5", 3}, {"3.5", 4}, {"2.49", 2}, {"12mm", 12}, {"abc", 0}}) {
        SCOPED_TRACE(text);
        type(Field::fin_width, text);
        EXPECT_EQ(d().fin_width_mm, mm);
        EXPECT_EQ(form.field_text(Field::fin_width), text);  // metric entries are not rewritten
    }
}

// Fields written during a recompute, or while busy, start no other recompute.
TEST_F(MainFormTest, LocksDeriveTheOtherQuantitiesWithoutRoundTripping) {
    long before = runs();
    type(Field::design_frequency, "500");  // rewrites the depth fields while busy
    EXPECT_EQ(runs(), before + 1);
    EXPECT_EQ(form.field_text(Field::build_depth_2d), " 296");

    before = runs();
    form.run(DesignCommand::lock_deepest_well);  // changes enabling and colours only
    EXPECT_EQ(runs(), before);
    EXPECT_FALSE(field_enabled(form.design(), Field::design_frequency));
    EXPECT_TRUE(field_enabled(form.design(), Field::deepest_well));
    EXPECT_FALSE(field_enabled(form.design(), Field::build_depth_2d));
    // The locked quantity's label stands out from the two derived ones.
    EXPECT_NE(lock_label_colour(form.design(), LockMode::depth),
              lock_label_colour(form.design(), LockMode::freq));
    EXPECT_EQ(lock_label_colour(form.design(), LockMode::freq),
              lock_label_colour(form.design(), LockMode::build_2d));
    type(Field::deepest_well, "250");  // rewrites Text2 and Text6 while busy
    type(Field::deepest_well, "250");  // unchanged text: no change event at all
    EXPECT_EQ(runs(), before + 1);
    EXPECT_EQ(form.field_text(Field::design_frequency),
              " 393");  // half wavelength 7 x 250 / 4 = 438
    EXPECT_EQ(form.field_text(Field::build_depth_2d), " 375");
    type(Field::deepest_well, "197");
    EXPECT_EQ(form.field_text(Field::design_frequency), " 499");
    EXPECT_EQ(form.field_text(Field::build_depth_2d), " 296");

    form.run(DesignCommand::lock_build_depth_2d);
    type(Field::build_depth_2d, "296");
    EXPECT_DOUBLE_EQ(d().design_half_wavelength_mm, 296.0 * 7 / 6);
    EXPECT_EQ(form.field_text(Field::deepest_well), " 197");
    EXPECT_EQ(form.snapshot().frontview_caption,
              "Standard N7+0,0 QRD Diffuser     Design Frequency 499Hz  ");

    EXPECT_FALSE(field_enabled(form.design(), Field::well_width));  // auto wells
    // A derived well width is captioned as a derived quantity is (the 2D depth is
    // locked here), a typed one as the locked quantity.
    EXPECT_EQ(well_width_caption_colour(d()), lock_label_colour(d(), LockMode::freq));
    form.run(DesignCommand::toggle_auto_well_width);
    EXPECT_TRUE(field_enabled(form.design(), Field::well_width));
    EXPECT_EQ(well_width_caption_colour(d()), lock_label_colour(d(), LockMode::build_2d));

    // While busy, handlers change state but do not recompute.
    before = runs();
    {
        const BusyScope busy(form);
        type(Field::well_count, "11");
        form.run(DesignCommand::rotate_wheel_clockwise);
        form.run(DesignCommand::toggle_advanced);  // leaves the wheel alone
        form.run(DesignCommand::toggle_half_width);
        { const BusyScope nested(form); }
        EXPECT_TRUE(form.busy()) << "a nested guard puts back what it found";
    }
    EXPECT_FALSE(form.busy());
    EXPECT_EQ(runs(), before);
    EXPECT_EQ(d().wheel_shift, 1);  // the rotation itself happened
    form.recompute();
    EXPECT_EQ(d().well_count, 11);
}

TEST_F(MainFormTest, FiguresTableAndOptimiseOnceOnALargerPanel) {
    const char* headings[] = {"Ratio", "Depth in mm", "Block height in mm",
                              "Phase shift in degrees"};
    for (const int page : {2, 3, 0, 1}) {
        form.results_table().next_page();
        EXPECT_EQ(form.results_table().figures().heading, headings[page]);
    }
    EXPECT_FALSE(form.results_table().scroll_visible());
    type(Field::well_count, "13");
    EXPECT_TRUE(form.results_table().scroll_visible());
    EXPECT_EQ(form.results_table().scroll_max(), 2);
    form.results_table().scroll(2);
    EXPECT_EQ(form.results_table().figures().wellnum[0], " 2");

    // Optimise applies once, and only in advanced mode.
    form.run(DesignCommand::optimise_now);
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_FALSE(d().optimise_once);
    form.run(DesignCommand::toggle_advanced);
    form.run(DesignCommand::optimise_now);
    EXPECT_EQ(d().wheel_shift, 4);
    form.run(DesignCommand::rotate_wheel_clockwise);  // a later recompute does not optimise again
    EXPECT_EQ(d().wheel_shift, 5);

    type(Field::well_count, "17");  // a new panel order resets the wheel and the scroll
    EXPECT_EQ(d().wheel_shift, 0);
    EXPECT_EQ(form.results_table().scroll_max(), 6);
    EXPECT_EQ(form.results_table().figures().wellnum[0], " 0");
}

TEST_F(MainFormTest, AdvancedModeControlsAndTheWheel) {
    const Button all[] = {Button::reset_wheel,
                          Button::shift_left,
                          Button::zero_well_left,
                          Button::rotate_wheel_anticlockwise,
                          Button::rotate_wheel_clockwise,
                          Button::reset_side_shift,
                          Button::shift_right};
    for (const Button b : all) EXPECT_FALSE(button_visible(form.design(), b));
    EXPECT_FALSE(form.menu_enabled(Menu::inverse_pairing));
    EXPECT_FALSE(form.menu_enabled(Menu::optimise));
    form.run(DesignCommand::toggle_advanced);
    for (const Button b : all) EXPECT_TRUE(button_visible(form.design(), b));
    EXPECT_TRUE(form.menu_enabled(Menu::optimise));
    EXPECT_TRUE(form.menu_enabled(Menu::optimise_2d));

    form.run(DesignCommand::rotate_wheel_anticlockwise);  // the wheel wraps
    EXPECT_EQ(d().wheel_shift, 6);
    EXPECT_EQ(button_caption(form.snapshot().design, Button::reset_wheel), "6");
    for (int i = 0; i < 3; ++i) form.run(DesignCommand::rotate_wheel_clockwise);
    EXPECT_EQ(sequence(), (Wells{2, 3, 6, 4, 4, 6, 3, 2}));
    form.run(DesignCommand::toggle_advanced);  // leaving advanced mode resets it
    EXPECT_EQ(d().wheel_shift, 0);

    // Auto-optimise: no turning by hand, and the wheel follows the panel kind.
    form.run(DesignCommand::toggle_advanced);
    form.run(DesignCommand::rotate_wheel_clockwise);
    form.run(DesignCommand::toggle_auto_optimise);
    for (const Button b : all) {
        EXPECT_EQ(button_visible(form.design(), b),
                  b != Button::rotate_wheel_anticlockwise && b != Button::rotate_wheel_clockwise);
    }
    EXPECT_FALSE(button_enabled(form.design(), Button::reset_wheel));
    EXPECT_FALSE(form.menu_enabled(Menu::optimise));
    EXPECT_EQ(d().wheel_shift, 0);  // standard N 7
    form.run(DesignCommand::toggle_inverse);  // refused: pairing is not ticked
    EXPECT_EQ(host.messages.at(0).title, "Auto-optimise active");
    form.run(DesignCommand::toggle_inverse_pairing);
    EXPECT_EQ(d().wheel_shift, 1);
    form.run(DesignCommand::toggle_inverse);
    form.run(DesignCommand::toggle_inverse_pairing);
    EXPECT_EQ(d().wheel_shift, 2);
}

TEST_F(MainFormTest, SideShiftsAndTheInversePanel) {
    form.run(DesignCommand::toggle_advanced);
    const auto shift = [&](Click click, const Wells& wells, int side_shift) {
        const long before = runs();
        form.run(click);
        EXPECT_EQ(runs(), before + 1);
        EXPECT_EQ(sequence(), wells);
        EXPECT_EQ(d().side_shift, side_shift);
        EXPECT_EQ(button_caption(form.snapshot().design, Button::reset_side_shift),
                  std::to_string(side_shift));
    };
    shift(DesignCommand::shift_zero_well_left, n7, 0);  // no zero in wells 1..6: only redraws
    shift(DesignCommand::shift_left, {1, 4, 2, 2, 4, 1, 0, 0}, 1);
    shift(DesignCommand::shift_zero_well_left, n7, 0);
    shift(DesignCommand::shift_right, {1, 0, 1, 4, 2, 2, 4, 0}, 6);
    shift(DesignCommand::reset_side_shift, n7, 0);

    // The inverse toggle keeps the side shift; a finned inverse panel is built to the
    // full 2D depth unless depth optimisation is off.
    for (int i = 0; i < 2; ++i) form.run(DesignCommand::shift_left);
    form.run(DesignCommand::toggle_inverse);
    const Wells inverse{3, 5, 5, 3, 6, 7, 6, 7};  // 7,6,3,5,5,3,6 two wells left
    EXPECT_EQ(sequence(), inverse);
    shift(DesignCommand::shift_zero_well_left, inverse,
          2);  // an inverse panel has no zero-depth well
    EXPECT_EQ(d().build_depth_2d_mm, 246);
    form.run(DesignCommand::toggle_optimise_2d);
    EXPECT_EQ(d().build_depth_2d_mm, 287);
    type(Field::fin_width, "0");
    EXPECT_EQ(d().build_depth_2d_mm, 246);
}

TEST_F(MainFormTest, ScaledDrawingWarnsWhenTheDesignDepthDoesNotFit) {
    type(Field::design_frequency, "400");  // half wavelength 431 mm
    form.select_vertical_scale(350);
    expect_status("Warning: Vertical scaling choice prevents full design depth being displayed",
                  true);
    form.select_vertical_scale(800);
    expect_status(standard_n7, false);
}

}  // namespace
}  // namespace welkin
