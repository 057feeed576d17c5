// What QtCanvas draws after it has kept a pen from one stroke to the next.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "render/qt_canvas.h"

namespace welkin {
namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};

// Pixels of exactly `colour` inside the rectangle.
int pixels_of(const QImage& image, QRect area, Rgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == qRgb(colour.r, colour.g, colour.b);
        }
    }
    return count;
}

// Pixels not white outside the rectangle.
int ink_outside(const QImage& image, QRect area) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += !area.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255);
        }
    }
    return count;
}

// A text in red, then some other stroke on the left, then the same text in
// red and one in blue on the right: both must show in their colours, however
// the stroke between changed the painter's pen (a fill leaves none at all).
TEST(QtCanvas, TextsKeepTheirColourWhateverWasDrawnBetween) {
    const std::array<Point, 3> triangle{Point{5, 5}, Point{60, 5}, Point{5, 60}};
    const std::array<Segment, 1> one_line{Segment{{5, 70}, {90, 70}}};
    struct Row {
        const char* name;
        std::function<void(Canvas&)> between;
    };
    const Row rows[] = {
        {"a black line", [](Canvas& c) { c.line(5, 80, 90, 80, rgb_black); }},
        {"a red wide line", [](Canvas& c) { c.set_pen_width(5); c.line(5, 80, 90, 80, red); }},
        {"a filled polygon", [&](Canvas& c) { c.fill_polygon(triangle, rgb_black); }},
        {"an edged polygon", [&](Canvas& c) { c.fill_polygon_edged(triangle, rgb_black); }},
        {"lines", [&](Canvas& c) { c.lines(one_line, rgb_black); }},
        {"a filled box", [](Canvas& c) { c.fill_box(5, 5, 50, 50, rgb_black); }},
        {"a box", [](Canvas& c) { c.box(5, 5, 50, 50, rgb_black); }},
        {"a circle", [](Canvas& c) { c.circle(40, 40, 20, rgb_black); }},
        {"a text in black", [](Canvas& c) { c.text(5, 5, "88", 20, rgb_black); }},
    };
    const QRect same_colour(200, 0, 100, 100);
    const QRect other_colour(300, 0, 100, 100);
    for (const Row& row : rows) {
        QImage image(400, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QtCanvas canvas(image);
        canvas.text(100, 5, "88", 20, red);
        row.between(canvas);
        canvas.text(200, 5, "88", 20, red);
        canvas.text(300, 5, "88", 20, blue);
        EXPECT_GT(pixels_of(image, same_colour, red), 20) << row.name;
        EXPECT_GT(pixels_of(image, other_colour, blue), 20) << row.name;
        EXPECT_EQ(pixels_of(image, other_colour, red), 0) << row.name;
    }
}

// A line after a text of the same colour is still a line of the set width.
TEST(QtCanvas, LineAfterTextKeepsItsWidth) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image);
    canvas.set_pen_width(5);
    canvas.line(10, 20, 90, 20, red);
    canvas.text(10, 50, "8", 10, red);
    canvas.line(10, 80, 90, 80, red);
    // A column clear of the text, across each line.
    EXPECT_EQ(pixels_of(image, QRect(50, 0, 1, 40), red), 5);
    EXPECT_EQ(pixels_of(image, QRect(50, 60, 1, 40), red), 5);
}

// One text written at many places at once is the same pixels as the text
// written at each place in turn, whatever fraction of a pixel the places
// fall on and whatever the scale.
TEST(QtCanvas, TextsAtOnceMatchTextsOneByOne) {
    struct Row {
        const char* name;
        double cells_across;  // over 420 pixels
        const char* text;
        double point_size;
    };
    const Row rows[] = {
        {"whole pixels", 21, "17", 9},
        {"a crossword of 101", 101, "100", 1},
        {"a crossword of 31", 31, "29", 3.9},
        {"a length with a fraction", 7, "1' 2 3/4\"", 11},
    };
    for (const Row& row : rows) {
        std::vector<Point> corners;
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 7; ++c) corners.push_back({c * 3 + 0.1, r * 2 + 0.3});
        }
        QImage at_once(420, 450, QImage::Format_RGB32);
        at_once.fill(Qt::white);
        QImage one_by_one = at_once;
        {
            QtCanvas canvas(at_once);
            canvas.set_scale(0, 0, row.cells_across, row.cells_across);
            canvas.texts(corners, row.text, row.point_size, blue);
        }
        {
            QtCanvas canvas(one_by_one);
            canvas.set_scale(0, 0, row.cells_across, row.cells_across);
            for (const Point& p : corners) canvas.text(p.x, p.y, row.text, row.point_size, blue);
        }
        EXPECT_GT(ink_outside(one_by_one, QRect()), 20) << row.name;
        EXPECT_TRUE(at_once == one_by_one) << row.name;
    }
}

// A text's size is what it covers: the ink lies within it once placed.
TEST(QtCanvas, TextSizeHoldsTheInk) {
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image);
    canvas.set_scale(0, 0, 30, 30);
    const std::optional<Point> size = canvas.text_size("88", 20);
    ASSERT_TRUE(size.has_value());
    canvas.text(10, 10, "88", 20, blue);
    const QRect inside(100, 100, static_cast<int>(size->x * 10) + 1,
                       static_cast<int>(size->y * 10) + 1);
    EXPECT_GT(pixels_of(image, inside, blue), 20);
    EXPECT_EQ(ink_outside(image, inside), 0);
}

}  // namespace
}  // namespace welkin
