// The boundary a two-dimensional scattering problem is solved on: straight
// segments cut into elements short enough for the wavelength. A boundary is
// either a set of thin rigid panels with air on both sides (a diffuser's
// profile with its rear open) or one closed rigid body.
#pragma once

#include <array>
#include <complex>
#include <vector>

#include "response/surface.h"

namespace welkin::bem {

struct Point {
    double x = 0;
    double y = 0;
};

// A straight piece of boundary from a to b, in metres. Its normal is the
// direction a -> b turned a quarter clockwise, n = (dy, -dx) / length: out
// of a closed body traced anticlockwise, up (+y) for a panel traced right to
// left.
struct Segment {
    Point a;
    Point b;
};

enum class BoundaryKind {
    thin_panels,  // zero thickness, rigid on both faces, edges free
    closed_body,  // one closed polygon traced so its normals point outwards
};

// A boundary made of `count` copies of one cell, each `step_m` along x from
// the one before (a diffuser's periods); a count of 1 repeats nothing.
struct Repeat {
    double step_m = 0;
    int count = 1;
};

struct Boundary {
    BoundaryKind kind = BoundaryKind::thin_panels;
    std::vector<Segment> segments;
    Repeat repeat = {};
};

// The surface as thin rigid panels, front face at y = 0 and wells going
// down into y < 0, centred on x = 0, in metres. Each well has its bottom and
// its side walls; a wall shared by two wells with no fin between them is one
// panel reaching the deeper bottom; fin tops and flat parts lie at y = 0.
Boundary thin_profile(const Surface& surface);

// A circle of the given radius about the origin as a closed polygon of
// `sides` equal sides whose corners lie on it.
Boundary circle_polygon(double radius_m, int sides);

// One element: a straight piece of a segment, with its ends as indices into
// the mesh's nodes (neighbouring elements of one segment share a node).
struct Element {
    Point centre;
    Point normal;
    Point direction;  // unit, from the first node to the second
    double length = 0;
    int first_node = 0;
    int second_node = 0;
};

// On thin panels the pressure jump is continuous and linear along each
// element. An unknown is its value at a node: at a node inside a panel, the
// hat of the two elements meeting there. Where panels meet, the pressure
// around the joint is one value per air space between them, so the jumps
// ending there sum to zero (each counted + where its panel ends, - where it
// starts): m panels give m - 1 unknowns, and a free edge, where the jump
// vanishes, none.
struct Share {
    int unknown = 0;
    double weight = 0;
};

// The unknowns an element's two ends (first node, second node) take part in.
struct ElementShares {
    std::array<std::vector<Share>, 2> ends;
};

struct Mesh {
    BoundaryKind kind = BoundaryKind::thin_panels;
    std::vector<Point> nodes;
    std::vector<Element> elements;
    // Thin panels: per element, and how many unknowns; a closed body has one
    // unknown per element and no shares.
    std::vector<ElementShares> shares;
    int unknowns = 0;
    Repeat repeat = {};
};

// Each segment cut into equal elements no longer than max_length_m (at
// least one each), with the unknowns of its kind. With edge_layers, the
// element at each end of a segment is cut that many times toward the end,
// each piece a quarter of the one before, where the field of thin panels
// changes fastest (free edges, corners, joints).
Mesh mesh_of(const Boundary& boundary, double max_length_m, int edge_layers = 0);

}  // namespace welkin::bem
