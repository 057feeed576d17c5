// The subcommands of welkin-cli that work on a loaded design.
#pragma once

#include <QJsonObject>
#include <optional>
#include <string>

#include "forms/lobes_form.h"
#include "forms/main_form.h"
#include "lobes/lobe_analysis.h"

namespace welkin {

// Every field of the lobe analysis by name, its texts and true multiples.
QJsonObject lobes_json(const LobeAnalysis& a);

// The eight result texts, one per line, leaving out those that are empty.
std::string lobes_text(const LobeAnalysis& a);

}  // namespace welkin
