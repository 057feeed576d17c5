// The 2D window's model: offsets, options and their enabling, the busy
// rule, printing and the full-screen view.
#include "forms/panel2d_form.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

struct Opened {
    FakeHost host;
    MainForm form{host};
    Panel2dForm& p2d = form.panel_2d_form();
    Opened() {
        start_up(form);  // factory settings: N 7, finned
        form.open_panel_2d();
    }
};

TEST(Panel2dForm, OpensCentredAndMovesChangeTheCaption) {
    Opened o;
    EXPECT_EQ(o.p2d.offsets(), (Offsets2d{4, 4}));
    EXPECT_EQ(o.p2d.caption(), "Finned Standard   N:7  Left:4  Pull:4");
    struct Row {
        OffsetMove move;
        const char* caption;
    };
    const Row rows[] = {
        {OffsetMove::push, "Finned Standard   N:7  Left:4  Pull:3"},
        {OffsetMove::pull, "Finned Standard   N:7  Left:4  Pull:4"},
        {OffsetMove::left, "Finned Standard   N:7  Left:5  Pull:4"},
        {OffsetMove::right, "Finned Standard   N:7  Left:4  Pull:4"},
        {OffsetMove::no_shift, "Finned Standard   N:7  Left:0  Pull:0"},
        {OffsetMove::right, "Finned Standard   N:7  Left:6  Pull:0"},
        {OffsetMove::centre, "Finned Standard   N:7  Left:4  Pull:4"},
    };
    for (const Row& row : rows) {
        o.p2d.move(row.move);
        EXPECT_EQ(o.p2d.caption(), row.caption);
    }
    // Reopening resets the offsets but keeps the options.
    o.p2d.move(OffsetMove::no_shift);
    o.p2d.set_no_colour(true);
    o.form.open_panel_2d();
    EXPECT_EQ(o.p2d.offsets(), (Offsets2d{4, 4}));
    EXPECT_TRUE(o.p2d.options().no_colour);
}

TEST(Panel2dForm, EnablingRulesAndHalfSize) {
    Opened o;
    o.p2d.set_no_colour(true);
    o.p2d.set_dimensions(true);
    EXPECT_FALSE(o.p2d.invert_enabled());
    EXPECT_FALSE(o.p2d.numbers_enabled());
    o.p2d.set_no_colour(false);
    o.p2d.set_dimensions(false);
    EXPECT_TRUE(o.p2d.invert_enabled() && o.p2d.numbers_enabled());

    const PictureSize full = o.p2d.panel_picture();
    o.p2d.set_half_size(true);
    EXPECT_EQ(o.p2d.panel_picture(), (PictureSize{full.width / 2, full.height / 2}));
    o.p2d.set_half_size(false);
    EXPECT_EQ(o.p2d.panel_picture(), full);
}

TEST(Panel2dForm, NothingIsDrawnWhileBusy) {
    Opened o;
    const long before = o.p2d.redraws();
    {
        const BusyScope busy(o.form);
        o.p2d.move(OffsetMove::push);
        o.p2d.set_numbers(false);
    }
    EXPECT_EQ(o.p2d.redraws(), before);
    EXPECT_EQ(o.p2d.caption(), "Finned Standard   N:7  Left:4  Pull:4");  // not redrawn
    o.p2d.move(OffsetMove::push);
    EXPECT_EQ(o.p2d.redraws(), before + 1);
    EXPECT_EQ(o.p2d.caption(), "Finned Standard   N:7  Left:4  Pull:2");
}

// Printing the 2D window asks first. (Its report is the window's test's,
// against the batch program's.)
TEST(Panel2dForm, PrintingAsksFirst) {
    Opened o;
    o.p2d.print();  // answered No
    EXPECT_TRUE(o.host.printed.empty());
    o.host.answer_yes = true;
    o.p2d.print();
    EXPECT_EQ(o.host.printed, (std::vector<Window>{Window::panel_2d}));
}

TEST(Panel2dForm, FullScreenView) {
    Opened o;
    int shown = 0;
    o.host.in_dialog = [&](Window w) { shown += w == Window::fullscreen_2d; };
    // Panel mode: a click leaves, a double-click does nothing.
    o.p2d.open_full_panel();
    EXPECT_EQ(shown, 1);
    o.p2d.full_screen_double_click();
    o.p2d.full_screen_press(Panel2dForm::Mouse::right);
    EXPECT_EQ(o.p2d.full_screen(), FullScreen::none);

    // Crossword: shown once; pointing picks a height, double-clicks set the light.
    o.p2d.open_full_crossword();
    EXPECT_EQ(shown, 2);
    // Offsets 4,4, N 7: the middle cell (r 3, c 3) has residue 0, block height 6.
    ASSERT_TRUE(o.p2d.pointer_moved(3.5, 3.5).shown);
    EXPECT_EQ(o.p2d.highlight().block_height, 6);
    o.p2d.full_screen_press(Panel2dForm::Mouse::right);
    o.p2d.full_screen_double_click();
    EXPECT_TRUE(o.p2d.highlight().layerlight);
    o.p2d.full_screen_press(Panel2dForm::Mouse::middle);
    o.p2d.full_screen_double_click();
    EXPECT_EQ(o.p2d.highlight().block_height, -1);
    EXPECT_EQ(shown, 2);  // redrawn, not shown again
    o.p2d.full_screen_key();
    EXPECT_EQ(o.p2d.full_screen(), FullScreen::none);
}

// Both views say how to leave them; only the crossword's legend lists the
// double-clicks, which do nothing over the panel.
TEST(Panel2dForm, FullScreenLegendSaysHowToLeave) {
    struct Row {
        const char* name;
        void (Panel2dForm::*open)();
        std::vector<std::string_view> lines;
    };
    const Row rows[] = {
        {"panel", &Panel2dForm::open_full_panel, {"Any key to exit"}},
        {"crossword", &Panel2dForm::open_full_crossword,
         {"Any key to exit", "Left dbl-click:   highlight", "Centre dbl-click: clear",
          "Right dbl-click:  layerlight"}},
    };
    for (const Row& row : rows) {
        Opened o;
        (o.p2d.*row.open)();
        const auto lines = o.p2d.full_screen_legend_lines();
        EXPECT_EQ(std::vector<std::string_view>(lines.begin(), lines.end()), row.lines) << row.name;
    }
}

}  // namespace
}  // namespace welkin
