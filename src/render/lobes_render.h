// The lobes picture drawn whole, straight through a run: into a QImage for
// the benchmark and PNG files, or onto SVG and PDF devices.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <string>

#include "lobes/lobes_run.h"

namespace welkin {

inline constexpr QSize lobes_default_size{1600, 768};

// The run's picture, or the analysis's refusal (the run then draws only the
// picture's edges, and the legend in the explorer: not worth keeping).
Result<QImage> render_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size);

// Writes PNG, SVG or PDF by the file's extension. The path written, or why
// nothing was (the analysis's refusal among them).
Result<QString> export_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                             const QString& path);

}  // namespace welkin
