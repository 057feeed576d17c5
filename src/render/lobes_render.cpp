#include "render/lobes_render.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "persist/file_io.h"
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

QByteArray lobes_bytes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                       const QString& suffix, std::string* message) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        if (!render_lobes(in, options, size, message).save(&buffer, "PNG")) return {};
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Welkin"));
        run_through(in, options, svg, message);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        run_through(in, options, pdf, message);
    }
    return bytes;
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
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf")) {
        return QStringLiteral("The file name must end in .png, .svg or .pdf: %1").arg(path);
    }
    std::string refusal;
    const QByteArray bytes = lobes_bytes(in, options, size, suffix, &refusal);
    if (message != nullptr) *message = refusal;
    // A refused run draws only the picture's edges: not worth a file.
    if (!refusal.empty()) return QString::fromStdString(refusal);
    const Result<std::string> written =
        bytes.isEmpty() ? Result<std::string>::failure("the picture could not be drawn")
                        : write_file_atomically(
                              path.toStdString(),
                              std::string_view(bytes.constData(),
                                               static_cast<std::size_t>(bytes.size())));
    if (written) return {};
    return QStringLiteral("Cannot write %1: %2").arg(path, QString::fromStdString(written.message()));
}

}  // namespace welkin
