// The four length fields in the three unit modes, and the units window.
#include <gtest/gtest.h>

#include <string>

#include "core/main_form.h"
#include "fake_host.h"
#include "persist/startup.h"

namespace welkin {
namespace {

class LengthFieldsTest : public ::testing::Test {
protected:
    void SetUp() override { start_up(form); }
    void type(Field f, const std::string& text) { form.set_field_text(f, text); }
    void type_keys(Field f, const std::string& keys) {
        std::string text;
        for (const char c : keys) type(f, text += c);
    }
    // The units window as a user works it: pick an option, then OK (or close it).
    void choose_units(UnitMode mode, bool press_ok = true) {
        host.in_dialog = [&, mode, press_ok](Window w) {
            ASSERT_EQ(w, Window::units);
            form.units_form().select(mode);
            if (press_ok) form.units_form().OK_Click();
        };
        form.mnu_units_Click();
        host.in_dialog = nullptr;
    }
    const Design& d() const { return form.design(); }

    FakeHost host;
    MainForm form{host};
};

TEST_F(LengthFieldsTest, ImperialEntryWaitsForEnterAndIsShownInItsNormalForm) {
    choose_units(UnitMode::inches);
    const long runs = form.drawresults_runs();
    type_keys(Field::Text4, "1/8");
    EXPECT_TRUE(form.field_dirty(Field::Text4));
    EXPECT_EQ(form.field_background(Field::Text4), (Rgb{255, 192, 192}));
    EXPECT_EQ(form.status_text(), "Press Enter or select another field to update results");
    EXPECT_EQ(form.status_colour(), (Rgb{192, 0, 0}));
    EXPECT_EQ(form.drawresults_runs(), runs);
    EXPECT_EQ(d().fin_width_mm, 3);  // the default, untouched so far

    type(Field::Text4, "1/4");
    form.field_enter(Field::Text4);
    EXPECT_EQ(d().fin_width_mm, 6);  // 6.35 rounded
    EXPECT_EQ(form.field_text(Field::Text4), "1/4");
    EXPECT_FALSE(form.field_dirty(Field::Text4));
    EXPECT_EQ(form.field_background(Field::Text4), (Rgb{255, 255, 255}));
    EXPECT_EQ(form.status_text(), "Standard N7+0,0 Panel");
    EXPECT_EQ(form.drawresults_runs(), runs + 1);

    // Leaving the field commits the same way; the text comes back normalised.
    type(Field::Text4, "1' 0");
    form.field_lost_focus(Field::Text4);
    EXPECT_EQ(d().fin_width_mm, 305);
    EXPECT_EQ(form.field_text(Field::Text4), "1' ");
    EXPECT_FALSE(form.field_dirty(Field::Text4));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LengthFieldsTest, BadImperialEntryIsReportedAndKeepsTheFocus) {
    choose_units(UnitMode::inches);
    const long runs = form.drawresults_runs();
    type(Field::Text4, "5''");
    form.field_enter(Field::Text4);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Fin width field contains incorrect format - see Units screen for rules");
    EXPECT_EQ(form.status_text(), "Fin width: More than one ' (foot) symbol");
    EXPECT_EQ(form.measure_error(), "More than one ' (foot) symbol");
    EXPECT_EQ(host.focused, std::vector<Field>{Field::Text4});
    EXPECT_EQ(form.drawresults_runs(), runs);
    EXPECT_EQ(d().fin_width_mm, 0);
    EXPECT_TRUE(form.field_dirty(Field::Text4));
    EXPECT_EQ(form.field_text(Field::Text4), "5''");

    // Each field names itself in its message and status line.
    type(Field::Text4, "1/2");
    form.field_enter(Field::Text4);
    form.mnu_autowells_Click();
    type(Field::Text3, "x");
    form.field_enter(Field::Text3);
    EXPECT_EQ(host.messages.back().text,
              "Block width field contains incorrect format - see Units screen for rules");
    EXPECT_EQ(form.status_text(), "Block width: Invalid Character");
    form.opt_depthlock_Click();
    type(Field::Text5, "/2");
    form.field_lost_focus(Field::Text5);
    EXPECT_EQ(form.status_text(), "builddepth: slash not allowed at start of field");
    form.opt_buildlock_2d_Click();
    type(Field::Text6, "07");
    form.field_enter(Field::Text6);
    EXPECT_EQ(host.messages.back().text,
              "2D Build depth field contains incorrect format - see Units screen for rules");
    EXPECT_EQ(form.status_text(), "2D builddepth: Invalid whole inches or spaces in fraction");
}

TEST_F(LengthFieldsTest, AFormatErrorInsideARecomputeHoldsItUntilTheFieldIsFixed) {
    choose_units(UnitMode::inches);
    type(Field::Text4, "5''");
    form.Command3_Click();  // recomputes with the uncommitted, faulty text
    EXPECT_EQ(form.busy(), 1);
    EXPECT_EQ(host.messages.size(), 1u);

    const long runs = form.drawresults_runs();
    form.Command3_Click();
    type(Field::Text1, "13");
    EXPECT_EQ(form.drawresults_runs(), runs);  // nothing recomputes meanwhile

    type(Field::Text4, "1/2");
    form.field_enter(Field::Text4);
    EXPECT_EQ(form.busy(), 0);
    EXPECT_EQ(d().fin_width_mm, 13);
    EXPECT_EQ(form.field_text(Field::Text4), "1/2");
}

TEST_F(LengthFieldsTest, EnterOrLeavingAnUneditedFieldDoesNothing) {
    const long runs = form.drawresults_runs();
    for (const UnitMode mode : {UnitMode::metric, UnitMode::inches}) {
        if (mode != UnitMode::metric) choose_units(mode);
        const long before = form.drawresults_runs();
        form.field_enter(Field::Text4);
        form.field_lost_focus(Field::Text3);
        form.field_enter(Field::Text1);
        EXPECT_EQ(form.drawresults_runs(), before);
    }
    EXPECT_EQ(form.drawresults_runs(), runs + 1);  // only the units change recomputed
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LengthFieldsTest, ChangingUnitsRewritesTheTypedFieldsFromTheStoredMillimetres) {
    type(Field::Text4, "600");
    choose_units(UnitMode::decimalinches);
    EXPECT_EQ(form.field_text(Field::Text4), " 23.62");
    EXPECT_EQ(form.length_caption(Field::Text4), "Fin width in inches");
    EXPECT_EQ(form.length_caption(Field::Text5), "Deepest 1D well in inches");
    EXPECT_EQ(form.length_caption(Field::Text6), "2D build depth in inches");
    EXPECT_EQ(d().fin_width_mm, 600);  // the shown text is not read back

    choose_units(UnitMode::inches);
    EXPECT_EQ(form.field_text(Field::Text4), "1' 11 5/8");
    EXPECT_FALSE(form.field_dirty(Field::Text4));
    // The derived depths are rewritten by the recompute in the new unit too.
    EXPECT_EQ(form.field_text(Field::Text5), "6 7/16");  // 164 mm

    choose_units(UnitMode::metric, /*press_ok=*/false);  // closed without OK
    EXPECT_EQ(d().unit_mode, UnitMode::inches);
    choose_units(UnitMode::metric);
    EXPECT_EQ(form.field_text(Field::Text4), " 600");
    EXPECT_EQ(form.length_caption(Field::Text6), "2D build depth in mm");
}

TEST_F(LengthFieldsTest, AutoWellsWriteTheWellWidthInTheUnitInForce) {
    choose_units(UnitMode::inches);
    EXPECT_EQ(d().well_width_mm, 80);
    EXPECT_EQ(form.field_text(Field::Text3), "3 1/8");
    // The analysis works with the width the field shows.
    EXPECT_DOUBLE_EQ(d().well_width_shown_mm, 79.375);
    EXPECT_EQ(form.Label14_caption(), "Auto Well width in inches");
}

TEST_F(LengthFieldsTest, UnitsWindowGreysTheRulesWhileMetricIsChosen) {
    UnitsForm& units = form.units_form();
    units.open();
    EXPECT_EQ(units.selected(), UnitMode::metric);
    EXPECT_EQ(units.rule_colour(), (Rgb{192, 192, 192}));
    EXPECT_EQ(units.rules_caption_colour(), (Rgb{192, 192, 192}));
    units.select(UnitMode::decimalinches);
    EXPECT_EQ(units.rule_colour(), (Rgb{55, 106, 240}));
    EXPECT_EQ(units.rules_caption_colour(), (Rgb{0, 0, 0}));
    EXPECT_EQ(d().unit_mode, UnitMode::metric);  // nothing applies before OK
    units.OK_Click();
    EXPECT_EQ(d().unit_mode, UnitMode::decimalinches);
}

}  // namespace
}  // namespace welkin
