#include "build/build_plan.h"

#include <cmath>
#include <string>

#include "build/workshop_text.h"

namespace welkin {

namespace {

constexpr double mm3_per_m3 = 1e9;

std::string mm_text(double mm) {
    return workshop_mm(mm) + " mm";
}

std::string_view stock_name(StockKind k) {
    return k == StockKind::stick ? "stick" : "board";
}

Result<bool> check_fit(const Part& p, const Stock& s, StockKind kind) {
    const std::string name = "Part " + p.label + " (" + std::string(part_kind_name(p.kind)) + ")";
    if (p.length_mm > s.length_mm) {
        return Result<bool>::failure(name + " is " + mm_text(p.length_mm) +
                                     " long, longer than the " + std::string(stock_name(kind)) +
                                     " (" + mm_text(s.length_mm) + ")");
    }
    if (!section_fits(p, s)) {
        return Result<bool>::failure(name + " is " + mm_text(p.width_mm) + " x " +
                                     mm_text(p.thickness_mm) + ", more than the " +
                                     std::string(stock_name(kind)) + "'s section (" +
                                     mm_text(s.width_mm) + " x " + mm_text(s.thickness_mm) + ")");
    }
    return true;
}

std::vector<Piece> pieces_of(const std::vector<Part>& parts, StockKind kind) {
    std::vector<Piece> out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].stock != kind) continue;
        for (std::size_t j = 0; j < parts[i].places.size(); ++j) {
            out.push_back({i, j, parts[i].length_mm});
        }
    }
    return out;
}

double solid_mm3(const BuildDesign& d, const BuildOptions& o, const PanelSize& size) {
    const SolidHeights h = solid_heights(d, o);
    const double cell = d.block_width_mm * (d.two_d ? d.block_width_mm : o.panel_height_mm);
    double wells = 0;
    for (double height : h.wells_mm) wells += cell * height;
    const double footprint = size.width_mm * size.height_mm;
    const double fins = (footprint - cell * d.cells()) * h.fins_mm;
    return wells + fins;
}

}  // namespace

Result<BuildPlan> plan_build(const BuildDesign& design, const BuildOptions& options) {
    const Result<bool> usable = check_options(design, options);
    if (!usable) return Result<BuildPlan>::failure(usable.message());
    BuildPlan plan;
    plan.design = design;
    plan.options = options;
    plan.size = panel_size(design, options);
    plan.parts = list_parts(design, options);
    for (const Part& p : plan.parts) {
        const Stock& s = p.stock == StockKind::stick ? options.stick : options.board;
        const Result<bool> fits = check_fit(p, s, p.stock);
        if (!fits) return Result<BuildPlan>::failure(fits.message());
        plan.piece_count += p.count();
        plan.material_m3 += p.volume_mm3() * p.count() / mm3_per_m3;
    }
    for (StockKind kind : {StockKind::board, StockKind::stick}) {
        const std::vector<Piece> pieces = pieces_of(plan.parts, kind);
        if (pieces.empty()) continue;
        StockPlan sp;
        sp.kind = kind;
        sp.stock = kind == StockKind::stick ? options.stick : options.board;
        sp.packing = pack_pieces(pieces, sp.stock.length_mm, options.kerf_mm);
        const double used = static_cast<double>(sp.packing.lengths.size());
        sp.to_buy = static_cast<int>(std::ceil(used * (1 + options.spare_percent / 100) - 1e-9));
        plan.stock.push_back(std::move(sp));
    }
    plan.solid_m3 = solid_mm3(design, options, plan.size) / mm3_per_m3;
    plan.weight_kg = plan.material_m3 * options.material.kg_per_m3;
    return plan;
}

}  // namespace welkin
