// The polar response sheet drawn from a hand-made view, so that every place
// can be worked out by hand: the polar plot's centre is (300, 440) with
// 0 dB at radius 260, the chart's bands are 490 / 18 wide from x 680, and
// its values run from -0.2 at y 420 to 1.0 at y 110.
#include "response/response_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

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

TEST(ResponseSheet, TextsNameTheDesignTheSoundAndTheCoefficients) {
    RecordingCanvas c(1200, 600);
    ResponseView v = hand_made_view();
    v.design_caption = "N 7 for 600 Hz, wells 80 mm, fins 3 mm";
    paint_response_sheet(v, c);
    EXPECT_TRUE(c.find(text(20, 32, "Design: N 7 for 600 Hz, wells 80 mm, fins 3 mm")));
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

TEST(ResponseSheet, CommonReferenceLowersTheDesignByItsPeakBelowTheFlat) {
    ResponseView v = hand_made_view();
    v.peak_over_flat_db = -10;
    RecordingCanvas own(1200, 600);
    paint_response_sheet(v, own);
    // Each curve against its own peak: the design's 0 dB reaches the ring.
    EXPECT_TRUE(own.find(line(300, 440, 300, 180, colour::design, 2), 1e-9));

    v.common_reference = true;
    RecordingCanvas common(1200, 600);
    paint_response_sheet(v, common);
    // 10 dB under the flat panel's peak: a quarter of the way in, radius 195.
    EXPECT_TRUE(common.find(line(300, 440, 300, 245, colour::design, 2), 1e-9));
    EXPECT_FALSE(common.find(line(300, 440, 300, 180, colour::design, 2), 1e-9));
    // The flat reference is unchanged.
    EXPECT_TRUE(common.find(line(300, 180, 300, 440, colour::flat, 1), 1e-9));

    // Louder than the flat panel somewhere: cut at the ring, and said so.
    v.peak_over_flat_db = 3;
    RecordingCanvas louder(1200, 600);
    paint_response_sheet(v, louder);
    EXPECT_TRUE(louder.find(line(300, 440, 300, 180, colour::design, 2), 1e-9));
}

bool mentions(const std::vector<SheetNote>& notes, std::string_view words, bool warning) {
    return std::any_of(notes.begin(), notes.end(), [&](const SheetNote& n) {
        return n.text.find(words) != std::string::npos && n.warning == warning;
    });
}

TEST(ResponseSheet, NotesSayWhatTheReaderMustNotMiss) {
    struct Row {
        const char* name;
        double frequency_hz;
        double source_deg;
        bool common;
        std::optional<double> peak_over_flat_db;
        std::vector<const char*> warnings;  // words each expected warning holds
    };
    // The chart's bands are 100 Hz to 5000 Hz, each a tenth of a decade wide,
    // so it ends half a band beyond them: 89.1 Hz and 5623 Hz.
    const Row rows[] = {
        {"broadside, in the chart", 1000, 0, false, -8, {}},
        {"steep but not grazing", 1000, 79.9, false, -8, {}},
        {"grazing from the right", 1000, 80, false, -8, {"Grazing source, 80\xC2\xB0"}},
        {"grazing from the left", 1000, -90, false, -8, {"Grazing source, 90\xC2\xB0"}},
        {"half a band under 100 Hz", 89.5, 0, false, -8, {}},
        {"below the chart", 85, 0, false, -8, {"85 Hz lies below the chart"}},
        {"above the chart", 6000, 0, false, -8, {"6000 Hz lies above the chart"}},
        {"louder than flat, own peaks", 1000, 0, false, 2.5, {}},
        {"louder than flat, common", 1000, 0, true, 2.5, {"2.5 dB above the flat panel's peak"}},
        {"a hair louder, common", 1000, 0, true, 0.04, {}},
        {"flat silent, common", 1000, 0, true, std::nullopt, {"flat panel is silent"}},
        {"everything at once", 20000, -85, true, 4,
         {"Grazing", "above the chart", "4.0 dB above"}},
    };
    for (const Row& row : rows) {
        ResponseView v = hand_made_view();
        v.sound.frequency_hz = row.frequency_hz;
        v.sound.source_angle_deg = row.source_deg;
        v.common_reference = row.common;
        v.peak_over_flat_db = row.peak_over_flat_db;
        const std::vector<SheetNote> notes = response_notes(v);
        ASSERT_FALSE(notes.empty()) << row.name;
        EXPECT_TRUE(mentions({notes.front()}, "no edge diffraction", false)) << row.name;
        EXPECT_EQ(notes.size(), row.warnings.size() + 1) << row.name;
        for (const char* words : row.warnings) {
            EXPECT_TRUE(mentions(notes, words, true)) << row.name << ": " << words;
        }
    }
}

TEST(ResponseSheet, NotesAreWrittenUnderThePlotWarningsInRed) {
    ResponseView v = hand_made_view();
    v.sound.source_angle_deg = 85;
    v.sound.frequency_hz = 50;
    RecordingCanvas c(1200, 600);
    paint_response_sheet(v, c);
    std::vector<std::string> warnings;
    for (const CanvasOp& op : c.of_kind(OpKind::text, colour::marker)) warnings.push_back(op.text);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_TRUE(warnings[0].starts_with("Grazing source"));
    EXPECT_TRUE(warnings[1].starts_with("The plot's 50 Hz"));
    // Every note stays on the sheet, left of the band table.
    for (const CanvasOp& op : c.of_kind(OpKind::text)) {
        if (op.x1 < 300 && op.y1 > 500) {
            EXPECT_LT(op.y1 + 14, 600) << op.text;
        }
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
