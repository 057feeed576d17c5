#include "response/bem/boundary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace welkin::bem {

namespace {

constexpr double metres_per_mm = 1e-3;

// Segment ends closer than this are one joint.
constexpr double joint_tolerance_m = 1e-9;

// Traced right to left, so the normal points up, towards the sound.
void add_flat(std::vector<Segment>& out, double left, double right, double y) {
    if (right > left) out.push_back({{right, y}, {left, y}});
}

// A vertical panel at x from the front face down to depth (positive, m).
void add_wall(std::vector<Segment>& out, double x, double depth) {
    if (depth > 0) out.push_back({{x, -depth}, {x, 0}});
}

// The wall between two wells side by side: one panel down to the deeper
// bottom, jointed where the shallower bottom meets it so that the joint is
// a node of both.
void add_shared_wall(std::vector<Segment>& out, double x, double depth_a, double depth_b) {
    const double shallow = std::min(depth_a, depth_b);
    const double deep = std::max(depth_a, depth_b);
    add_wall(out, x, shallow);
    if (deep > shallow) out.push_back({{x, -deep}, {x, -shallow}});
}

struct WellSpan {
    double left = 0;
    double right = 0;
    double depth = 0;
};

std::vector<WellSpan> well_spans(const Surface& surface, double origin) {
    std::vector<WellSpan> spans;
    for (int p = 0; p < surface.periods; ++p) {
        for (const Well& w : surface.wells) {
            const double centre = origin + (p * surface.period_mm + w.centre_mm) * metres_per_mm;
            const double half = w.width_mm * metres_per_mm / 2;
            spans.push_back({centre - half, centre + half, w.depth_mm * metres_per_mm});
        }
    }
    std::sort(spans.begin(), spans.end(),
              [](const WellSpan& a, const WellSpan& b) { return a.left < b.left; });
    return spans;
}

}  // namespace

Boundary thin_profile(const Surface& surface) {
    const double width = surface.period_mm * surface.periods * metres_per_mm;
    const double origin = -width / 2;
    const std::vector<WellSpan> spans = well_spans(surface, origin);
    // Walls closer than this are one wall (wells side by side without a fin).
    const double touching = 1e-9 * std::max(width, 1e-3);

    Boundary b{BoundaryKind::thin_panels, {}, {surface.period_mm * metres_per_mm, surface.periods}};
    double front_from = origin;  // where the front face not yet laid starts
    double last_depth = 0;       // depth of the well whose right wall is at front_from
    for (const WellSpan& s : spans) {
        if (s.left - front_from > touching) {
            add_wall(b.segments, front_from, last_depth);
            add_flat(b.segments, front_from, s.left, 0);
            add_wall(b.segments, s.left, s.depth);
        } else {
            add_shared_wall(b.segments, s.left, s.depth, last_depth);
        }
        add_flat(b.segments, s.left, s.right, -s.depth);
        front_from = s.right;
        last_depth = s.depth;
    }
    add_wall(b.segments, front_from, last_depth);
    add_flat(b.segments, front_from, origin + width, 0);
    return b;
}

Boundary circle_polygon(double radius_m, int sides) {
    Boundary b{BoundaryKind::closed_body, {}, {}};
    auto corner = [&](int i) {
        const double a = 2 * std::numbers::pi * i / sides;
        return Point{radius_m * std::cos(a), radius_m * std::sin(a)};
    };
    for (int i = 0; i < sides; ++i) b.segments.push_back({corner(i), corner(i + 1)});
    return b;
}

namespace {

// One end of an element where its segment ends: the ends at one point
// are where panels meet.
struct PanelEnd {
    Point at;
    int element = 0;
    int end = 0;  // 0 first node, 1 second
};

void share(Mesh& m, const PanelEnd& e, int unknown, double weight) {
    m.shares[static_cast<std::size_t>(e.element)].ends[static_cast<std::size_t>(e.end)].push_back(
        {unknown, weight});
}

// A joint of m panel ends: unknown q pairs the first end with end q, each
// weighted by its sign so that the signed sum of the jumps stays zero.
void add_joint(Mesh& m, const std::vector<PanelEnd>& ends) {
    auto sign = [](const PanelEnd& e) { return e.end == 1 ? 1.0 : -1.0; };
    for (std::size_t q = 1; q < ends.size(); ++q) {
        share(m, ends[0], m.unknowns, sign(ends[0]));
        share(m, ends[q], m.unknowns, -sign(ends[q]));
        ++m.unknowns;
    }
}

void add_joints(Mesh& m, const std::vector<PanelEnd>& ends) {
    std::vector<bool> taken(ends.size(), false);
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (taken[i]) continue;
        std::vector<PanelEnd> joint{ends[i]};
        for (std::size_t j = i + 1; j < ends.size(); ++j) {
            if (!taken[j] && std::hypot(ends[j].at.x - ends[i].at.x, ends[j].at.y - ends[i].at.y) <
                                 joint_tolerance_m) {
                taken[j] = true;
                joint.push_back(ends[j]);
            }
        }
        add_joint(m, joint);
    }
}

// Each layer toward a panel's end is this much of the one before. Halves
// need twice the layers for the same smallest element; quarters converge
// as well with fewer unknowns.
constexpr double edge_ratio = 0.25;

// Where a segment of `length` is cut, as fractions of it: equal elements no
// longer than max_length_m, the two end ones each cut `edge_layers` times
// toward the end, each cut leaving a quarter of what was left.
std::vector<double> cuts_of(double length, double max_length_m, int edge_layers) {
    // A segment a whole number of elements long, give or take its
    // arithmetic, is cut into that number: equal wells are cut alike.
    constexpr double slack = 1e-9;
    int count = std::max(1, static_cast<int>(std::ceil(length / max_length_m * (1 - slack))));
    if (edge_layers > 0) count = std::max(count, 2);
    std::vector<double> cuts;
    const double first = 1.0 / count;
    cuts.push_back(0);
    for (int j = edge_layers; j >= 1; --j) cuts.push_back(first * std::pow(edge_ratio, j));
    for (int i = 1; i < count; ++i) cuts.push_back(static_cast<double>(i) / count);
    for (int j = 1; j <= edge_layers; ++j) cuts.push_back(1 - first * std::pow(edge_ratio, j));
    cuts.push_back(1);
    return cuts;
}

// Cuts one segment into elements, adding its nodes, and gives its two ends
// with the elements they close; a sliver gives nothing.
void cut_segment(Mesh& m, const Segment& s, double max_length_m, int edge_layers,
                 std::vector<PanelEnd>& segment_ends) {
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double length = std::hypot(dx, dy);
    // A sliver left by rounding (a flat part between two wells that
    // touch) would be an element of no size and a singular matrix.
    if (!(length > joint_tolerance_m)) return;
    const std::vector<double> cuts = cuts_of(length, max_length_m, edge_layers);
    const int count = static_cast<int>(cuts.size()) - 1;
    const Point direction{dx / length, dy / length};
    const Point normal{direction.y, -direction.x};
    const int first = static_cast<int>(m.nodes.size());
    const int first_element = static_cast<int>(m.elements.size());
    for (double t : cuts) m.nodes.push_back({s.a.x + t * dx, s.a.y + t * dy});
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const Point& p = m.nodes[static_cast<std::size_t>(first + i)];
        const Point& q = m.nodes[static_cast<std::size_t>(first + i + 1)];
        m.elements.push_back({{(p.x + q.x) / 2, (p.y + q.y) / 2}, normal, direction,
                              length * (cuts[at + 1] - cuts[at]), first + i, first + i + 1});
    }
    segment_ends.push_back({s.a, first_element, 0});
    segment_ends.push_back({s.b, first_element + count - 1, 1});
}

}  // namespace

Mesh mesh_of(const Boundary& boundary, double max_length_m, int edge_layers) {
    Mesh m{boundary.kind, {}, {}, {}, 0, boundary.repeat};
    std::vector<PanelEnd> segment_ends;
    for (const Segment& s : boundary.segments) {
        cut_segment(m, s, max_length_m, edge_layers, segment_ends);
    }
    if (boundary.kind == BoundaryKind::closed_body) {
        m.unknowns = static_cast<int>(m.elements.size());
        return m;
    }
    m.shares.resize(m.elements.size());
    // Inside a segment, the hat of the two elements meeting at each node.
    for (std::size_t e = 0; e + 1 < m.elements.size(); ++e) {
        if (m.elements[e].second_node == m.elements[e + 1].first_node) {
            const auto at = m.nodes[static_cast<std::size_t>(m.elements[e].second_node)];
            add_joint(m, {{at, static_cast<int>(e), 1}, {at, static_cast<int>(e + 1), 0}});
        }
    }
    add_joints(m, segment_ends);
    return m;
}

}  // namespace welkin::bem
