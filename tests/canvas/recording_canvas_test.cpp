#include "canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <utility>

namespace welkin {
namespace {

TEST(RecordingCanvas, RecordsOpsForgetsThemOnClearAndFindsThem) {
    constexpr Rgb grey{187, 187, 187}, green{20, 108, 0};
    RecordingCanvas c(40, 30);
    EXPECT_EQ(std::pair(c.width_twips(), c.height_twips()), std::pair(600.0, 450.0));
    c.line(9, 9, 9, 9, green);
    c.clear(rgb_white);
    c.fill_box(0, 4, 7, 7, grey);
    c.line(0, 4.0000001, 7, 4, green);
    c.set_pen_width(2);
    c.line(0, 4, 7, 4, green);
    c.text(1, 1, "Well", 8, grey);
    ASSERT_EQ(c.ops.size(), 6u) << "the line before the clear is forgotten";
    EXPECT_EQ(c.ops[0], (CanvasOp{OpKind::clear, 0, 0, 0, 0, rgb_white}));
    EXPECT_EQ(c.ops[5], (CanvasOp{OpKind::text, 1, 1, 0, 0, grey, 2, "Well", 8}));
    EXPECT_EQ(c.of_kind(OpKind::line, green).size(), 2u);
    EXPECT_EQ(c.of_kind(OpKind::fill_box, green).size(), 0u);

    const CanvasOp thin{OpKind::line, 0, 4, 7, 4, green};
    EXPECT_EQ(c.find(thin), std::nullopt) << "off by 1e-7, or drawn with pen 2";
    EXPECT_EQ(c.find(thin, 1e-6), std::optional<std::size_t>(2));
    EXPECT_EQ(c.find(thin, 1e-6, 3), std::nullopt);
    EXPECT_EQ(c.count({OpKind::line, 0, 4, 7, 4, green, 2}), 1u);
}

}  // namespace
}  // namespace welkin
