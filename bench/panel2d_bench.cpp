// A full redraw of the 2D window's two pictures at their on-screen sizes,
// through the painters and QtCanvas, beside plain QPainter replaying the
// primitives of the old stroke-by-stroke drawing (recorded once beforehand):
// hatched faces, every depth line and outline, each cell outlined.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <string>
#include <utility>

#include "canvas/recording_canvas.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "oracle/panel2d_replay.h"
#include "panel2d/panel2d_scene.h"
#include "render/panel2d_render.h"

namespace {

using welkin::Picture2d;

welkin::Panel2dDrawing drawing(int n) {
    welkin::Panel2dDrawing d;
    d.grid = {n, welkin::Variant2d::standard, true};
    d.offsets = welkin::move_offsets({}, welkin::OffsetMove::centre, n);
    d.crossword.depth_unit_mm = 10;
    return d;
}

void BM_Panel2dPicturesRedraw(benchmark::State& state) {
    const welkin::Panel2dDrawing d = drawing(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const Picture2d p : {Picture2d::panel, Picture2d::crossword}) {
            const QImage image = welkin::render_picture_2d(p, d, welkin::picture_2d_size(p));
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}

// Each picture on its own, and the panel's scene without its drawing.
void BM_Panel2dOnePicture(benchmark::State& state) {
    const welkin::Panel2dDrawing d = drawing(static_cast<int>(state.range(0)));
    const auto p = static_cast<Picture2d>(state.range(1));
    for (auto _ : state) {
        const QImage image = welkin::render_picture_2d(p, d, welkin::picture_2d_size(p));
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_Panel2dScene(benchmark::State& state) {
    const welkin::Panel2dDrawing d = drawing(static_cast<int>(state.range(0)));
    const QSize size = welkin::picture_2d_size(Picture2d::panel);
    const welkin::Point pixel{welkin::panel_picture_width(d.grid.n) / size.width(),
                              welkin::panel_picture_height(d.grid.n) / size.height()};
    for (auto _ : state) {
        const welkin::PanelScene scene = welkin::panel_scene(d.grid, d.offsets, d.panel, pixel);
        benchmark::DoNotOptimize(scene.fills.data());
    }
    const welkin::PanelScene scene = welkin::panel_scene(d.grid, d.offsets, d.panel, pixel);
    state.counters["fills"] = static_cast<double>(scene.fills.size());
    state.counters["lines"] = static_cast<double>(scene.wall_lines.size() + scene.frame_lines.size() +
                                                  scene.depth_lines.size() + scene.edges.size());
}

// A click on "<" in the 2D window at N: the form moves the grid, then the
// window draws both pictures again, the panel on a second thread, and hands
// them to its labels as pixmaps. Timed on the clock, which is what the user
// waits for; the CPU time counts both threads.
void BM_Panel2dWindowLeftClick(benchmark::State& state) {
    welkin::FakeHost host;
    welkin::MainForm main(host);
    welkin::start_up(main);
    main.set_field_text(welkin::Field::well_count, std::to_string(state.range(0)));
    welkin::Panel2dForm& form = main.panel_2d_form();
    form.initial_draw();
    const welkin::PictureSize panel = form.panel_picture();
    const QSize panel_px(static_cast<int>(panel.width), static_cast<int>(panel.height));
    for (auto _ : state) {
        form.move(welkin::OffsetMove::left);
        const welkin::Panel2dDrawing d{form.grid(), form.offsets(), form.panel_options(),
                                       form.crossword_options(false)};
        welkin::Pictures2d pictures = welkin::render_pictures_2d(
            d, panel_px, welkin::picture_2d_size(Picture2d::crossword));
        const QPixmap panel_pixmap = QPixmap::fromImage(std::move(pictures.panel));
        const QPixmap crossword_pixmap = QPixmap::fromImage(std::move(pictures.crossword));
        benchmark::DoNotOptimize(panel_pixmap.cacheKey() + crossword_pixmap.cacheKey());
    }
}

QColor colour(welkin::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Each op as a plain QPainter program would draw it: a pen per stroke,
// no smoothing (as the 2D pictures are drawn), the scale as the painter's
// transform.
void replay(const std::vector<welkin::CanvasOp>& ops, QImage& image, const QTransform& scale) {
    QPainter painter(&image);
    painter.setTransform(scale);
    for (const welkin::CanvasOp& op : ops) {
        const QPointF a(op.x1, op.y1);
        const QPointF b(op.x2, op.y2);
        switch (op.kind) {
            case welkin::OpKind::line: {
                QPen pen(colour(op.colour), op.pen_width);
                pen.setCosmetic(true);
                painter.setPen(pen);
                painter.drawLine(a, b);
                break;
            }
            case welkin::OpKind::fill_box:
                painter.fillRect(QRectF(a, b).normalized(), colour(op.colour));
                break;
            case welkin::OpKind::box: {
                QPen pen(colour(op.colour), op.pen_width);
                pen.setCosmetic(true);
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(a, b).normalized());
                break;
            }
            case welkin::OpKind::text: {
                QFont font = painter.font();
                font.setPointSizeF(op.point_size);
                painter.setFont(font);
                painter.setPen(colour(op.colour));
                painter.drawText(a, QString::fromStdString(op.text));
                break;
            }
            default: break;
        }
    }
}

void BM_Panel2dOldStrokesWithQPainter(benchmark::State& state) {
    const welkin::Panel2dDrawing d = drawing(static_cast<int>(state.range(0)));
    struct Recorded {
        Picture2d which;
        std::vector<welkin::CanvasOp> ops;
        QTransform scale;
    };
    std::vector<Recorded> pictures;
    for (const Picture2d p : {Picture2d::panel, Picture2d::crossword}) {
        const QSize size = welkin::picture_2d_size(p);
        welkin::RecordingCanvas canvas(size.width(), size.height());
        if (p == Picture2d::panel) {
            welkin::replay_panel_picture(d.grid, d.offsets, d.panel, canvas);
        } else {
            welkin::replay_crossword(d.grid, d.offsets, d.crossword, canvas);
        }
        const double w = p == Picture2d::panel ? welkin::panel_picture_width(d.grid.n) : d.grid.n;
        const double h = p == Picture2d::panel ? welkin::panel_picture_height(d.grid.n)
                                               : welkin::crossword_height(d.grid.n, false);
        pictures.push_back({p, canvas.ops, QTransform::fromScale(size.width() / w, size.height() / h)});
    }
    state.counters["ops"] = static_cast<double>(pictures[0].ops.size() + pictures[1].ops.size());
    for (auto _ : state) {
        for (const Recorded& r : pictures) {
            QImage image(welkin::picture_2d_size(r.which), QImage::Format_RGB32);
            image.fill(Qt::white);
            replay(r.ops, image, r.scale);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}

BENCHMARK(BM_Panel2dPicturesRedraw)->Arg(7)->Arg(31)->Arg(101)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Panel2dOnePicture)->Args({31, 0})->Args({31, 1})->Args({101, 0})->Args({101, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Panel2dWindowLeftClick)
    ->Arg(31)
    ->Arg(101)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Panel2dScene)->Arg(31)->Arg(101)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Panel2dOldStrokesWithQPainter)->Arg(7)->Arg(31)->Arg(101)->Unit(benchmark::kMillisecond);

}  // namespace
