#include "render/lobes_render.h"

#include "render/picture_export.h"
#include "render/qt_canvas.h"

namespace welkin {

namespace {

// Draws the run onto the device; gives the analysis's refusal, if any.
std::string run_through(const LobeInputs& in, const LobesRunOptions& options,
                        QPaintDevice& device) {
    // A batch run starts from the memory a freshly started program has.
    SteepAngleMemory memory{};
    QtCanvas canvas(device);
    canvas.set_smoothing(false);
    LobesRun run(in, options, memory);
    run.finish(canvas);
    return run.analysis().message();
}

}  // namespace

Result<QImage> render_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const std::string refusal = run_through(in, options, image);
    if (!refusal.empty()) return Result<QImage>::failure(refusal);
    return image;
}

Result<QString> export_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                             const QString& path) {
    std::string refusal;
    const auto raster = [&] {
        QImage image(size, QImage::Format_RGB32);
        refusal = run_through(in, options, image);
        return image;
    };
    const Result<QByteArray> bytes = drawing_bytes(
        {raster, [&](QPaintDevice& device) { refusal = run_through(in, options, device); }},
        size, path);
    // A refused run draws only the picture's edges: not worth a file.
    if (!refusal.empty()) return Result<QString>::failure(refusal);
    if (!bytes) return Result<QString>::failure(bytes.message());
    return write_picture_file(path, *bytes);
}

}  // namespace welkin
