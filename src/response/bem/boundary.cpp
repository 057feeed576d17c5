#include "response/bem/boundary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace welkin::bem {

namespace {

constexpr double metres_per_mm = 1e-3;

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

    Boundary b{BoundaryKind::thin_panels, {}};
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
    Boundary b{BoundaryKind::closed_body, {}};
    auto corner = [&](int i) {
        const double a = 2 * std::numbers::pi * i / sides;
        return Point{radius_m * std::cos(a), radius_m * std::sin(a)};
    };
    for (int i = 0; i < sides; ++i) b.segments.push_back({corner(i), corner(i + 1)});
    return b;
}

Mesh mesh_of(const Boundary& boundary, double max_length_m) {
    Mesh m{boundary.kind, {}, {}};
    for (const Segment& s : boundary.segments) {
        const double dx = s.b.x - s.a.x;
        const double dy = s.b.y - s.a.y;
        const double length = std::hypot(dx, dy);
        if (!(length > 0)) continue;
        const int count = std::max(1, static_cast<int>(std::ceil(length / max_length_m)));
        const Point direction{dx / length, dy / length};
        const Point normal{direction.y, -direction.x};
        const int first = static_cast<int>(m.nodes.size());
        for (int i = 0; i <= count; ++i) {
            const double t = static_cast<double>(i) / count;
            m.nodes.push_back({s.a.x + t * dx, s.a.y + t * dy});
        }
        for (int i = 0; i < count; ++i) {
            const Point& p = m.nodes[static_cast<std::size_t>(first + i)];
            const Point& q = m.nodes[static_cast<std::size_t>(first + i + 1)];
            m.elements.push_back({{(p.x + q.x) / 2, (p.y + q.y) / 2}, normal, direction,
                                  length / count, first + i, first + i + 1});
        }
    }
    return m;
}

}  // namespace welkin::bem
