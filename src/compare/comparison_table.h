// The comparison table printed: aligned text to read, and CSV for a
// spreadsheet. Both show the cells as the window does and mark the best.
#pragma once

#include <string>
#include <vector>

#include "compare/comparison_rows.h"

namespace welkin {

// A heading line of design names, then each group's title and its rows; a
// best cell is followed by "*".
std::string comparison_text(const std::vector<std::string>& names,
                            const std::vector<ComparisonRow>& rows);

// group,row,<one column per design>,best: the best designs' names joined
// by "; ". Cells holding a comma, quote or line break are quoted.
std::string comparison_csv(const std::vector<std::string>& names,
                           const std::vector<ComparisonRow>& rows);

// The names of a comparison's designs, in column order.
std::vector<std::string> design_names(const Comparison& comparison);

}  // namespace welkin
