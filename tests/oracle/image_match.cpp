#include "image_match.h"

#include <QColor>
#include <QDir>
#include <cstdlib>
#include <filesystem>

namespace welkin {

namespace {

QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

// Whether `colour` is found in `image` within one pixel of (x, y).
bool within_one_pixel(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = x + dx;
            const int py = y + dy;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
            if (at(image, px, py) == colour) return true;
        }
    }
    return false;
}

// Or two pixels away across a pixel both images share: a fill that reached
// one pixel past an outline (as hatching strokes did) has moved one pixel,
// though the outline stands between.
bool across_shared_pixel(const QImage& image, const QImage& other, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = x + 2 * dx;
            const int py = y + 2 * dy;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height()) continue;
            if (at(image, px, py) == colour && at(image, x + dx, y + dy) == at(other, x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

bool one_pixel_away(const QImage& image, const QImage& other, int x, int y, QRgb colour) {
    return within_one_pixel(image, x, y, colour) || across_shared_pixel(image, other, x, y, colour);
}

enum class Difference { none, shifted, displaced };

Difference difference_at(const QImage& drawn, const QImage& reference, int x, int y) {
    const QRgb a = at(drawn, x, y);
    const QRgb b = at(reference, x, y);
    if (a == b) return Difference::none;
    const bool shifted =
        one_pixel_away(reference, drawn, x, y, a) && one_pixel_away(drawn, reference, x, y, b);
    return shifted ? Difference::shifted : Difference::displaced;
}

std::string diff_folder() {
    const char* folder = std::getenv("WELKIN_DIFF_DIR");
    if (folder != nullptr && *folder != '\0') return folder;
    return std::filesystem::temp_directory_path().string();
}

}  // namespace

ImageMatch match_images(const QImage& drawn, const QImage& reference) {
    ImageMatch m;
    m.pixels = static_cast<long long>(reference.width()) * reference.height();
    if (drawn.size() != reference.size()) {
        m.differing = m.displaced = m.pixels;
        return m;
    }
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const Difference d = difference_at(drawn, reference, x, y);
            if (d == Difference::none) continue;
            ++m.differing;
            m.differing_area |= QRect(x, y, 1, 1);
            if (d == Difference::displaced && m.displaced++ == 0) m.first_displaced = {x, y};
        }
    }
    return m;
}

QImage difference_image(const QImage& drawn, const QImage& reference) {
    QImage out(reference.size(), QImage::Format_RGB32);
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const int grey = 160 + qGray(at(reference, x, y)) * 95 / 255;
            QRgb colour = qRgb(grey, grey, grey);
            switch (difference_at(drawn, reference, x, y)) {
                case Difference::none: break;
                case Difference::shifted: colour = qRgb(255, 160, 0); break;
                case Difference::displaced: colour = qRgb(230, 0, 0); break;
            }
            out.setPixel(x, y, colour);
        }
    }
    return out;
}

testing::AssertionResult pictures_match(const QImage& drawn, const QImage& reference,
                                        const std::string& name, double max_differing,
                                        double max_displaced) {
    if (drawn.size() != reference.size()) {
        return testing::AssertionFailure() << name << ": sizes differ";
    }
    const ImageMatch m = match_images(drawn, reference);
    const auto share = [&](long long count) {
        return static_cast<double>(count) / static_cast<double>(m.pixels);
    };
    const double fraction = share(m.differing);
    const double displaced = share(m.displaced);
    if (displaced <= max_displaced && fraction <= max_differing) {
        return testing::AssertionSuccess();
    }
    const std::string path = diff_folder() + "/" + name + "-diff.png";
    difference_image(drawn, reference).save(QString::fromStdString(path));
    drawn.save(QString::fromStdString(diff_folder() + "/" + name + "-drawn.png"));
    reference.save(QString::fromStdString(diff_folder() + "/" + name + "-reference.png"));
    const QRect& r = m.differing_area;
    return testing::AssertionFailure()
           << name << ": " << m.differing << " of " << m.pixels << " pixels differ ("
           << 100 * fraction << "%), " << m.displaced << " by more than one pixel, the first at ("
           << m.first_displaced.x() << ", " << m.first_displaced.y() << "); differences within ("
           << r.left() << ", " << r.top() << ")-(" << r.right() << ", " << r.bottom()
           << "). Difference image: " << path;
}

}  // namespace welkin
