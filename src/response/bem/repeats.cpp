#include "response/bem/repeats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace welkin::bem {

namespace {

// Lengths to the nanometre and directions to 1e-9: far finer than any
// element, far coarser than the arithmetic's noise. Two copies that round
// apart are merely computed twice.
std::int64_t quantised(double x) {
    return std::llround(x * 1e9);
}

// An element's shape and place within its cell, and the cell.
struct Placed {
    std::array<std::int64_t, 5> shape{};
    int cell = 0;
    std::size_t element = 0;
};

// A wall standing exactly on a cell's edge belongs to the cell on its
// left, whichever way its arithmetic rounded: the wall after a diffuser's
// last well then closes every period alike, the end one included.
constexpr double edge_slack = -1e-7;

std::vector<Placed> placed_elements(const Mesh& mesh) {
    double left = std::numeric_limits<double>::infinity();
    for (const Point& p : mesh.nodes) left = std::min(left, p.x);
    const double step = mesh.repeat.step_m;
    std::vector<Placed> out;
    for (std::size_t i = 0; i < mesh.elements.size(); ++i) {
        const Element& e = mesh.elements[i];
        const double cells_in = (e.centre.x - left) / step + edge_slack;
        // Out of every cell when the arithmetic has failed.
        const int cell = std::isfinite(cells_in) && std::abs(cells_in) < 1e9
                             ? static_cast<int>(std::floor(cells_in))
                             : -1;
        const double within = e.centre.x - left - cell * step;
        out.push_back({{quantised(e.direction.x), quantised(e.direction.y), quantised(e.length),
                        quantised(within), quantised(e.centre.y)},
                       cell,
                       i});
    }
    return out;
}

// Whether a run of one shape holds exactly one element in every cell.
bool one_in_every_cell(std::vector<Placed>::const_iterator from, std::size_t size, int cells) {
    if (size != static_cast<std::size_t>(cells)) return false;
    for (int c = 0; c < cells; ++c) {
        if (from[c].cell != c) return false;
    }
    return true;
}

}  // namespace

Repeats repeats_of(const Mesh& mesh) {
    Repeats r;
    const bool repeating = mesh.repeat.count > 1 && std::isfinite(mesh.repeat.step_m) &&
                           mesh.repeat.step_m > 0 && !mesh.nodes.empty();
    if (!repeating) {
        for (std::size_t i = 0; i < mesh.elements.size(); ++i) r.others.push_back(i);
        return r;
    }
    r.cells = mesh.repeat.count;
    std::vector<Placed> placed = placed_elements(mesh);
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.shape != b.shape ? a.shape < b.shape : a.cell < b.cell;
    });
    for (auto run = placed.cbegin(); run != placed.cend();) {
        const auto end = std::find_if(run, placed.cend(),
                                      [&](const Placed& p) { return p.shape != run->shape; });
        const auto size = static_cast<std::size_t>(end - run);
        if (one_in_every_cell(run, size, r.cells)) {
            std::vector<std::size_t>& family = r.families.emplace_back();
            for (auto p = run; p != end; ++p) family.push_back(p->element);
        } else {
            for (auto p = run; p != end; ++p) r.others.push_back(p->element);
        }
        run = end;
    }
    std::sort(r.others.begin(), r.others.end());
    return r;
}

}  // namespace welkin::bem
