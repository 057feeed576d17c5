// The design state after a recompute as one JSON object, with the names the
// program uses for its state and labels.
#pragma once

#include <QJsonObject>

#include "forms/design_summary.h"
#include "forms/main_form.h"

namespace welkin {

QJsonObject summary_json(const MainForm& form);

// The main window's part of the summary: busy, the field texts, the title.
SummaryWindow summary_window(const MainForm& form);

}  // namespace welkin
