// A plain-text listing of the design state, one "name: value" line per
// item, as welkin-cli prints it.
#pragma once

#include <string>

#include "forms/main_form.h"

namespace welkin {

std::string design_summary(const MainForm& form);

}  // namespace welkin
