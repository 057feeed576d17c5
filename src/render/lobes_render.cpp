#include "render/lobes_render.h"

#include "render/picture_export.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

void run_through(const LobeInputs& in, const LobesRunOptions& options, QPaintDevice& device,
                 std::string* message) {
    // A batch run starts from the memory a freshly started program has.
    SteepAngleMemory memory{};
    QtCanvas canvas(device);
    canvas.set_smoothing(false);
    LobesRun run(in, options, memory);
    run.finish(canvas);
    if (message != nullptr) *message = run.analysis().message();
}

}  // namespace

QImage render_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                    std::string* message) {
    QImage image(size, QImage::Format_RGB32);
    run_through(in, options, image, message);
    return image;
}

QString export_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                     const QString& path, std::string* message) {
    std::string refusal;
    const Result<QByteArray> bytes =
        drawing_bytes({[&] { return render_lobes(in, options, size, &refusal); },
                       [&](QPaintDevice& device) { run_through(in, options, device, &refusal); }},
                      size, path);
    if (message != nullptr) *message = refusal;
    // A refused run draws only the picture's edges: not worth a file.
    if (!refusal.empty()) return QString::fromStdString(refusal);
    if (!bytes) return QString::fromStdString(bytes.message());
    return write_picture_file(path, *bytes);
}

}  // namespace welkin
