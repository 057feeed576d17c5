// welkin-cli compare: two to four projects side by side.
#pragma once

#include <QStringList>

#include "app/cli_support.h"

namespace welkin {

// compare A.qrd B.qrd [C.qrd D.qrd] [--source-angle A] [--freq F] [--bands]
// [--json|--csv]. Each design's facts are printed by the summary, lobes and
// response commands' own emitters, so a column equals those commands' output
// for its project.
int run_compare(const Cli& cli, const QStringList& projects);

}  // namespace welkin
