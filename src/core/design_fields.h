// The main window's input fields, whose texts a recompute reads and writes.
#pragma once

namespace welkin {

// The main window's input fields, by their control names.
enum class Field {
    well_count,
    design_frequency,
    well_width,
    fin_width,
    deepest_well,
    build_depth_2d
};
inline constexpr int field_count = 6;

}  // namespace welkin
