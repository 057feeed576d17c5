// One keystroke in the design-frequency field, through the recompute to all
// three pictures drawn again at their on-screen size: the work the main
// window does between a key press and the next frame.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <string>

#include "core/main_form.h"
#include "fake_host.h"
#include "persist/startup.h"
#include "ui/picture_render.h"

namespace {

void BM_FrequencyKeystroke(benchmark::State& state) {
    welkin::FakeHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    form.set_field_text(welkin::Field::Text1, std::to_string(state.range(0)));
    const char* const texts[] = {"500", "501"};
    int i = 0;
    for (auto _ : state) {
        form.set_field_text(welkin::Field::Text2, texts[i ^= 1]);
        for (const welkin::Picture p :
             {welkin::Picture::Picture1, welkin::Picture::Picture2, welkin::Picture::Picture3}) {
            const QImage image =
                welkin::render_picture(p, form.design(), welkin::picture_size(p, form.design()));
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
