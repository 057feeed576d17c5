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

// The run's picture; `message` gets the analysis's refusal, if any (the
// picture then holds only its edges, and the legend in the explorer).
QImage render_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                    std::string* message = nullptr);

// Writes PNG, SVG or PDF by the file's extension. Empty on success, else why
// nothing was written (the analysis's refusal among them, also put in `message`).
QString export_lobes(const LobeInputs& in, const LobesRunOptions& options, QSize size,
                     const QString& path, std::string* message);

}  // namespace welkin
