#include "build/build_options.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "panel2d/cutting_list.h"

namespace welkin {

namespace {

constexpr double most_spare_percent = 1000;

std::string trimmed_lower(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string out;
    if (first == std::string_view::npos) return out;
    for (char c : text.substr(first, last - first + 1)) {
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// Up to the next whole step, so that a default reads like a size on sale.

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

Result<bool> refused(std::string why) {
    return Result<bool>::failure(std::move(why));
}

Result<bool> check_stock(const Stock& s, std::string_view name, double kerf_mm) {
    if (!positive(s.length_mm) || !positive(s.width_mm) || !positive(s.thickness_mm)) {
        return refused("The " + std::string(name) +
                       " length, width and thickness must be above 0 mm");
    }
    if (kerf_mm >= s.length_mm) {
        return refused("The saw kerf must be shorter than the " + std::string(name) + " length");
    }
    return true;
}

Result<bool> check_design(const BuildDesign& d, Construction c) {
    if (d.n < 1 || d.cells() < 1) return refused("The design has no wells to build");
    if (!positive(d.well_width_mm) || !positive(d.block_width_mm) || !positive(d.panel_width_mm) ||
        !positive(d.front_mm) || !std::isfinite(d.fin_width_mm) || d.fin_width_mm < 0) {
        return refused("The design's widths and depths must be above 0 mm to build it");
    }
    if (c == Construction::fins && d.fin_width_mm <= 0) {
        return refused("A build from fins and well bottoms needs a fin width above 0");
    }
    return true;
}

}  // namespace

std::string_view construction_name(Construction c) {
    return c == Construction::fins ? "fins" : "blocks";
}

std::optional<Construction> construction_named(std::string_view name) {
    if (name == "blocks") return Construction::blocks;
    if (name == "fins") return Construction::fins;
    return std::nullopt;
}

std::vector<Material> material_table() {
    std::vector<Material> out;
    for (const MaterialDensity& m : material_densities()) {
        std::string name(m.material);
        while (!name.empty() && name.back() == ' ') name.pop_back();
        out.push_back({name, m.kg_per_m3});
    }
    return out;
}

Result<Material> material_named(std::string_view name) {
    std::string known;
    for (const Material& m : material_table()) {
        if (trimmed_lower(m.name) == trimmed_lower(name)) return m;
        known += (known.empty() ? "" : ", ") + m.name;
    }
    return Result<Material>::failure("Unknown material \"" + std::string(name) +
                                     "\"; the materials are " + known);
}

Result<bool> check_options(const BuildDesign& design, const BuildOptions& o) {
    const Result<bool> buildable = check_design(design, o.construction);
    if (!buildable) return buildable;
    if (!design.two_d && !positive(o.panel_height_mm)) {
        return refused("The panel height must be above 0 mm");
    }
    if (!std::isfinite(o.kerf_mm) || o.kerf_mm < 0)
        return refused("The saw kerf cannot be below 0 mm");
    for (const auto& [stock, name] : {std::pair{&o.board, "board"}, std::pair{&o.stick, "stick"}}) {
        const Result<bool> ok = check_stock(*stock, name, o.kerf_mm);
        if (!ok) return ok;
    }
    if (!positive(o.material.kg_per_m3)) return refused("The density must be above 0 kg/m3");
    if (!std::isfinite(o.spare_percent) || o.spare_percent < 0 ||
        o.spare_percent > most_spare_percent) {
        return refused("The spare allowance must be between 0 and 1000 percent");
    }
    return true;
}

}  // namespace welkin
