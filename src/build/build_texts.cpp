#include "build/build_texts.h"

#include "build/workshop_text.h"

namespace welkin {

namespace {

std::string construction_words(Construction c) {
    return c == Construction::fins ? "fins and well bottoms" : "solid blocks";
}

}  // namespace

std::string size_text(double a_mm, double b_mm, double c_mm) {
    return workshop_mm(a_mm) + " x " + workshop_mm(b_mm) + " x " + workshop_mm(c_mm) + " mm";
}

std::string plan_heading(const BuildPlan& plan) {
    const BuildDesign& d = plan.design;
    std::string out = (d.two_d ? "2D panel, N " : "1D panel, N ") + std::to_string(d.n) + ", " +
                      construction_words(plan.options.construction);
    if (!d.two_d) out += ", " + workshop_mm(plan.options.panel_height_mm) + " mm high";
    return out;
}

std::string part_line(const Part& part) {
    return part.label + "  " + std::string(part_kind_name(part.kind)) + " x" +
           std::to_string(part.count()) + "  " +
           size_text(part.length_mm, part.width_mm, part.thickness_mm);
}

std::string stock_line(const StockPlan& stock) {
    const Packing& p = stock.packing;
    const Stock& s = stock.stock;
    std::string out = (stock.kind == StockKind::stick ? "Sticks " : "Boards ") +
                      size_text(s.length_mm, s.width_mm, s.thickness_mm) + ": " +
                      std::to_string(p.lengths.size()) + " used (first fit " +
                      std::to_string(p.first_fit_count) + ", at least " +
                      std::to_string(p.lower_bound) + (p.optimal ? ": optimal" : "") + "), waste " +
                      workshop_number(p.waste_percent, 1) + " %, buy " +
                      std::to_string(stock.to_buy);
    return out;
}

std::string material_line(const BuildPlan& plan) {
    const Material& m = plan.options.material;
    return (m.name.empty() ? std::string("Material") : m.name) + ", " +
           workshop_number(m.kg_per_m3, 1) + " kg/m3: " + workshop_number(plan.material_m3, 4) +
           " m3 of parts, " + workshop_number(plan.weight_kg, 1) + " kg";
}

std::vector<std::string> plan_summary(const BuildPlan& plan) {
    std::vector<std::string> lines;
    lines.push_back(plan_heading(plan));
    lines.push_back("Panel " +
                    size_text(plan.size.width_mm, plan.size.height_mm, plan.size.depth_mm) + ", " +
                    std::to_string(plan.piece_count) + " pieces in " +
                    std::to_string(plan.parts.size()) + " parts");
    for (const Part& p : plan.parts) lines.push_back("  " + part_line(p));
    for (const StockPlan& s : plan.stock) lines.push_back(stock_line(s));
    lines.push_back(material_line(plan));
    return lines;
}

}  // namespace welkin
