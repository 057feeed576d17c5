#include "forms/lobes_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

// The worked example: N 7, 500 Hz, 50 mm wells and 5 mm fins, so f_period
// is 893 Hz and the lowest diffusion frequency 893 Hz.
class LobesFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        start_up(form);
        form.run(DesignCommand::toggle_auto_well_width);  // off: the well width is typed
        form.set_field_text(Field::design_frequency, "500");
        form.set_field_text(Field::well_width, "50");
        form.set_field_text(Field::fin_width, "5");
        ASSERT_EQ(form.design().well_width_mm, 50);
    }
    // Runs to the end, as the window's event loop does.
    void run_through() {
        while (lobes().advance(canvas) != RunPause::finished) {
        }
    }
    LobesForm& lobes() { return form.lobes_form(); }

    FakeHost host;
    MainForm form{host};
    RecordingCanvas canvas{1000, 480};
};

TEST_F(LobesFormTest, OpeningsSetModeSizeAndCaption) {
    struct Row {
        const char* name;
        LobesOpening how;
        bool lobes_mode;
        double point_size;
        std::string caption;
        Rgb frame;
    };
    const std::string lobes_caption =
        "Welkin - Diffusion lobes for multiple N7 diffusers:  Design frequency  500 Hz     "
        "Wells 50mm     Fins 5mm";
    for (const Row& row : {
             Row{"75%", LobesOpening::lobes_three_quarter, true, 8, lobes_caption, {224, 224, 224}},
             Row{"keeps 75%", LobesOpening::lobes, true, 8, lobes_caption, {224, 224, 224}},
             Row{"explorer", LobesOpening::explorer, false, 8,
                 "Welkin: Usable ranges explorer for Single Panels", {175, 203, 169}},
             Row{"maximum", LobesOpening::lobes_full_size, true, 10, lobes_caption,
                 {224, 224, 224}},
         }) {
        bool open_inside = false;
        host.in_dialog = [&](Window w) {
            open_inside = w == Window::lobes && form.window_open(Window::lobes);
        };
        form.open_lobes(row.how);
        EXPECT_TRUE(open_inside) << row.name;
        EXPECT_FALSE(form.window_open(Window::lobes)) << row.name;
        EXPECT_EQ(lobes().lobes_mode(), row.lobes_mode) << row.name;
        EXPECT_EQ(lobes().lobes_controls_visible(), row.lobes_mode) << row.name;
        EXPECT_EQ(lobes().point_size(), row.point_size) << row.name;
        EXPECT_EQ(lobes().caption(), row.caption) << row.name;
        EXPECT_EQ(lobes().frame_colour(), row.frame) << row.name;
    }
}

TEST_F(LobesFormTest, NothingOpensWhileBusy) {
    const BusyScope busy(form);
    int shown = 0;
    host.in_dialog = [&](Window) { ++shown; };
    form.open_lobes(LobesOpening::explorer);
    EXPECT_EQ(shown, 0);
}

TEST_F(LobesFormTest, RunDisablesControlsFillsLabelsAndStoresLowestDiffusion) {
    lobes().open(LobesOpening::lobes);
    lobes().set_angle_text("30");
    lobes().start_run();
    EXPECT_FALSE(lobes().controls_enabled());
    EXPECT_TRUE(lobes().abort_enabled());
    run_through();
    EXPECT_TRUE(lobes().controls_enabled());
    EXPECT_FALSE(lobes().abort_enabled());
    EXPECT_EQ(form.snapshot().results.lowest_diffusion_hz, 893);
    EXPECT_EQ(lobes().texts().first_lobes, "First lobes for signal at  30 degrees  595 Hz");
    EXPECT_EQ(lobes().finished_runs(), 1);
}

TEST_F(LobesFormTest, BadAngleShowsTheMessageOnceAndKeepsTheLabels) {
    lobes().open(LobesOpening::lobes);
    lobes().start_run();
    run_through();
    const std::string before = lobes().texts().hf_cutoff_at_angle;
    lobes().set_angle_text("95");
    lobes().start_run();
    // The message waits for the window to show the cleared picture.
    ASSERT_EQ(lobes().advance(canvas), RunPause::cleared);
    EXPECT_TRUE(host.messages.empty());
    run_through();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, angle_error_text);
    EXPECT_EQ(lobes().texts().hf_cutoff_at_angle, before);
    EXPECT_TRUE(lobes().controls_enabled());
}

// A new size draws the picture again; the refusal of an angle already
// announced is not announced again, but a newly typed bad angle is.
TEST_F(LobesFormTest, RedrawAnnouncesOnlyANewRefusal) {
    struct Row {
        const char* name;
        const char* first_angle;
        const char* typed_before_redraw;
        std::size_t messages_after_redraw;
    };
    for (const Row& row : {Row{"good angle kept", "30", "30", 0},
                           Row{"refused angle kept", "95", "95", 0},
                           Row{"bad angle typed since", "30", "95", 1}}) {
        FakeHost own_host;
        MainForm own{own_host};
        start_up(own);
        LobesForm& l = own.lobes_form();
        l.open(LobesOpening::lobes);
        l.set_angle_text(row.first_angle);
        l.start_run();
        while (l.advance(canvas) != RunPause::finished) {
        }
        own_host.messages.clear();
        l.set_angle_text(row.typed_before_redraw);
        l.redraw();
        EXPECT_TRUE(l.running()) << row.name;
        while (l.advance(canvas) != RunPause::finished) {
        }
        EXPECT_EQ(own_host.messages.size(), row.messages_after_redraw) << row.name;
    }
}

TEST_F(LobesFormTest, OptionClickSelectsAndStartsARun) {
    lobes().open(LobesOpening::lobes);
    lobes().select_slices(SliceChoice::true_diffusion);
    EXPECT_TRUE(lobes().running());
}

}  // namespace
}  // namespace welkin
