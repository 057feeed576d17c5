// The 1D report: a plain-text snapshot of the current design and of what
// the last recompute left on the main window's labels, for printing or for
// pasting into a cutting list. Building it recomputes nothing.
#pragma once

#include <string>
#include <string_view>

#include "core/design.h"
#include "core/design_snapshot.h"

namespace welkin {

inline constexpr std::string_view report_1d_file_name = "welkin_1d.txt";

// Shown after either report has been written, around the file's path.
inline constexpr std::string_view report_created_text = "Report {} created";
inline constexpr std::string_view report_failed_text = "There was a problem creating the report";

std::string report_created_message(std::string_view path);

// The main window's texts that the report prints as they are shown.
struct Report1dTexts {
    std::string status;
    std::string well_width;  // the fields as typed
    std::string fin_width;
    std::string deepest_well;
    std::string cutoffs;
    std::string period_width;
    std::string seating_distance;
    std::string score_summary;
};

// The whole file, its final line break included.
std::string report_1d_text(const Design& d, const PanelSequence& sequence,
                           const Report1dTexts& texts);

// The report of a complete recompute.
std::string report_1d_text(const DesignSnapshot& snapshot);

}  // namespace welkin
