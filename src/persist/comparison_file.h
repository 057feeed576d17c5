// The file that keeps a comparison between runs: the source angle, the
// frequency, and each design's name and project lines, as plain text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "persist/project_file.h"

namespace welkin {

struct KeptDesign {
    std::string name;
    ProjectSettings settings;
};

struct KeptComparison {
    double source_angle_deg = 0;
    std::optional<double> frequency_hz;  // none: each design's own
    std::vector<KeptDesign> designs;
};

std::string comparison_file_text(const KeptComparison& kept);

// Nothing for a text this program did not write whole: a wrong first line,
// a number that is not one, a design cut short.
std::optional<KeptComparison> parse_comparison_file(std::string_view text);

}  // namespace welkin
