// The design after the recompute as a list of named facts: the batch
// program prints it as "name: value" lines or as JSON, both from this one
// table, so the two cannot drift apart.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "canvas/rgb.h"
#include "core/design_snapshot.h"
#include "forms/shown_design.h"

namespace welkin {

using SummaryValue =
    std::variant<bool, double, std::string, std::vector<double>, Rgb, std::vector<Rgb>>;

struct SummaryItem {
    std::string_view group;  // the JSON object it sits in; empty at the top level
    std::string_view key;
    SummaryValue value;
    std::string_view text_name = {};  // the text line's name when not group.key
};

// What the summary reports of the main window beside the design it shows.
struct SummaryWindow {
    bool busy = false;
    FieldTexts fields;
    std::string title;
    int results_page = 1;  // the figures table's page
};

std::vector<SummaryItem> design_summary_items(const ShownDesign& shown,
                                              const SummaryWindow& window);

// One "name: value" line per item; a grouped item is named group.key unless
// it has a text name of its own (the status line keeps "status"). Lists
// are comma separated, colours r,g,b, and the score summary's line breaks
// become "|".
std::string design_summary(const ShownDesign& shown, const SummaryWindow& window);

}  // namespace welkin
