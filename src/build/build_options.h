// The builder's choices: how the panel is made and from what.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "build/build_design.h"
#include "units/result.h"

namespace welkin {

// Solid blocks glued between the fins (if any), or a hollow build of fins
// with a bottom board in each well: the two builds of the 2D report.
enum class Construction { blocks, fins };

std::string_view construction_name(Construction c);  // "blocks" or "fins"
std::optional<Construction> construction_named(std::string_view name);

// Timber as bought: length along the grain, width and thickness across it.
struct Stock {
    double length_mm = 0;
    double width_mm = 0;
    double thickness_mm = 0;
    friend bool operator==(const Stock&, const Stock&) = default;
};

struct Material {
    std::string name;  // as the report's table writes it, without its trailing blank
    double kg_per_m3 = 0;
    friend bool operator==(const Material&, const Material&) = default;
};

// The report's seventeen materials, in its order.
std::vector<Material> material_table();

// A material of the table by name (case and surrounding blanks ignored), or
// why there is none.
Result<Material> material_named(std::string_view name);

struct BuildOptions {
    double panel_height_mm = 600;  // the length of the wells of a 1D panel
    Construction construction = Construction::blocks;
    double kerf_mm = 3;
    Stock board;  // fins and well bottoms
    Stock stick;  // blocks, ripped to their height for a 1D panel
    Material material;
    double spare_percent = 10;
    friend bool operator==(const BuildOptions&, const BuildOptions&) = default;
};

// Why these choices cannot build anything, or nothing.
Result<bool> check_options(const BuildDesign& design, const BuildOptions& options);

}  // namespace welkin
