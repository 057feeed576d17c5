// Hairlines and boxes set straight into the pixels against the same drawn
// by QPainter unsmoothed: every pixel the same, for lines of every slope,
// length and end and boxes of every size, inside the picture and leaving it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "render/pixel_grid.h"

namespace welkin {
namespace {

constexpr int side = 40;
constexpr QRgb ink = 0xff2060a0;

QImage blank() {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage by_qpainter(const std::vector<QLineF>& lines) {
    QImage image = blank();
    QPainter painter(&image);
    QPen pen{QColor(ink)};
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    return image;
}

PixelGrid grid_of(QImage& image) {
    return {reinterpret_cast<QRgb*>(image.bits()), static_cast<int>(image.bytesPerLine() / 4), side,
            side};
}

QImage set_directly(const std::vector<QLineF>& lines) {
    QImage image = blank();
    draw_aliased_lines(grid_of(image), lines, ink);
    return image;
}

int differing_pixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

// Ends on whole, half and quarter pixels and just off them, where rounding
// decides which pixel a line starts on.
double awkward(std::mt19937& random, double low, double high) {
    std::uniform_int_distribution<int> whole(static_cast<int>(low), static_cast<int>(high));
    static constexpr double parts[] = {0, 0.5, 0.25, 0.75, 1.0 / 64, 0.5 - 1e-9, 0.5 + 1e-9, 63.0 / 64};
    std::uniform_int_distribution<int> part(0, 8);
    const int k = part(random);
    const double fraction = k < 8 ? parts[k] : std::uniform_real_distribution<double>(0, 1)(random);
    return whole(random) + fraction;
}

TEST(AliasedLines, EveryPixelWhereQPainterPutsIt) {
    struct Row {
        const char* name;
        double low;   // ends between low and high on both axes
        double high;
        double longest;  // at most this long on either axis (0: any)
    };
    const Row rows[] = {
        {"short lines inside", 2, side - 3, 4},
        {"long lines inside", 0, side - 1, 0},
        {"lines leaving the picture", -30, side + 30, 0},
        {"lines near the edges", -2, 3, 3},
    };
    std::mt19937 random(7);
    for (const Row& row : rows) {
        for (int i = 0; i < 1500; ++i) {
            const double x1 = awkward(random, row.low, row.high);
            const double y1 = awkward(random, row.low, row.high);
            double x2 = awkward(random, row.low, row.high);
            double y2 = awkward(random, row.low, row.high);
            if (row.longest > 0) {
                x2 = x1 + std::fmod(x2 - x1, row.longest);
                y2 = y1 + std::fmod(y2 - y1, row.longest);
            }
            // Upright, level, at 45 degrees and as drawn.
            const std::vector<QLineF> kinds = {{x1, y1, x1, y2}, {x1, y1, x2, y1},
                                               {x1, y1, x1 + (y2 - y1), y2}, {x1, y1, x2, y2},
                                               {x1, y1, x1, y1}};
            for (const QLineF& line : kinds) {
                const std::vector<QLineF> one{line};
                ASSERT_EQ(differing_pixels(by_qpainter(one), set_directly(one)), 0)
                    << row.name << ": " << line.x1() << "," << line.y1() << " to " << line.x2()
                    << "," << line.y2();
            }
        }
    }
}

TEST(AliasedBoxes, EveryPixelWhereQPainterFillsIt) {
    const struct Row {
        const char* name;
        double low;
        double high;
    } rows[] = {{"inside", 0, side - 1}, {"across the edges", -6, side + 6}};
    std::mt19937 random(11);
    for (const Row& row : rows) {
        for (int i = 0; i < 3000; ++i) {
            const QRectF box = QRectF(QPointF(awkward(random, row.low, row.high), awkward(random, row.low, row.high)),
                                      QPointF(awkward(random, row.low, row.high), awkward(random, row.low, row.high)))
                                   .normalized();
            QImage by_qt = blank();
            QPainter(&by_qt).fillRect(box, QColor(ink));
            QImage direct = blank();
            fill_aliased_box(grid_of(direct), box, ink);
            ASSERT_EQ(differing_pixels(by_qt, direct), 0)
                << row.name << ": " << box.left() << "," << box.top() << " to " << box.right() << ","
                << box.bottom();
        }
    }
}

// Places no picture has (from a degenerate scale, say) draw nothing and
// never overflow a whole number.
TEST(AliasedLines, NothingForPlacesOutOfReach) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<QLineF> lines = {{nan, 1, 5, 5}, {1, 1, inf, 5}, {-inf, 3, inf, 3},
                                       {1e300, 1e300, 1e300, 1e300}, {-1e12, 2, -1e12, 2}, {-1.7e308, 1e308, 1.7e308, -1e308}};
    QImage image = blank();
    draw_aliased_lines(grid_of(image), lines, ink);
    fill_aliased_box(grid_of(image), QRectF(QPointF(nan, 0), QPointF(5, 5)), ink);
    fill_aliased_box(grid_of(image), QRectF(QPointF(1e300, 1e300), QPointF(1e301, 1e301)), ink);
    EXPECT_EQ(differing_pixels(image, blank()), 0);
    fill_aliased_box(grid_of(image), QRectF(QPointF(-1e300, -1e300), QPointF(1e300, 1e300)), ink);
    EXPECT_EQ(image.pixel(0, 0), ink);
    EXPECT_EQ(image.pixel(side - 1, side - 1), ink);
}

}  // namespace
}  // namespace welkin
