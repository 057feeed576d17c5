// The polar response sheet drawn from a hand-made view, so that every place
// can be worked out by hand: the polar plot's centre is (300, 440) with
// 0 dB at radius 260, the chart's bands are 490 / 18 wide from x 680, and
// its values run from -0.2 at y 420 to 1.0 at y 110.
#include "response/response_sheet.h"

#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"

namespace welkin {
namespace {

namespace colour = response_colour;

ResponseView hand_made_view() {
    ResponseView v;
    v.sound = {1000, -20, 344};
    v.panels = 4;
    v.plot_angles_deg = {-90, 0, 90};
    v.levels_db = {-50, 0, -20};
    v.flat_levels_db = {-10, 0, -40};
    v.arc.diffusion = {0.4349, 0.0851, 0.38301};
    for (double centre : third_octave_centres_hz) v.bands.push_back({centre, {0, 0, 0.25}});
    v.bands[0].diffusion.d_n = 0.5;
    v.bands[1].diffusion.d_n = -0.5;  // below the axis: drawn to its floor
    v.usable = UsableBand{100, 1000};
    return v;
}

CanvasOp line(double x1, double y1, double x2, double y2, Rgb c, int pen) {
    return {.kind = OpKind::line,
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .colour = c,
            .pen_width = pen};
}

CanvasOp filled(double x1, double y1, double x2, double y2, Rgb c) {
    return {.kind = OpKind::fill_box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = c};
}

CanvasOp text(double x, double y, std::string t) {
    return {.kind = OpKind::text,
            .x1 = x,
            .y1 = y,
            .colour = colour::text,
            .text = std::move(t),
            .point_size = 8};
}

bool has_text(const RecordingCanvas& c, std::string_view t) {
    for (const CanvasOp& op : c.of_kind(OpKind::text)) {
        if (op.text == t) return true;
    }
    return false;
}

TEST(ResponseSheet, PolarCurvesRunFromTheCentreToTheZeroDecibelRing) {
    RecordingCanvas c(1200, 600);
    paint_response_sheet(hand_made_view(), c);
    // -50 dB is below the plot's range, so at the centre; 0 dB straight up at
    // radius 260; -20 dB at half the radius, along the face to the right.
    EXPECT_TRUE(c.find(line(300, 440, 300, 180, colour::design, 2), 1e-9));
    EXPECT_TRUE(c.find(line(300, 180, 430, 440, colour::design, 2), 1e-9));
    // The flat reference: -10 dB at -90 degrees is three quarters out to the left.
    EXPECT_TRUE(c.find(line(105, 440, 300, 180, colour::flat, 1), 1e-9));
    EXPECT_TRUE(c.find(line(300, 180, 300, 440, colour::flat, 1), 1e-9));
}

TEST(ResponseSheet, BarsUsableRangeAndFrequencyMarker) {
    RecordingCanvas c(1200, 600);
    paint_response_sheet(hand_made_view(), c);
    const double band = 490.0 / 18;
    const double half_bar = 0.3 * band;
    const double zero_y = 420 - 0.2 / 1.2 * 310;
    // 100 Hz, d_n 0.5, in the middle of the first band.
    const double x100 = 680 + band / 2;
    EXPECT_TRUE(c.find(
        filled(x100 - half_bar, zero_y, x100 + half_bar, 420 - 0.7 / 1.2 * 310, colour::design),
        1e-9));
    // 125 Hz, d_n -0.5, one band along, stops at the chart's floor.
    EXPECT_TRUE(c.find(
        filled(x100 + band - half_bar, zero_y, x100 + band + half_bar, 420, colour::design), 1e-9));
    EXPECT_EQ(c.of_kind(OpKind::fill_box, colour::design).size(), 18u);
    // From the middle of the 100 Hz band to the middle of the 1000 Hz band, ten
    // bands up.
    EXPECT_TRUE(
        c.find(filled(680 + 0.5 * band, 110, 680 + 10.5 * band, 420, colour::usable), 1e-9));
    EXPECT_TRUE(has_text(c, "Shaded: usable range 100 Hz to 1000 Hz"));
    const double x1000 = 680 + 10.5 * band;
    EXPECT_TRUE(c.find(line(x1000, 110, x1000, 420, colour::marker, 2), 1e-9));
}

TEST(ResponseSheet, TextsNameTheSoundAndTheCoefficients) {
    RecordingCanvas c(1200, 600);
    ResponseView v = hand_made_view();
    paint_response_sheet(v, c);
    EXPECT_TRUE(
        has_text(c, "Polar response at 1000 Hz, source at -20\xC2\xB0, 4 panels side by side"));
    EXPECT_TRUE(
        c.find(text(20, 470, "Diffusion coefficient d 0.435, flat 0.085, normalised 0.383")));
    EXPECT_TRUE(has_text(c, "0.50"));
    EXPECT_TRUE(has_text(c, "-0.50"));
    EXPECT_TRUE(has_text(c, "5000"));

    v.panels = 1;
    v.usable.reset();
    v.sound.frequency_hz = 50;  // below the chart: no marker
    RecordingCanvas c2(1200, 600);
    paint_response_sheet(v, c2);
    EXPECT_TRUE(has_text(c2, "Polar response at 50 Hz, source at -20\xC2\xB0, 1 panel"));
    EXPECT_TRUE(has_text(c2, "No usable range at this source angle"));
    EXPECT_TRUE(c2.of_kind(OpKind::fill_box, colour::usable).empty());
    for (const CanvasOp& op : c2.of_kind(OpKind::line, colour::marker)) {
        EXPECT_FALSE(op.y1 == 110 && op.y2 == 420) << op;
    }
}

TEST(ResponseSheet, TextKeepsItsProportionsOnSmallerAndLargerSheets) {
    struct Row {
        int width, height;
        double label_points;
    };
    // The sheet is laid out for 1200 x 600 with 8-point labels; the smaller
    // side of a stretched sheet sets the size.
    const Row rows[] = {{1200, 600, 8}, {600, 300, 4}, {2400, 1200, 16}, {2400, 600, 8}};
    for (const Row& row : rows) {
        RecordingCanvas c(row.width, row.height);
        paint_response_sheet(hand_made_view(), c);
        for (const CanvasOp& op : c.of_kind(OpKind::text)) {
            const bool heading = op.text.starts_with("Polar response at") ||
                                 op.text.starts_with("Normalised diffusion coefficient per");
            const double title = heading ? 1.25 : 1;
            EXPECT_DOUBLE_EQ(op.point_size, row.label_points * title) << row.width << op.text;
        }
    }
}

}  // namespace
}  // namespace welkin
