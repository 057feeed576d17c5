#include "build/build_parts.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <tuple>

#include "units/numtext.h"

namespace welkin {

std::string_view part_kind_name(PartKind kind) {
    switch (kind) {
        case PartKind::block: return "block";
        case PartKind::fin: return "fin";
        case PartKind::slotted_fin: return "slotted fin";
        case PartKind::side_fin: return "side fin";
        case PartKind::end_fin: return "end fin";
        case PartKind::bottom: return "well bottom";
    }
    return "part";
}

std::string place_text(const Part& part, const Placement& place, bool two_d) {
    const std::string row = std::to_string(place.row);
    const std::string column = std::to_string(place.column);
    if (!two_d) return (part.is_fin() ? "fin " : "well ") + column;
    if (place.column == fin_across) return "across " + row;
    if (place.row == fin_along) return "along " + column;
    return "row " + row + " col " + column;
}

namespace {

// Pieces whose sizes agree to a hundredth of a millimetre are one part.
using PartKey = std::tuple<int, double, double, double, bool>;

class PartList {
public:
    void add(const Part& shape, Placement place) {
        const bool slots_from_front = !shape.notches.empty() && shape.notches.front().from_front;
        const PartKey key{static_cast<int>(shape.kind),
                          round_half_up_to_decimals(shape.length_mm, 2),
                          round_half_up_to_decimals(shape.width_mm, 2),
                          round_half_up_to_decimals(shape.thickness_mm, 2), slots_from_front};
        auto [at, added] = index_.try_emplace(key, parts_.size());
        if (added) parts_.push_back(shape);
        parts_[at->second].places.push_back(place);
    }

    // Longest first within each kind, then labelled in that order.
    std::vector<Part> take() {
        std::stable_sort(parts_.begin(), parts_.end(), [](const Part& a, const Part& b) {
            return std::tie(a.kind, b.length_mm, b.width_mm) <
                   std::tie(b.kind, a.length_mm, a.width_mm);
        });
        std::map<char, int> numbers;
        for (Part& p : parts_) {
            const char prefix = p.kind == PartKind::block    ? 'B'
                                : p.kind == PartKind::bottom ? 'W'
                                                             : 'F';
            p.label = prefix + std::to_string(++numbers[prefix]);
        }
        return std::move(parts_);
    }

private:
    std::vector<Part> parts_;
    std::map<PartKey, std::size_t> index_;
};

double pitch_mm(const BuildDesign& d) {
    return d.n > 0 ? d.panel_width_mm / d.n : 0;
}

double fin_depth_mm(const BuildDesign& d, Construction c) {
    // A hollow build's deepest bottom sits inside the fins, behind its well.
    return c == Construction::fins ? d.front_mm + d.fin_width_mm : d.front_mm;
}

void add_wells(PartList& list, const BuildDesign& d, const BuildOptions& o) {
    for (int i = 0; i < d.cells(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int row = d.two_d ? d.row_of(i) + 1 : 0;
        const int column = d.column_of(i) + 1;
        Part p;
        if (o.construction == Construction::fins) {
            p.kind = PartKind::bottom;
            p.length_mm = d.two_d ? d.well_width_mm : o.panel_height_mm;
            p.width_mm = d.well_width_mm;
            p.thickness_mm = d.fin_width_mm;
            list.add(p, {row, column, d.well_depth_mm[at]});
            continue;
        }
        const double height = d.block_height_mm[at];
        if (height < shortest_block_mm) continue;
        p.kind = PartKind::block;
        p.stock = StockKind::stick;
        if (d.two_d) {
            p.length_mm = height;
            p.width_mm = d.block_width_mm;
        } else {
            p.length_mm = o.panel_height_mm;
            p.width_mm = height;
        }
        p.thickness_mm = d.block_width_mm;
        list.add(p, {row, column, 0});
    }
}

void add_fins_1d(PartList& list, const BuildDesign& d, const BuildOptions& o) {
    Part p;
    p.kind = PartKind::fin;
    p.length_mm = o.panel_height_mm;
    p.width_mm = fin_depth_mm(d, o.construction);
    p.thickness_mm = d.fin_width_mm;
    for (int line = 0; line <= d.n; ++line) list.add(p, {0, line, 0});
}

// N - 1 fins each way, halved into one another: those across the panel are
// slotted from the front, those front to back from the back. The side fins
// close the ends of the fins across; the front and back fins cover the lot.
void add_fins_2d(PartList& list, const BuildDesign& d, const BuildOptions& o) {
    const double t = d.fin_width_mm;
    const double w = d.panel_width_mm;
    Part inner;
    inner.kind = PartKind::slotted_fin;
    inner.length_mm = w - t;
    inner.width_mm = fin_depth_mm(d, o.construction);
    inner.thickness_mm = t;
    for (int k = 1; k < d.n; ++k) {
        inner.notches.push_back({k * pitch_mm(d) - t, t, inner.width_mm / 2, true});
    }
    Part along = inner;
    for (Slot& s : along.notches) s.from_front = false;
    Part side = inner;
    side.kind = PartKind::side_fin;
    side.notches.clear();
    Part end = side;
    end.kind = PartKind::end_fin;
    end.length_mm = w + t;
    for (int line = 1; line < d.n; ++line) {
        list.add(inner, {line, fin_across, 0});
        list.add(along, {fin_along, line, 0});
    }
    for (int line : {0, d.n}) {
        list.add(side, {fin_along, line, 0});
        list.add(end, {line, fin_across, 0});
    }
}

}  // namespace

std::vector<Part> list_parts(const BuildDesign& design, const BuildOptions& options) {
    PartList list;
    add_wells(list, design, options);
    if (design.fin_width_mm > 0 && design.n > 0) {
        if (design.two_d) {
            add_fins_2d(list, design, options);
        } else {
            add_fins_1d(list, design, options);
        }
    }
    return list.take();
}

bool section_fits(const Part& p, const Stock& s) {
    return (p.width_mm <= s.width_mm && p.thickness_mm <= s.thickness_mm) ||
           (p.width_mm <= s.thickness_mm && p.thickness_mm <= s.width_mm);
}

bool part_fits(const Part& p, const Stock& s) {
    return p.length_mm <= s.length_mm && section_fits(p, s);
}

double Part::volume_mm3() const {
    double cut = 0;
    for (const Slot& s : notches) cut += s.width_mm * s.depth_mm;
    return (length_mm * width_mm - cut) * thickness_mm;
}

SolidHeights solid_heights(const BuildDesign& design, const BuildOptions& options) {
    SolidHeights h;
    h.fins_mm = panel_size(design, options).depth_mm;
    for (int i = 0; i < design.cells(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        double height = design.block_height_mm[at];
        if (options.construction == Construction::fins) {
            height = h.fins_mm - design.well_depth_mm[at];
        } else if (height < shortest_block_mm) {
            height = 0;
        }
        h.wells_mm.push_back(height);
    }
    return h;
}

PanelSize panel_size(const BuildDesign& design, const BuildOptions& options) {
    const double across = design.panel_width_mm + design.fin_width_mm;
    const double depth =
        design.fin_width_mm > 0 ? fin_depth_mm(design, options.construction) : design.front_mm;
    return {across, design.two_d ? across : options.panel_height_mm, depth};
}

namespace {

constexpr std::string_view default_material = "MDF";
constexpr double default_stock_length_mm = 2400;
constexpr double stock_width_step_mm = 25;

double rounded_up(double mm, double step) {
    return std::ceil(mm / step - 1e-9) * step;
}

}  // namespace

BuildOptions default_build_options(const BuildDesign& design) {
    BuildOptions o;
    o.construction = design.fin_width_mm > 0 ? Construction::fins : Construction::blocks;
    o.material = *material_named(default_material);
    o.board = {default_stock_length_mm, stock_width_step_mm, 0};
    o.stick = {default_stock_length_mm, stock_width_step_mm, 0};
    // Stock for either construction, so that choosing the other still fits.
    for (Construction c : {Construction::blocks, Construction::fins}) {
        BuildOptions other = o;
        other.construction = c;
        for (const Part& p : list_parts(design, other)) {
            Stock& s = p.stock == StockKind::stick ? o.stick : o.board;
            s.length_mm = std::max(s.length_mm, rounded_up(p.length_mm, 100));
            s.width_mm = std::max(s.width_mm, rounded_up(p.width_mm, stock_width_step_mm));
            s.thickness_mm = std::max(s.thickness_mm, p.thickness_mm);
        }
    }
    // Stock that no part is cut from still needs a size the builder can change.
    for (Stock* s : {&o.board, &o.stick}) {
        if (s->thickness_mm <= 0) s->thickness_mm = stock_width_step_mm;
    }
    return o;
}

}  // namespace welkin
