// The wells follow the shift counts, which are inputs: what the windows read
// while a recompute is refused or waits for a bad entry to be corrected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "units/numtext.h"

namespace welkin {
namespace {

using Wells = std::vector<int>;

class DesignOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        start_up(form);
        form.run(DesignCommand::toggle_advanced);
    }
    // Inches, where a badly formed entry holds the recompute until it is fixed.
    void choose_inches() {
        host.in_dialog = [&](Window) {
            form.units_form().select(UnitMode::inches);
            form.units_form().confirm();
        };
        form.open_units();
        host.in_dialog = nullptr;
    }
    void enter(Field f, const std::string& text) {
        form.set_field_text(f, text);
        form.field_enter(f);
    }
    Wells drawn() const {
        const WellSequence& w = form.snapshot().sequence.wells;
        return {w.begin(), w.begin() + form.snapshot().design.well_count + 1};
    }
    void turn_wheel_to(int shift) {
        while (form.design().wheel_shift != shift) form.run(DesignCommand::rotate_wheel_clockwise);
    }

    FakeHost host;
    MainForm form{host};
};

// N 7 at wheel shift a has the depths (i^2 + a) mod 7. At a = 3 they are
// 3 4 0 5 5 0 4, with zero-depth wells at 2 and 5; at a = 2 they are
// 2 3 6 4 4 6 3, with none.
TEST_F(DesignOnScreen, AZeroWellShiftWhileABadEntryWaitsUsesTheWheelAsItStands) {
    struct Row {
        const char* name;
        int wheel_before_entry, wheel_after_entry;
        Wells after_correction;
        int side_shift;
    };
    const Row rows[] = {
        // The wheel was turned after the bad entry: the wells it made before
        // are no longer the panel's, so there is no zero well to move to.
        {"turned away from the zero wells", 3, 2, {2, 3, 6, 4, 4, 6, 3, 2}, 0},
        // Turned onto them: well 2 is the first zero one.
        {"turned onto the zero wells", 2, 3, {0, 5, 5, 0, 4, 3, 4, 3}, 2},
    };
    choose_inches();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        form.run(DesignCommand::reset_side_shift);
        turn_wheel_to(row.wheel_before_entry);
        enter(Field::fin_width, "5''");
        form.run(DesignCommand::reset_side_shift);  // a recompute meets the bad entry
        ASSERT_EQ(form.awaiting_correction(), Field::fin_width);
        turn_wheel_to(row.wheel_after_entry);
        form.run(DesignCommand::shift_zero_well_left);
        EXPECT_EQ(form.design().side_shift, row.side_shift);

        enter(Field::fin_width, "1/8");
        ASSERT_FALSE(form.awaiting_correction());
        EXPECT_EQ(drawn(), row.after_correction);
    }
}

// A refused frequency leaves the last complete recompute on screen; the
// figures table, turned to its ratios page, lists that drawing's wells and
// not those of the wheel turned since.
TEST_F(DesignOnScreen, TheFiguresTableAfterARefusalListsTheWellsDrawn) {
    form.set_field_text(Field::design_frequency, "30000");
    ASSERT_TRUE(form.shown().refused);
    form.run(DesignCommand::rotate_wheel_clockwise);  // wheel 1 would give 1 2 5 3 3 5 2
    ASSERT_TRUE(form.shown().refused);
    while (form.results_table().page() != 0) form.results_table().next_page();
    const FiguresTable& table = form.results_table().figures();
    const std::vector<std::string> ratios(table.ratio.begin(), table.ratio.begin() + 7);
    std::vector<std::string> wheel_0;
    for (const int w : {0, 1, 4, 2, 2, 4, 1}) wheel_0.push_back(number_text(w));
    EXPECT_EQ(ratios, wheel_0);
    EXPECT_EQ(drawn(), (Wells{0, 1, 4, 2, 2, 4, 1, 0}));
}

}  // namespace
}  // namespace welkin
