#include "build/panel_mesh.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace welkin {

namespace {

// One kind of interval along an axis: a well, a fin, or a glue line
// between wells a and a + 1.
struct Span {
    double from = 0;
    double to = 0;
    int well = -1;  // the well's index when a well or the lower well of a glue line
    bool glue = false;
};

std::vector<Span> spans(const BuildDesign& d, double length_mm, bool wells_along) {
    if (!wells_along) return {{0, length_mm, 0, false}};
    std::vector<Span> out;
    const double p = d.panel_width_mm / d.n;
    const double t = d.fin_width_mm;
    const double glue = d.two_d && t <= 0 ? d.block_width_mm * glue_line_share : 0;
    for (int i = 0; i < d.n; ++i) {
        if (t > 0) out.push_back({i * p, i * p + t, -1, false});
        const double from = i * p + t + (i > 0 ? glue / 2 : 0);
        const double to = (i + 1) * p - (i + 1 < d.n ? glue / 2 : 0);
        out.push_back({from, to, i, false});
        if (glue > 0 && i + 1 < d.n) out.push_back({to, to + glue, i, true});
    }
    if (t > 0) out.push_back({d.n * p, d.n * p + t, -1, false});
    return out;
}

// The wells a span covers: a well itself, both sides of a glue line, none
// for a fin.
std::vector<int> wells_of(const Span& s) {
    if (s.well < 0) return {};
    if (s.glue) return {s.well, s.well + 1};
    return {s.well};
}

class HeightField {
public:
    HeightField(const BuildPlan& plan)
        : design_(plan.design),
          heights_(solid_heights(plan.design, plan.options)),
          xs_(spans(design_, plan.size.width_mm, true)),
          ys_(spans(design_, plan.size.height_mm, design_.two_d)) {}

    int columns() const { return static_cast<int>(xs_.size()); }
    int rows() const { return static_cast<int>(ys_.size()); }
    double x(int i) const {
        return i < columns() ? xs_[static_cast<std::size_t>(i)].from : xs_.back().to;
    }
    double y(int j) const {
        return j < rows() ? ys_[static_cast<std::size_t>(j)].from : ys_.back().to;
    }

    // Outside the panel is 0. A glue line stands as high as its higher side.
    double height(int i, int j) const {
        if (i < 0 || j < 0 || i >= columns() || j >= rows()) return 0;
        const std::vector<int> across = wells_of(xs_[static_cast<std::size_t>(i)]);
        const std::vector<int> along =
            design_.two_d ? wells_of(ys_[static_cast<std::size_t>(j)]) : std::vector<int>{0};
        if (across.empty() || along.empty()) return heights_.fins_mm;
        double h = 0;
        for (int r : along)
            for (int c : across)
                h = std::max(h, heights_.wells_mm[static_cast<std::size_t>(r * design_.n + c)]);
        return h;
    }

private:
    const BuildDesign& design_;
    SolidHeights heights_;
    std::vector<Span> xs_;
    std::vector<Span> ys_;
};

class MeshBuilder {
public:
    explicit MeshBuilder(const HeightField& f) : f_(f) {}

    void tops_and_bottoms() {
        for (int j = 0; j < f_.rows(); ++j) {
            for (int i = 0; i < f_.columns(); ++i) {
                const double h = f_.height(i, j);
                if (h <= 0) continue;
                quad(vertex(i, j, h), vertex(i + 1, j, h), vertex(i + 1, j + 1, h),
                     vertex(i, j + 1, h));
                quad(vertex(i, j, 0), vertex(i, j + 1, 0), vertex(i + 1, j + 1, 0),
                     vertex(i + 1, j, 0));
            }
        }
    }

    // Walls on the lines x = x(i) between columns i - 1 and i, and on the
    // lines y = y(j) between rows j - 1 and j.
    void walls() {
        for (int j = 0; j < f_.rows(); ++j) {
            for (int i = 0; i <= f_.columns(); ++i) {
                const double left = f_.height(i - 1, j);
                const double right = f_.height(i, j);
                if (left != right) wall({i, j}, {i, j + 1}, left, right, true);
            }
        }
        for (int j = 0; j <= f_.rows(); ++j) {
            for (int i = 0; i < f_.columns(); ++i) {
                const double front = f_.height(i, j - 1);
                const double back = f_.height(i, j);
                if (front != back) wall({i, j}, {i + 1, j}, front, back, false);
            }
        }
    }

    Mesh take() { return std::move(mesh_); }

private:
    using Corner = std::pair<int, int>;

    std::uint32_t vertex(int i, int j, double z) {
        const auto [at, added] =
            index_.try_emplace({i, j, z}, static_cast<std::uint32_t>(mesh_.vertices.size()));
        if (added) mesh_.vertices.push_back({f_.x(i), f_.y(j), z});
        return at->second;
    }

    void quad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
        mesh_.triangles.push_back({a, b, c});
        mesh_.triangles.push_back({a, c, d});
    }

    // The heights at which faces have corners on the upright line at a
    // corner of the grid, from lo to hi.
    std::vector<double> levels(Corner c, double lo, double hi) const {
        std::vector<double> z = {0};
        for (int di : {-1, 0})
            for (int dj : {-1, 0}) z.push_back(f_.height(c.first + di, c.second + dj));
        std::sort(z.begin(), z.end());
        z.erase(std::unique(z.begin(), z.end()), z.end());
        std::erase_if(z, [&](double v) { return v < lo || v > hi; });
        return z;
    }

    // The wall from p to q (x or y increasing) between heights a (before
    // the line) and b (after it), facing the lower side, as a ladder of
    // triangles up both upright edges.
    void wall(Corner p, Corner q, double a, double b, bool across_x) {
        const double lo = std::min(a, b);
        const double hi = std::max(a, b);
        const std::vector<double> left = levels(p, lo, hi);
        const std::vector<double> right = levels(q, lo, hi);
        // Seen along the line, (p, q, up) turns towards +x on an x line and
        // towards -y on a y line.
        const bool flip = across_x ? a < b : a > b;
        std::size_t i = 0;
        std::size_t k = 0;
        while (i + 1 < left.size() || k + 1 < right.size()) {
            const bool up_left =
                k + 1 == right.size() || (i + 1 < left.size() && left[i + 1] <= right[k + 1]);
            const std::uint32_t v0 = vertex(p.first, p.second, left[i]);
            const std::uint32_t v1 = vertex(q.first, q.second, right[k]);
            const std::uint32_t v2 = up_left ? vertex(p.first, p.second, left[++i])
                                             : vertex(q.first, q.second, right[++k]);
            mesh_.triangles.push_back(flip ? std::array{v0, v2, v1} : std::array{v0, v1, v2});
        }
    }

    const HeightField& f_;
    Mesh mesh_;
    std::map<std::tuple<int, int, double>, std::uint32_t> index_;
};

}  // namespace

Mesh panel_mesh(const BuildPlan& plan) {
    const HeightField field(plan);
    MeshBuilder builder(field);
    builder.tops_and_bottoms();
    builder.walls();
    return builder.take();
}

}  // namespace welkin
