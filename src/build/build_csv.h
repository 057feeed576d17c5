// The parts list and the cutting plan as CSV, for spreadsheets: one header
// line, then one line per distinct part or per piece, lengths in mm.
#pragma once

#include <string>

#include "build/build_plan.h"

namespace welkin {

std::string parts_csv(const BuildPlan& plan);
std::string plan_csv(const BuildPlan& plan);

}  // namespace welkin
