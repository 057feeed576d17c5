// The build plan in words: what the builder reads first on the sheet, in
// the Build window and from welkin-cli build.
#pragma once

#include <string>
#include <vector>

#include "build/build_plan.h"

namespace welkin {

// "1D panel, N 7, solid blocks, 600 mm high" and the like.
std::string plan_heading(const BuildPlan& plan);

// "413.4 x 600 x 246 mm"
std::string size_text(double a_mm, double b_mm, double c_mm);

// One line per distinct part: label, kind, count, length x width x thickness.
std::string part_line(const Part& part);

// "Boards 2400 x 275 x 12 mm: 3 used (first fit 3, at least 3: optimal),
// waste 12.3 %, buy 4"
std::string stock_line(const StockPlan& stock);

// "MDF, 700 kg/m3: 0.0123 m3 of parts, 8.6 kg"
std::string material_line(const BuildPlan& plan);

// The whole plan, one line each: heading, size, parts, stock, material.
std::vector<std::string> plan_summary(const BuildPlan& plan);

}  // namespace welkin
