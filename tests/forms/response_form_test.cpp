#include "forms/response_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "lobes/lobe_analysis.h"

namespace welkin {
namespace {

// The lobe analysis's worked example: N 7, 500 Hz, 50 mm wells, 5 mm fins,
// whose usable range at 0 degrees is 446 Hz to 3440 Hz and at 30 degrees
// 446 Hz to 2979 Hz.
class ResponseFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        start_up(form);
        form.run(DesignCommand::toggle_auto_well_width);  // off: the well width is typed
        form.set_field_text(Field::design_frequency, "500");
        form.set_field_text(Field::well_width, "50");
        form.set_field_text(Field::fin_width, "5");
        ASSERT_EQ(form.design().well_width_mm, 50);
    }

    FakeHost host;
    MainForm form{host};
    ResponseForm response{form.shown()};
};

TEST_F(ResponseFormTest, TheFrequencyFollowsTheDesignUntilAnotherIsSet) {
    response.refresh();
    ASSERT_NE(response.view(), nullptr);
    EXPECT_EQ(response.view()->sound.frequency_hz, 500);
    EXPECT_TRUE(response.follows_design_frequency());

    form.set_field_text(Field::design_frequency, "640");
    response.refresh();
    EXPECT_EQ(response.view()->sound.frequency_hz, 640);

    response.set_frequency(1000);
    form.set_field_text(Field::design_frequency, "700");
    response.refresh();
    EXPECT_FALSE(response.follows_design_frequency());
    EXPECT_EQ(response.view()->sound.frequency_hz, 1000);

    response.follow_design_frequency();
    response.refresh();
    EXPECT_EQ(response.view()->sound.frequency_hz, 700);
}

TEST_F(ResponseFormTest, TheViewIsOfTheDesignOnScreenWithItsUsableRange) {
    response.set_panels(4);
    response.set_source_angle(30);
    response.refresh();
    const ResponseView* v = response.view();
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(v->usable.has_value());
    EXPECT_EQ(v->usable->low_hz, 446);
    EXPECT_EQ(v->usable->high_hz, 2979);
    EXPECT_EQ(v->bands.size(), third_octave_centres_hz.size());
    // A frequency where the design diffuses: better than the flat panel.
    response.set_frequency(1500);
    response.refresh();
    const double with_thin_fins = response.view()->arc.diffusion.d_n;
    EXPECT_GT(with_thin_fins, 0.1);

    // A change of the design reaches the view through the next recompute.
    form.set_field_text(Field::fin_width, "20");
    response.refresh();
    EXPECT_NE(response.view()->arc.diffusion.d_n, with_thin_fins);
}

TEST_F(ResponseFormTest, InputsAreHeldToWhatTheWindowOffers) {
    struct Row {
        const char* name;
        void (*set)(ResponseForm&);
        double frequency, angle;
        int panels;
    };
    const Row rows[] = {
        {"no panels", [](ResponseForm& r) { r.set_panels(0); }, 500, 0, 1},
        {"too many panels", [](ResponseForm& r) { r.set_panels(21); }, 500, 0, 20},
        {"beyond grazing", [](ResponseForm& r) { r.set_source_angle(120); }, 500, 90, 1},
        {"below grazing", [](ResponseForm& r) { r.set_source_angle(-91); }, 500, -90, 1},
        {"angle not a number", [](ResponseForm& r) { r.set_source_angle(std::nan("")); }, 500, 0,
         1},
        {"no frequency", [](ResponseForm& r) { r.set_frequency(0); }, 1, 0, 1},
        {"ultrasound", [](ResponseForm& r) { r.set_frequency(1e6); }, 20000, 0, 1},
        {"frequency not a number", [](ResponseForm& r) { r.set_frequency(INFINITY); }, 500, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ResponseForm r{form.shown()};
        row.set(r);
        EXPECT_EQ(r.frequency_hz(), row.frequency);
        EXPECT_EQ(r.source_angle_deg(), row.angle);
        EXPECT_EQ(r.panels(), row.panels);
        r.refresh();
        EXPECT_NE(r.view(), nullptr);
        EXPECT_EQ(r.message(), "");
    }
}

TEST_F(ResponseFormTest, ADesignNoEntryCanMakeIsRefusedWithTheAnalysisMessage) {
    // No entry gets this far: the well width no field accepts.
    DesignSnapshot damaged = form.snapshot();
    damaged.design.well_width_mm = 0;
    const Result<ResponseView> refused = design_response(damaged, {.frequency_hz = 1000});
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), lobe_design_error_text);
}

TEST_F(ResponseFormTest, AnInputTheMainWindowRefusesMakesTheSheetStaleWithItsReason) {
    struct Row {
        const char* name;
        Field field;
        const char* refused;
        const char* reason;
    };
    const Row rows[] = {
        {"N not prime", Field::well_count, "8",
         "Number of wells must be a prime number between 3 and 101"},
        {"N too small", Field::well_count, "2", "Minimum panel order is 3"},
        {"N too large", Field::well_count, "103", "Maximum panel order is 101"},
        {"frequency out of range", Field::design_frequency, "30000", nullptr},
        {"fins out of range", Field::fin_width, "5000", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string good = form.field_text(row.field);
        response.refresh();
        ASSERT_FALSE(response.stale());

        form.set_field_text(row.field, row.refused);
        response.refresh();
        EXPECT_TRUE(response.stale());
        ASSERT_FALSE(form.shown().status_text.empty());
        EXPECT_EQ(response.message(), form.shown().status_text);
        if (row.reason != nullptr) {
            EXPECT_EQ(response.message(), row.reason);
        }
        // Still the design the sheet was drawn from, greyed by the window.
        ASSERT_NE(response.view(), nullptr);
        EXPECT_TRUE(response.view()->design_caption.starts_with("N 7 for 500 Hz")) <<
            response.view()->design_caption;
        // The window's own inputs still take, and the sheet stays stale.
        response.set_panels(2);
        response.refresh();
        EXPECT_TRUE(response.stale());
        EXPECT_EQ(response.view()->panels, 2);
        response.set_panels(1);

        form.set_field_text(row.field, good);
        response.refresh();
        EXPECT_FALSE(response.stale());
        EXPECT_EQ(response.message(), "");
    }
}

TEST_F(ResponseFormTest, TheSheetNamesTheDesignInTheUnitsInForce) {
    response.set_panels(3);
    response.refresh();
    EXPECT_EQ(response.view()->design_caption, "N 7 for 500 Hz, wells 50 mm, fins 5 mm");
    EXPECT_EQ(response.view()->panels, 3);

    host.in_dialog = [&](Window) {
        form.units_form().select(UnitMode::inches);
        form.units_form().confirm();
    };
    form.open_units();
    host.in_dialog = nullptr;
    form.set_field_text(Field::well_count, "11");
    response.refresh();
    // Lengths as the fields show them, with no millimetres left over.
    const std::string caption = response.view()->design_caption;
    EXPECT_EQ(caption, "N 11 for 500 Hz, wells " + form.field_text(Field::well_width) +
                           ", fins " + form.field_text(Field::fin_width));
    EXPECT_EQ(caption.find("mm"), std::string::npos);
}

TEST_F(ResponseFormTest, HelpOpensTheGuidePageOnTheResponse) {
    open_response_help(form.host(), "/opt/welkin/guide");
    EXPECT_EQ(host.opened, std::vector<std::string>{"/opt/welkin/guide/polar-response.html"});
}

TEST(ResponseFormBeforeAnyRecompute, ShowsNothing) {
    FakeHost host;
    MainForm form{host};
    ResponseForm response{form.shown()};
    response.refresh();
    EXPECT_EQ(response.view(), nullptr);
    EXPECT_EQ(response.message(), "");
}

}  // namespace
}  // namespace welkin
