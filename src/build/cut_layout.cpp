#include "build/cut_layout.h"

#include <algorithm>

namespace welkin {

namespace {

// Clockwise on screen from the front-left corner, with a notch for each
// slot on the edge it is cut from.
std::vector<Point> outline(const Part& p, double across, double x0, double y0) {
    std::vector<Point> front{{x0, y0}};
    std::vector<Point> back{{x0 + p.length_mm, y0 + across}};
    for (const Slot& s : p.notches) {
        const double a = x0 + s.at_mm;
        const double b = a + s.width_mm;
        if (s.from_front) {
            front.insert(front.end(),
                         {{a, y0}, {a, y0 + s.depth_mm}, {b, y0 + s.depth_mm}, {b, y0}});
        } else {
            const double y = y0 + across;
            back.insert(back.end(), {{b, y}, {b, y - s.depth_mm}, {a, y - s.depth_mm}, {a, y}});
        }
    }
    // The back edge runs right to left, so its notches go in reverse order.
    std::vector<Point> corners = front;
    corners.push_back({x0 + p.length_mm, y0});
    corners.push_back(back.front());
    std::vector<Point> notches(back.begin() + 1, back.end());
    for (std::size_t i = notches.size(); i >= 4; i -= 4)
        corners.insert(corners.end(), notches.begin() + static_cast<std::ptrdiff_t>(i - 4),
                       notches.begin() + static_cast<std::ptrdiff_t>(i));
    corners.push_back({x0, y0 + across});
    return corners;
}

}  // namespace

double across_mm(const Part& p, const Stock& s) {
    return p.width_mm <= s.width_mm ? p.width_mm : p.thickness_mm;
}

double label_height_mm(const BuildPlan& plan) {
    double narrowest = 40;
    for (const Part& p : plan.parts) narrowest = std::min({narrowest, p.width_mm, p.thickness_mm});
    return std::max(1.0, narrowest / 3);
}

std::vector<BoardLayout> cut_layouts(const BuildPlan& plan) {
    std::vector<BoardLayout> out;
    double top = 0;
    const double text = label_height_mm(plan);
    for (const StockPlan& sp : plan.stock) {
        const std::string kind = sp.kind == StockKind::stick ? "stick " : "board ";
        for (std::size_t n = 0; n < sp.packing.lengths.size(); ++n) {
            const StockLength& s = sp.packing.lengths[n];
            BoardLayout b{
                kind + std::to_string(n + 1), top, sp.stock.length_mm, sp.stock.width_mm, {}};
            for (std::size_t i = 0; i < s.pieces.size(); ++i) {
                const Part& part = plan.parts[s.pieces[i].part];
                const Placement& place = part.places[s.pieces[i].place];
                const double across = across_mm(part, sp.stock);
                const double x = s.offsets_mm[i];
                // Below the notches of a fin slotted from the front.
                const bool front_slots = !part.notches.empty() && part.notches.front().from_front;
                const double label_y = top + (front_slots ? part.width_mm / 2 : 0) + text * 1.5;
                b.pieces.push_back({part.label + " " + place_text(part, place, plan.design.two_d),
                                    outline(part, across, x, top),
                                    {x + text / 2, std::min(label_y, top + across - text / 4)}});
            }
            out.push_back(std::move(b));
            top += sp.stock.width_mm + board_gap_mm;
        }
    }
    return out;
}

}  // namespace welkin
