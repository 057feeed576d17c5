// Two to four designs side by side. Each design is held as a value (its
// inputs and its recompute's results) and everything compared about it is
// computed once, when it joins or the comparison's settings change, never
// while it is drawn or printed.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/design_snapshot.h"
#include "lobes/lobe_analysis.h"
#include "response/far_field.h"
#include "response/response_view.h"
#include "units/result.h"

namespace welkin {

inline constexpr std::size_t min_compared_designs = 2;
inline constexpr std::size_t max_compared_designs = 4;

// A design as it was pinned or opened: its name and its recompute (the
// inputs and menu choices, and what they make).
struct PinnedDesign {
    std::string name;
    DesignSnapshot snapshot;
};

// The one-third-octave bands whose d_n is averaged, by centre frequency.
struct BandRange {
    double low_hz = 100;
    double high_hz = 5000;
};

struct ComparisonSettings {
    double source_angle_deg = 0;
    std::optional<double> frequency_hz;  // each design's own design frequency when none
    BandRange bands;
    int panels = 1;
    double speed_m_s = default_speed_of_sound_m_s;
};

// What a build plan makes of a design; a column without it has no build
// rows marked best.
struct BuildFigures {
    int parts = 0;
    int boards = 0;  // lengths of board and stick to buy
    double weight_kg = 0;
};

// Plans a design's build, or says nothing. The comparison knows no planner
// of its own; the layer that has one hands it over.
using BuildPlanner = std::function<std::optional<BuildFigures>(const PinnedDesign&)>;

// Everything compared about one design under the comparison's settings.
struct DesignColumn {
    LobeAnalysis lobes;                    // at the source angle, lobes mode
    ResponseView response;                 // at the column's frequency, with the band table
    std::optional<double> usable_octaves;  // none when there is no usable range
    std::optional<double> mean_d_n;        // none when no band lies in the range
    std::optional<BuildFigures> build;
};

// The frequency a design is heard at under these settings.
double column_frequency_hz(const PinnedDesign& pinned, const ComparisonSettings& settings);

// Refused with the analysis's or the model's message when the design or the
// sound is one they refuse.
Result<DesignColumn> compute_column(const PinnedDesign& pinned, const ComparisonSettings& settings);

// The mean d_n of the bands whose centres lie within the range.
std::optional<double> mean_d_n(const std::vector<BandValue>& bands, BandRange range);

class Comparison {
public:
    explicit Comparison(BuildPlanner planner = {}) : planner_(std::move(planner)) {}

    // Refuses a design beyond the fourth, or one the analysis refuses.
    Result<std::size_t> add(PinnedDesign pinned);
    // Out-of-range positions change nothing.
    void remove(std::size_t index);
    void move(std::size_t from, std::size_t to);
    void rename(std::size_t index, std::string name);
    // Recomputes every column; when one is refused nothing changes.
    Result<ComparisonSettings> set_settings(const ComparisonSettings& settings);

    const ComparisonSettings& settings() const { return settings_; }
    std::size_t size() const { return designs_.size(); }
    const std::vector<PinnedDesign>& designs() const { return designs_; }
    const std::vector<DesignColumn>& columns() const { return columns_; }
    // Columns computed so far, each join or settings change counting its own.
    long computations() const { return computations_; }

private:
    BuildPlanner planner_;
    ComparisonSettings settings_;
    std::vector<PinnedDesign> designs_;
    std::vector<DesignColumn> columns_;
    long computations_ = 0;
};

}  // namespace welkin
