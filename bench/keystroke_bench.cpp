// One keystroke in the design-frequency field, through the recompute to all
// three pictures drawn again at their on-screen size: the work the main
// window does between a key press and the next frame.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "render/picture_render.h"

namespace {

void BM_FrequencyKeystroke(benchmark::State& state) {
    welkin::FakeHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    form.set_field_text(welkin::Field::well_count, std::to_string(state.range(0)));
    const char* const texts[] = {"500", "501"};
    int i = 0;
    for (auto _ : state) {
        form.set_field_text(welkin::Field::design_frequency, texts[i ^= 1]);
        for (const welkin::Picture p : {welkin::Picture::cross_section,
                                        welkin::Picture::phase_wheel, welkin::Picture::scatter}) {
            const welkin::DesignSnapshot& s = form.snapshot();
            const QSize size = welkin::picture_size(p, s.design, s.results.panel_width_mm);
            const QImage image = welkin::render_picture(p, s, size);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}
BENCHMARK(BM_FrequencyKeystroke)->Arg(7)->Arg(101)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
