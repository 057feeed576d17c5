// A diffuser's surface as the far-field model sees it: rigid-bottomed wells
// set into a flat, rigid footprint, repeated side by side.
#pragma once

#include <string_view>
#include <vector>

#include "units/result.h"

namespace welkin {

struct DesignSnapshot;

struct Well {
    double centre_mm = 0;  // from the left edge of its period
    double width_mm = 0;
    double depth_mm = 0;

    friend bool operator==(const Well&, const Well&) = default;
};

// One period of wells lying within [0, period_mm], the rest of the period
// being flat, and how many periods stand side by side. A flat surface is
// one with no wells.
struct Surface {
    std::vector<Well> wells;
    double period_mm = 0;
    int periods = 1;

    friend bool operator==(const Surface&, const Surface&) = default;
};

inline constexpr int max_panels = 20;

inline constexpr std::string_view surface_error_text =
    "The wells must have positive widths and lie within their period";

// Whether the model can be evaluated on the surface: finite positive
// widths, wells inside their period, 1 to 1000 periods.
Result<Surface> checked_surface(Surface surface);

// Cells of width well + fin side by side, each holding one well of the
// given depth centred in it, the fin being the flat rest of the cell.
Surface surface_of_depths(const std::vector<double>& depths_mm, double well_width_mm,
                          double fin_width_mm, int periods);

// The design's N wells as drawn (rotations and inverse in force), each
// its sequence's entry x half wavelength / N deep, unrounded.
Surface surface_of(const DesignSnapshot& snapshot, int periods);

// The same footprint with every well filled in.
Surface flat_of(const Surface& surface);

}  // namespace welkin
