#include "build/build_csv.h"

#include "build/workshop_text.h"

namespace welkin {

namespace {

// A field with a comma or a quote is quoted, its quotes doubled.
std::string field(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string places_of(const Part& p, bool two_d) {
    std::string out;
    for (const Placement& place : p.places) {
        out += (out.empty() ? "" : "; ") + place_text(p, place, two_d);
        if (p.kind == PartKind::bottom) out += " at " + workshop_mm(place.depth_mm);
    }
    return out;
}

std::string_view stock_word(StockKind k) {
    return k == StockKind::stick ? "stick" : "board";
}

}  // namespace

std::string parts_csv(const BuildPlan& plan) {
    std::string out = "label,kind,count,length_mm,width_mm,thickness_mm,stock,places\n";
    for (const Part& p : plan.parts) {
        out += p.label + ',' + std::string(part_kind_name(p.kind)) + ',' +
               std::to_string(p.count()) + ',' + workshop_mm(p.length_mm) + ',' +
               workshop_mm(p.width_mm) + ',' + workshop_mm(p.thickness_mm) + ',' +
               std::string(stock_word(p.stock)) + ',' + field(places_of(p, plan.design.two_d)) +
               '\n';
    }
    return out;
}

std::string plan_csv(const BuildPlan& plan) {
    std::string out = "stock,number,cut,label,start_mm,length_mm,place\n";
    for (const StockPlan& sp : plan.stock) {
        const std::string stock(stock_word(sp.kind));
        for (std::size_t n = 0; n < sp.packing.lengths.size(); ++n) {
            const StockLength& s = sp.packing.lengths[n];
            const std::string prefix = stock + ',' + std::to_string(n + 1) + ',';
            for (std::size_t i = 0; i < s.pieces.size(); ++i) {
                const Part& part = plan.parts[s.pieces[i].part];
                const Placement& place = part.places[s.pieces[i].place];
                out += prefix + std::to_string(i + 1) + ',' + part.label + ',' +
                       workshop_mm(s.offsets_mm[i]) + ',' + workshop_mm(part.length_mm) + ',' +
                       field(place_text(part, place, plan.design.two_d)) + '\n';
            }
            out += prefix + "offcut,," + workshop_mm(sp.stock.length_mm - s.offcut_mm) + ',' +
                   workshop_mm(s.offcut_mm) + ",\n";
        }
    }
    return out;
}

}  // namespace welkin
