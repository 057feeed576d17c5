// The comparison sheet: each design in its column's colour, its name over
// its cross-section, nothing left of a removed design.
#include "compare/comparison_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "canvas/recording_canvas.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

PinnedDesign pinned(const std::string& name, const std::string& wells) {
    FakeHost host;
    MainForm form(host);
    start_up(form);
    form.set_field_text(Field::well_count, wells);
    return {name, form.snapshot()};
}

// The names written in a colour, in drawing order.
std::vector<std::string> names_in(const RecordingCanvas& canvas, Rgb colour) {
    std::vector<std::string> out;
    for (const CanvasOp& op : canvas.of_kind(OpKind::text, colour)) out.push_back(op.text);
    return out;
}

TEST(ComparisonSheet, EachDesignIsDrawnInItsColumnsColour) {
    Comparison c;
    for (const auto& [name, wells] :
         {std::pair{"seven", "7"}, {"eleven", "11"}, {"thirteen", "13"}})
        ASSERT_TRUE(c.add(pinned(name, wells)));
    c.move(2, 0);  // thirteen, seven, eleven
    c.remove(2);   // thirteen, seven

    RecordingCanvas canvas(1200, 700);
    paint_comparison_sheet(c, canvas);
    const struct {
        const char* name;
        std::size_t column;
        std::string design;
    } rows[] = {{"first column", 0, "thirteen"}, {"second column", 1, "seven"}};
    for (const auto& row : rows) {
        const Rgb colour = design_colours[row.column];
        const std::vector<std::string> texts = names_in(canvas, colour);
        ASSERT_FALSE(texts.empty()) << row.name;
        EXPECT_EQ(texts.front(), row.design) << row.name;
        // The band curve and the polar curve, in the thick pen.
        std::size_t thick = 0;
        for (const CanvasOp& op : canvas.of_kind(OpKind::line, colour)) thick += op.pen_width == 2;
        EXPECT_GT(thick, third_octave_centres_hz.size()) << row.name;
    }
    for (const std::size_t gone : {2U, 3U}) {
        EXPECT_TRUE(canvas.of_kind(OpKind::line, design_colours[gone]).empty()) << gone;
        EXPECT_TRUE(canvas.of_kind(OpKind::text, design_colours[gone]).empty()) << gone;
    }
}

// Every point drawn stays on the sheet, whatever the design.
TEST(ComparisonSheet, StaysOnTheSheetForExtremeDesigns) {
    Comparison c;
    ASSERT_TRUE(c.add(pinned("three", "3")));
    ASSERT_TRUE(c.add(pinned("hundred and one", "101")));
    RecordingCanvas canvas(1200, 700);
    paint_comparison_sheet(c, canvas);
    for (const OpKind kind : {OpKind::line, OpKind::fill_box, OpKind::box}) {
        for (const CanvasOp& op : canvas.of_kind(kind)) {
            for (const double x : {op.x1, op.x2}) {
                EXPECT_GE(x, 0) << op;
                EXPECT_LE(x, comparison_sheet_width) << op;
            }
            for (const double y : {op.y1, op.y2}) {
                EXPECT_GE(y, 0) << op;
                EXPECT_LE(y, comparison_sheet_height) << op;
            }
        }
    }
}

}  // namespace
}  // namespace welkin
