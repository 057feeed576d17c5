#include "render/picture_render.h"

#include <algorithm>

#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"
#include "render/picture_geometry.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

// A drawing to scale keeps its scale however wide the panel: the window
// pans along it, and copies and files carry all of it. Only an image wider
// than raster paint engines and clipboards take is held at that width.
constexpr int max_picture_width = 32767;

int cross_section_width_px(const Design& d, double panel_width_mm) {
    const double twips =
        cross_section_width_twips(d, panel_width_mm, layout::picture_full_width * twips_per_pixel);
    if (!(twips > 0)) return 1;  // also catches NaN
    return static_cast<int>(std::clamp(twips / twips_per_pixel, 1.0, double{max_picture_width}));
}

}  // namespace

QSize picture_size(Picture which, const Design& d, double panel_width_mm) {
    switch (which) {
        case Picture::cross_section:
            return {cross_section_width_px(d, panel_width_mm), layout::wheel_size};
        case Picture::phase_wheel: return {layout::wheel_size, layout::wheel_size};
        case Picture::scatter:
            return {cross_section_width_px(d, panel_width_mm), layout::scatter_height};
    }
    return {};
}

QImage blank_picture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage render_picture(Picture which, const DesignSnapshot& s, QSize size) {
    QImage image = blank_picture(size);
    QtCanvas canvas(image);
    switch (which) {
        case Picture::cross_section: paint_cross_section(s, canvas); break;
        case Picture::phase_wheel: paint_phase_wheel(s, canvas); break;
        case Picture::scatter: paint_scatter(s, canvas); break;
    }
    return image;
}

}  // namespace welkin
