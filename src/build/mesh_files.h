// The panel's solid as files: binary STL and 3MF (written with lib3mf),
// millimetres throughout.
#pragma once

#include <string>

#include "build/panel_mesh.h"
#include "units/result.h"

namespace welkin {

// 80-byte header, the triangle count, then each triangle's normal, corners
// and a zero attribute, little-endian.
std::string stl_bytes(const Mesh& mesh, const std::string& name);

// A 3MF package with the mesh as one object on the build plate.
Result<std::string> three_mf_bytes(const Mesh& mesh, const std::string& name);

}  // namespace welkin
