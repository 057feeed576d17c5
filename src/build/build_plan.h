// The build planner: parts, cutting plans for boards and sticks, material
// and weight, and what to buy, computed from a design and the builder's
// choices. Every output (sheet, CSV, outlines, solids) describes this.
#pragma once

#include <vector>

#include "build/build_design.h"
#include "build/build_options.h"
#include "build/build_parts.h"
#include "build/cutting_plan.h"
#include "units/result.h"

namespace welkin {

struct StockPlan {
    StockKind kind = StockKind::board;
    Stock stock;
    Packing packing;
    int to_buy = 0;  // lengths used plus the spare allowance, rounded up
};

struct BuildPlan {
    BuildDesign design;
    BuildOptions options;
    PanelSize size;
    std::vector<Part> parts;
    std::vector<StockPlan> stock;  // boards first, then sticks; only those used
    int piece_count = 0;
    double material_m3 = 0;  // the parts' own volume
    double solid_m3 = 0;     // the assembled panel as one solid, wells empty
    double weight_kg = 0;
};

// Refused, with the reason, when the choices cannot build the design: a
// size that is not above 0, a kerf as long as the stock, a part longer than
// the stock or too big for its section, a hollow build without fins.
Result<BuildPlan> plan_build(const BuildDesign& design, const BuildOptions& options);

}  // namespace welkin
