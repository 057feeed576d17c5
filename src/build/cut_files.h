// The cut outlines as files for laser cutters and CNC routers, 1:1 in
// millimetres: SVG with a group (an Inkscape layer) per length of stock and
// one for the labels; DXF (R12, written with dxflib) with a layer per
// length of stock and a LABELS layer.
#pragma once

#include <string>

#include "build/build_plan.h"
#include "units/result.h"

namespace welkin {

std::string cut_svg(const BuildPlan& plan);

Result<std::string> cut_dxf(const BuildPlan& plan);

// A length of stock's layer name: "BOARD_1", "STICK_3".
std::string layer_name(const std::string& board_name);

inline constexpr const char* labels_layer = "LABELS";

}  // namespace welkin
