// The lobes picture drawn whole into the maximum-size image (1600 x 1000),
// beside the old line-by-line drawing's primitives (recorded once) replayed
// with plain QPainter calls, and the longest slice between two chances to
// serve "Abort".
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "canvas/recording_canvas.h"
#include "core/sequence.h"
#include "core/width_analysis.h"
#include "lobes/lobes_run.h"
#include "oracle/lobes_replay.h"
#include "render/lobes_render.h"
#include "render/qt_canvas.h"

namespace {

constexpr QSize picture{1600, 1000};

// The default 600 Hz panel, 3 mm fins, with the well width auto-wells gives it.
welkin::LobeInputs inputs(int n) {
    welkin::Design d;
    d.well_count = n;
    const welkin::PanelSequence s = welkin::panel_sequence(d);
    d.design_freq_hz = 600;
    d.design_half_wavelength_mm = welkin::half_wavelength_from_freq(600);
    d.deepest_well_mm =
        welkin::deepest_from_half_wavelength(d.design_half_wavelength_mm, s.max_units, n);
    d.fin_width_mm = 3;
    const double well = welkin::analyse_widths(d, s).recommended_width_mm;
    return {.well_count = n,
            .design_freq_hz = 600,
            .well_width_mm = well,
            .period_width_mm = n * (d.fin_width_mm + well),
            .plate_freq_hz = n * 600.0,
            .unit_mode = d.unit_mode};
}

welkin::LobesRunOptions options(const benchmark::State& state) {
    return {.lobes_mode = true, .angle_deg = static_cast<double>(state.range(1))};
}

void BM_LobesPicture(benchmark::State& state) {
    const welkin::LobeInputs in = inputs(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const welkin::Result<QImage> image = welkin::render_lobes(in, options(state), picture);
        benchmark::DoNotOptimize(image->constBits());
    }
}

// The same primitives, each drawn with its own pen by plain QPainter calls.
void replay(const std::vector<welkin::CanvasOp>& ops, QImage& image) {
    QPainter painter(&image);
    QTransform to_device;
    for (const welkin::CanvasOp& op : ops) {
        const QColor colour(op.colour.r, op.colour.g, op.colour.b);
        switch (op.kind) {
            case welkin::OpKind::set_scale:
                to_device = QTransform(picture.width() / op.x2, 0, 0, picture.height() / op.y2, 0, 0);
                break;
            case welkin::OpKind::clear: image.fill(colour); break;
            case welkin::OpKind::line: {
                QPen pen(colour);
                pen.setWidth(op.pen_width);
                painter.setPen(pen);
                painter.drawLine(to_device.map(QPointF(op.x1, op.y1)),
                                 to_device.map(QPointF(op.x2, op.y2)));
                break;
            }
            case welkin::OpKind::text:
                painter.setPen(colour);
                painter.drawText(to_device.map(QPointF(op.x1, op.y1)), QString::fromStdString(op.text));
                break;
            default: break;
        }
    }
}

void BM_LobesOldLinesWithQPainter(benchmark::State& state) {
    const welkin::LobeInputs in = inputs(static_cast<int>(state.range(0)));
    welkin::SteepAngleMemory memory{};
    welkin::RecordingCanvas recording(picture.width(), picture.height());
    welkin::LobesReplay run(in, options(state), memory);
    run.finish(recording);
    state.counters["lines"] = static_cast<double>(recording.of_kind(welkin::OpKind::line).size());
    QImage image(picture, QImage::Format_RGB32);
    for (auto _ : state) {
        replay(recording.ops, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The window draws 8 Hz at a time between checks of its clock; the longest
// such step bounds how late "Abort" can be served after the 25 ms slice.
void BM_LobesLongestStepBeforeAbort(benchmark::State& state) {
    const welkin::LobeInputs in = inputs(static_cast<int>(state.range(0)));
    double longest_ms = 0;
    for (auto _ : state) {
        QImage image(picture, QImage::Format_RGB32);
        welkin::SteepAngleMemory memory{};
        welkin::QtCanvas canvas(image);
        canvas.set_smoothing(false);
        welkin::LobesRun run(in, options(state), memory);
        QElapsedTimer clock;
        for (;;) {
            clock.start();
            const welkin::RunPause pause = run.advance(canvas, 8);
            longest_ms = std::max(longest_ms, static_cast<double>(clock.nsecsElapsed()) / 1e6);
            if (pause == welkin::RunPause::finished) break;
        }
    }
    state.counters["longest_step_ms"] = longest_ms;
}

void runs(benchmark::internal::Benchmark* b) {
    for (const int n : {7, 31, 101}) {
        for (const int angle : {0, 30}) b->Args({n, angle});
    }
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_LobesPicture)->Apply(runs);
BENCHMARK(BM_LobesOldLinesWithQPainter)->Apply(runs);
BENCHMARK(BM_LobesLongestStepBeforeAbort)->Args({101, 0})->Args({101, 30})->Args({31, 30})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
