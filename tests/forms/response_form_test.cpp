#include "forms/response_form.h"

#include <gtest/gtest.h>

#include <cmath>

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
        form.toggle_auto_well_width();  // off: the well width is typed
        form.set_field_text(Field::design_frequency, "500");
        form.set_field_text(Field::well_width, "50");
        form.set_field_text(Field::fin_width, "5");
        ASSERT_EQ(form.design().well_width_mm, 50);
    }

    FakeHost host;
    MainForm form{host};
    ResponseForm response{form};
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
    EXPECT_EQ(v->panels, 4);
    EXPECT_EQ(v->sound.source_angle_deg, 30);
    EXPECT_EQ(v->sound.speed_m_s, 344);
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
        ResponseForm r{form};
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
    // Only a damaged file gets this far: the well width no field accepts.
    form.edit_design().well_width_mm = 0;
    response.refresh();
    EXPECT_EQ(response.view(), nullptr);
    EXPECT_EQ(response.message(), lobe_design_error_text);
}

TEST(ResponseFormBeforeAnyRecompute, ShowsNothing) {
    FakeHost host;
    MainForm form{host};
    ResponseForm response{form};
    response.refresh();
    EXPECT_EQ(response.view(), nullptr);
    EXPECT_EQ(response.message(), "");
}

}  // namespace
}  // namespace welkin
