// The assembled panel as one closed solid: a triangle mesh of the height
// field over the back plane, for 3D printing and for acoustics and CAD
// programs. x runs across the wells, y along them (1D) or from the front
// row to the back (2D), z from the back (0) to the face.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "build/build_plan.h"

namespace welkin {

struct Mesh {
    std::vector<std::array<double, 3>> vertices;
    std::vector<std::array<std::uint32_t, 3>> triangles;  // counter-clockwise seen from outside
};

// Blocks of a 2D panel without fins that meet only along an edge are joined
// by a glue line this share of a block wide, so the solid stays 2-manifold.
inline constexpr double glue_line_share = 1.0 / 5000;

// Every wall between neighbours of different heights is split wherever
// another face has a corner on its edge, so no triangle's corner lies on
// another's side. Walls and tops of equal neighbours are not merged.
Mesh panel_mesh(const BuildPlan& plan);

}  // namespace welkin
