#include "render/panel2d_render.h"

#include "render/picture_export.h"
#include "render/picture_render.h"
#include "render/qt_canvas.h"

#include <future>
#include <system_error>
#include <utility>

namespace welkin {

namespace {

constexpr QSize panel_picture_px{450, 480};
constexpr QSize crossword_px{420, 450};

// Unsmoothed, as the hatching that fills the blocks' faces is meant to be
// drawn: smoothing a million short strokes costs more than it shows.
void paint_plain(Picture2d which, const Panel2dDrawing& d, QPaintDevice& device) {
    QtCanvas canvas(device);
    canvas.set_smoothing(false);
    paint_picture_2d(which, d, canvas);
}

}  // namespace

QSize picture_2d_size(Picture2d which) {
    return which == Picture2d::panel ? panel_picture_px : crossword_px;
}

void paint_picture_2d(Picture2d which, const Panel2dDrawing& d, Canvas& canvas) {
    if (which == Picture2d::panel) {
        paint_panel_picture(d.grid, d.offsets, d.panel, canvas);
    } else {
        paint_crossword(d.grid, d.offsets, d.crossword, canvas);
    }
}

QImage render_picture_2d(Picture2d which, const Panel2dDrawing& d, QSize size) {
    QImage image = blank_picture(size);
    paint_plain(which, d, image);
    return image;
}

// The panel picture writes no text, so its thread never touches the fonts.
Pictures2d render_pictures_2d(const Panel2dDrawing& d, QSize panel, QSize crossword) {
    std::future<QImage> panel_image;
    try {
        panel_image = std::async(std::launch::async, [&d, panel] {
            return render_picture_2d(Picture2d::panel, d, panel);
        });
    } catch (const std::system_error&) {
        // No thread to be had: one after the other.
        return {render_picture_2d(Picture2d::panel, d, panel),
                render_picture_2d(Picture2d::crossword, d, crossword)};
    }
    QImage crossword_image = render_picture_2d(Picture2d::crossword, d, crossword);
    return {panel_image.get(), std::move(crossword_image)};
}

Result<QString> export_picture_2d(Picture2d which, const Panel2dDrawing& d, QSize size,
                                  const QString& path) {
    return export_drawing({[&] { return render_picture_2d(which, d, size); },
                           [&](QPaintDevice& device) { paint_plain(which, d, device); }},
                          size, path);
}

}  // namespace welkin
