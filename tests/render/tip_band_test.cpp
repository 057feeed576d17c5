// The tips' band replayed on a grid against the same strokes drawn by Qt:
// each spoke three pixels wide with square ends, then a grey dot on its tip.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "lobes/tip_band.h"
#include "render/qt_canvas.h"

namespace welkin {
namespace {

constexpr Rgb spoke_colour{40, 120, 200};
constexpr Rgb dot_colour{128, 128, 128};
constexpr QSize size{400, 400};

QRgb qrgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

std::vector<Segment> spokes(int count, const std::function<Segment(int)>& spoke) {
    std::vector<Segment> out;
    for (int k = 0; k < count; ++k) out.push_back(spoke(k));
    return out;
}

QImage drawn_by_qt(const std::vector<Segment>& all) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtCanvas canvas(image);
    canvas.set_smoothing(false);
    canvas.set_pen_width(3);
    for (const Segment& s : all) {
        canvas.line(s.a.x, s.a.y, s.b.x, s.b.y, spoke_colour);
        canvas.line(s.b.x, s.b.y, s.b.x, s.b.y, dot_colour);
    }
    return image;
}

QImage replayed(const std::vector<Segment>& all) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    TipBand band(size.width(), size.height());
    for (const Segment& s : all) band.add_spoke(s.a, s.b);
    const TipBand::Rows rows = band.replay();
    QtCanvas canvas(image);
    EXPECT_TRUE(canvas.draws_pixels());
    canvas.pixel_rows(rows.spoke, spoke_colour);
    canvas.pixel_rows(rows.dot, dot_colour);
    return image;
}

// The pixels within two of some tip, where the band is replayed (the rest
// of the spokes lies inside the lobe's sheet, drawn as a shape).
std::set<std::pair<int, int>> near_tips(const std::vector<Segment>& all) {
    std::set<std::pair<int, int>> out;
    for (const Segment& s : all) {
        const int x = static_cast<int>(std::floor(s.b.x));
        const int y = static_cast<int>(std::floor(s.b.y));
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) out.insert({x + dx, y + dy});
        }
    }
    return out;
}

TEST(TipBand, LeavesTheGreyQtLeaves) {
    struct Row {
        const char* name;
        std::vector<Segment> spokes;
        bool stippled;
    };
    const double pi = std::acos(-1.0);
    const auto fan = [&](double step, double from_degrees) {
        return [=](int k) {
            const double a = (from_degrees + 0.15 * k) * pi / 180;
            const Point axis{200 + step * k, 330};
            return Segment{axis, {axis.x + 150 * std::cos(a), axis.y - 150 * std::sin(a)}};
        };
    };
    // Level and upright spokes cover each dot but the last with the next.
    const Row rows[] = {
        {"hertz closer than the pixels", spokes(400, fan(0.13, 20)), true},
        {"hertz further apart", spokes(150, fan(0.7, 35)), true},
        {"leaning left", spokes(300, fan(0.2, 110)), true},
        {"level", spokes(200, [](int k) {
             return Segment{{40 + 0.3 * k, 200}, {240 + 0.3 * k, 200}};
         }), false},
        {"upright", spokes(200, [](int k) {
             return Segment{{100 + 0.45 * k, 300}, {100 + 0.45 * k, 120}};
         }), false},
    };
    for (const Row& row : rows) {
        const QImage qt = drawn_by_qt(row.spokes);
        const QImage band = replayed(row.spokes);
        int grey = 0;
        int differing = 0;
        const std::set<std::pair<int, int>> around = near_tips(row.spokes);
        // Grey where Qt left grey, and elsewhere what Qt drew wherever the
        // band drew anything.
        for (const auto& [x, y] : around) {
            const bool qt_grey = qt.pixel(x, y) == qrgb(dot_colour);
            grey += qt_grey;
            const bool band_drew = band.pixel(x, y) != qRgb(255, 255, 255);
            differing += qt_grey != (band.pixel(x, y) == qrgb(dot_colour)) ||
                         (band_drew && band.pixel(x, y) != qt.pixel(x, y));
        }
        if (row.stippled) {
            EXPECT_GT(grey, static_cast<int>(around.size()) / 20) << row.name;
        }
        // A pixel whose centre lies on a stroke's edge may go either way.
        EXPECT_LE(differing, static_cast<int>(around.size()) / 25) << row.name;
    }
}

}  // namespace
}  // namespace welkin
