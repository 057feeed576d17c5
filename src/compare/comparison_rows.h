// The comparison as a table: one row per compared fact, one cell per
// design, and the designs that are best in the rows where best is defined.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compare/comparison.h"

namespace welkin {

enum class RowGroup { inputs, analysis, diffusion, build };

// "Inputs", "Analysis", "Diffusion", "Build".
std::string_view row_group_title(RowGroup group);

// Which way a row's numbers are better, where one way is.
enum class Better { neither, higher, lower };

struct ComparisonRow {
    RowGroup group = RowGroup::inputs;
    std::string_view key;  // names a row with a better way: usable_range, mean_d_n, weight
    std::string label;
    std::vector<std::string> cells;  // one per design, as shown
    std::vector<std::size_t> best;   // the designs marked best, in column order
};

// The designs holding the best of the values, compared as shown (rounded
// to `decimals`). Designs without a value never win. Nothing is marked when
// no design has a value, when the row has no better way, or when every
// design ties, since then there is nothing to choose.
std::vector<std::size_t> best_designs(std::span<const std::optional<double>> values, Better better,
                                      int decimals);

// Inputs, analysis, diffusion and build rows; with `bands` also the d_n of
// each one-third-octave band.
std::vector<ComparisonRow> comparison_rows(const Comparison& comparison, bool bands);

}  // namespace welkin
