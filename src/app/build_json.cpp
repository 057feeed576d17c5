#include "app/build_json.h"

#include <QJsonArray>

#include "build/build_texts.h"

namespace welkin {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonObject part_json(const Part& p, bool two_d) {
    QJsonArray places;
    for (const Placement& place : p.places) {
        QJsonObject at{{"place", qs(place_text(p, place, two_d))}};
        if (p.kind == PartKind::bottom) at.insert("depth_mm", place.depth_mm);
        places.append(at);
    }
    QJsonArray notches;
    for (const Slot& s : p.notches) {
        notches.append(QJsonObject{{"at_mm", s.at_mm},
                                   {"width_mm", s.width_mm},
                                   {"depth_mm", s.depth_mm},
                                   {"from_front", s.from_front}});
    }
    QJsonObject out{{"label", qs(p.label)},
                    {"kind", qs(part_kind_name(p.kind))},
                    {"count", p.count()},
                    {"length_mm", p.length_mm},
                    {"width_mm", p.width_mm},
                    {"thickness_mm", p.thickness_mm},
                    {"stock", p.stock == StockKind::stick ? "stick" : "board"},
                    {"places", places}};
    if (!notches.isEmpty()) out.insert("slots", notches);
    return out;
}

QJsonObject stock_json(const StockPlan& sp, const std::vector<Part>& parts) {
    QJsonArray lengths;
    for (const StockLength& s : sp.packing.lengths) {
        QJsonArray cuts;
        for (std::size_t i = 0; i < s.pieces.size(); ++i) {
            cuts.append(QJsonObject{{"label", qs(parts[s.pieces[i].part].label)},
                                    {"start_mm", s.offsets_mm[i]},
                                    {"length_mm", s.pieces[i].length_mm}});
        }
        lengths.append(QJsonObject{{"cuts", cuts}, {"offcut_mm", s.offcut_mm}});
    }
    const Packing& p = sp.packing;
    return {{"stock", sp.kind == StockKind::stick ? "stick" : "board"},
            {"length_mm", sp.stock.length_mm},
            {"width_mm", sp.stock.width_mm},
            {"thickness_mm", sp.stock.thickness_mm},
            {"used", static_cast<int>(p.lengths.size())},
            {"first_fit", p.first_fit_count},
            {"lower_bound", p.lower_bound},
            {"optimal", p.optimal},
            {"waste_percent", p.waste_percent},
            {"to_buy", sp.to_buy},
            {"lengths", lengths}};
}

}  // namespace

QJsonObject build_json(const BuildPlan& plan) {
    QJsonArray parts;
    for (const Part& p : plan.parts) parts.append(part_json(p, plan.design.two_d));
    QJsonArray stock;
    for (const StockPlan& sp : plan.stock) stock.append(stock_json(sp, plan.parts));
    const BuildOptions& o = plan.options;
    return {{"panel", plan.design.two_d ? "2d" : "1d"},
            {"order", plan.design.n},
            {"construction", qs(construction_name(o.construction))},
            {"kerf_mm", o.kerf_mm},
            {"spare_percent", o.spare_percent},
            {"size_mm", QJsonArray{plan.size.width_mm, plan.size.height_mm, plan.size.depth_mm}},
            {"pieces", plan.piece_count},
            {"parts", parts},
            {"plan", stock},
            {"material",
             QJsonObject{{"name", qs(o.material.name)}, {"kg_per_m3", o.material.kg_per_m3}}},
            {"material_m3", plan.material_m3},
            {"solid_m3", plan.solid_m3},
            {"weight_kg", plan.weight_kg}};
}

}  // namespace welkin
