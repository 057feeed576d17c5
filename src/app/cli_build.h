// welkin-cli build: the build plan of the design and its workshop files.
#pragma once

#include <QString>

#include "app/cli_support.h"

namespace welkin {

// build [PROJECT] [--2d [--left L] [--pull P]] [--height MM] [--kerf MM]
// [--construction blocks|fins] [--stock LxWxT] [--stick LxWxT]
// [--material NAME|--density KG_M3] [--spare PCT] and the files to write.
int run_build(const Cli& cli, const QString& project);

// The options build takes, for the dispatcher.
bool only_build_options(const Cli& cli);

}  // namespace welkin
