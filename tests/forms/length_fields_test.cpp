// The four length fields in the three unit modes, and the units window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

class LengthFieldsTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    void type(Field f, const std::string& text) { form.set_field_text(f, text); }
    void enter(Field f, const std::string& text) {
        type(f, text);
        form.field_enter(f);
    }
    // The units window as a user works it: pick an option, then OK.
    void choose_units(UnitMode mode) {
        host.in_dialog = [&, mode](Window w) {
            ASSERT_EQ(w, Window::units);
            form.units_form().select(mode);
            form.units_form().confirm();
        };
        form.open_units();
        host.in_dialog = nullptr;
    }
    const Design& d() const { return form.design(); }
    long runs() const { return form.shown().started_recomputes; }

    FakeHost host;
    MainForm form{host};
};

TEST_F(LengthFieldsTest, ImperialEntryWaitsForEnterAndIsShownInItsNormalForm) {
    choose_units(UnitMode::inches);
    // Auto wells write their 80 mm in the unit in force; the analysis uses the width shown.
    EXPECT_EQ(form.field_text(Field::well_width), "3 1/8");
    EXPECT_DOUBLE_EQ(form.snapshot().results.well_width_shown_mm, 79.375);
    EXPECT_EQ(form.snapshot().texts.well_width_caption, "Auto Well width in inches");

    const long before = runs();
    form.field_enter(Field::fin_width);  // Enter or leaving an unedited field does nothing
    form.field_lost_focus(Field::well_width);
    for (const char* keys : {"1", "1/", "1/8"}) type(Field::fin_width, keys);
    EXPECT_TRUE(form.field_dirty(Field::fin_width));
    EXPECT_EQ(form.field_background(Field::fin_width), rgb_uncommitted);
    EXPECT_EQ(form.shown().status_text, "Press Enter or select another field to update results");
    EXPECT_EQ(form.shown().status_colour, rgb_dark_red);
    EXPECT_EQ(runs(), before);

    enter(Field::fin_width, "1/4");
    EXPECT_EQ(d().fin_width_mm, 6);  // 6.35 rounded
    EXPECT_EQ(form.field_text(Field::fin_width), "1/4");
    EXPECT_FALSE(form.field_dirty(Field::fin_width));
    EXPECT_EQ(form.shown().status_text, "Standard N7+0,0 Panel");
    EXPECT_EQ(runs(), before + 1);
}

TEST_F(LengthFieldsTest, BadImperialEntryIsReportedAndKeepsTheFocus) {
    choose_units(UnitMode::inches);
    const long before = runs();
    enter(Field::fin_width, "5''");
    EXPECT_EQ(host.messages.at(0).text,
              "Fin width field contains incorrect format - see Units screen for rules");
    EXPECT_EQ(form.shown().status_text, "Fin width: More than one ' (foot) symbol");
    EXPECT_EQ(host.focused, std::vector<Field>{Field::fin_width});
    EXPECT_TRUE(form.field_dirty(Field::fin_width));

    // A recompute meeting the faulty text holds busy until the field is fixed.
    form.run(DesignCommand::next_prime_order);
    EXPECT_TRUE(form.busy());
    EXPECT_EQ(form.awaiting_correction(), Field::fin_width);
    EXPECT_EQ(host.messages.size(), 2u);
    form.run(DesignCommand::next_prime_order);
    type(Field::well_count, "13");
    choose_units(UnitMode::metric);
    EXPECT_EQ(runs(), before + 1);               // nothing recomputes meanwhile,
    EXPECT_EQ(d().unit_mode, UnitMode::inches);  // nor does the units window open
    {
        // Loading under the guard while the wait lasts leaves the wait as it found it.
        const BusyScope loading(form);
        EXPECT_TRUE(form.busy());
    }
    EXPECT_EQ(form.awaiting_correction(), Field::fin_width);
    enter(Field::fin_width, "0 1/2");
    EXPECT_FALSE(form.busy());
    EXPECT_EQ(form.awaiting_correction(), std::nullopt);
    EXPECT_EQ(d().fin_width_mm, 13);
    EXPECT_EQ(form.field_text(Field::fin_width), "1/2");  // shown in its normal form

    // Each field names itself in its message and status line; leaving it commits too.
    const auto expect_named = [&](Field f, const std::string& name, const std::string& prefix) {
        SCOPED_TRACE(name);
        type(f, "x");
        form.field_lost_focus(f);
        EXPECT_EQ(host.messages.back().text,
                  name + " field contains incorrect format - see Units screen for rules");
        EXPECT_EQ(form.shown().status_text, prefix + "Invalid Character");
    };
    expect_named(Field::well_width, "Block width", "Block width: ");
    expect_named(Field::deepest_well, "1D Build depth", "builddepth: ");
    expect_named(Field::build_depth_2d, "2D Build depth", "2D builddepth: ");
}

TEST_F(LengthFieldsTest, ChangingUnitsRewritesTheFieldsFromTheStoredMillimetres) {
    type(Field::fin_width, "600");
    choose_units(UnitMode::decimalinches);
    EXPECT_EQ(form.field_text(Field::fin_width), " 23.62");
    EXPECT_EQ(length_caption(form.design(), Field::fin_width), "Fin width in inches");
    EXPECT_EQ(length_caption(form.design(), Field::deepest_well), "Deepest 1D well in inches");

    choose_units(UnitMode::inches);
    EXPECT_EQ(form.field_text(Field::fin_width), "1' 11 5/8");
    EXPECT_EQ(form.field_text(Field::deepest_well),
              "6 7/16");  // 164 mm, rewritten by the recompute

    choose_units(UnitMode::metric);
    EXPECT_EQ(form.field_text(Field::fin_width), " 600");
    EXPECT_EQ(length_caption(form.design(), Field::build_depth_2d), "2D build depth in mm");

    // The units window greys its rules while metric is chosen, and nothing
    // applies before OK.
    UnitsForm& units = form.units_form();
    units.open();
    const Rgb greyed = units.rule_colour();
    EXPECT_EQ(units.rules_caption_colour(), greyed);
    units.select(UnitMode::decimalinches);
    EXPECT_NE(units.rule_colour(), greyed);
    EXPECT_NE(units.rules_caption_colour(), greyed);
    EXPECT_EQ(d().unit_mode, UnitMode::metric);
    units.confirm();
    EXPECT_EQ(d().unit_mode, UnitMode::decimalinches);
}

}  // namespace
}  // namespace welkin
