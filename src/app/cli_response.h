// welkin-cli's response commands: the far-field polar response and
// diffusion coefficients of the design or of wells given by their depths,
// printed or drawn.
#pragma once

#include <QString>

#include "app/cli_support.h"

namespace welkin {

// response [PROJECT] [--freq F] [--source-angle PSI] [--panels P] [--speed C]
// [--bands] [--json|--csv], or with --depths LIST --well-width MM
// [--fin-width MM] --panels P --freq F instead of a design.
int run_response(const Cli& cli, const QString& project);

// render response [PROJECT] [--freq F] [--source-angle PSI] [--panels P]
// [--speed C] -o FILE [--size WxH].
int run_render_response(const Cli& cli, const QString& project);

}  // namespace welkin
