#include "compare/comparison.h"

#include <cmath>
#include <utility>

#include "lobes/lobe_inputs.h"
#include "response/design_far_field.h"

namespace welkin {

namespace {

constexpr std::string_view too_many_text = "A comparison holds at most four designs";

template <typename T>
void move_item(std::vector<T>& items, std::size_t from, std::size_t to) {
    T item = std::move(items[from]);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(from));
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(to), std::move(item));
}

}  // namespace

double column_frequency_hz(const PinnedDesign& pinned, const ComparisonSettings& settings) {
    return settings.frequency_hz.value_or(pinned.snapshot.design.design_freq_hz);
}

std::optional<double> mean_d_n(const std::vector<BandValue>& bands, BandRange range) {
    double sum = 0;
    int count = 0;
    for (const BandValue& b : bands) {
        if (b.centre_hz < range.low_hz || b.centre_hz > range.high_hz) continue;
        sum += b.diffusion.d_n;
        ++count;
    }
    if (count == 0) return std::nullopt;
    return sum / count;
}

Result<DesignColumn> compute_column(const PinnedDesign& pinned, const ComparisonSettings& settings,
                                    const BuildPlanner& planner) {
    const LobeInputs inputs = lobe_inputs_of(pinned.snapshot.design, pinned.snapshot.results);
    const Result<LobeAnalysis> lobes = analyse_lobes(inputs, settings.source_angle_deg, true);
    if (!lobes) return Result<DesignColumn>::failure(lobes.message());
    const Sound sound{column_frequency_hz(pinned, settings), settings.source_angle_deg,
                      settings.speed_m_s};
    const Result<ResponseView> response =
        design_far_field(pinned.snapshot, inputs, sound, settings.panels);
    if (!response) return Result<DesignColumn>::failure(response.message());

    DesignColumn column;
    column.lobes = *lobes;
    column.response = *response;
    if (lobes->usable && lobes->usable_low_hz > 0 && lobes->usable_high_hz > lobes->usable_low_hz)
        column.usable_octaves = std::log2(lobes->usable_high_hz / lobes->usable_low_hz);
    column.mean_d_n = mean_d_n(column.response.bands, settings.bands);
    if (planner) column.build = planner(pinned);
    return column;
}

Result<std::size_t> Comparison::add(PinnedDesign pinned) {
    if (designs_.size() >= max_compared_designs)
        return Result<std::size_t>::failure(std::string(too_many_text));
    const Result<DesignColumn> column = compute_column(pinned, settings_, planner_);
    ++computations_;
    if (!column) return Result<std::size_t>::failure(column.message());
    designs_.push_back(std::move(pinned));
    columns_.push_back(*column);
    return designs_.size() - 1;
}

void Comparison::remove(std::size_t index) {
    if (index >= designs_.size()) return;
    designs_.erase(designs_.begin() + static_cast<std::ptrdiff_t>(index));
    columns_.erase(columns_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Comparison::move(std::size_t from, std::size_t to) {
    if (from >= designs_.size() || to >= designs_.size() || from == to) return;
    move_item(designs_, from, to);
    move_item(columns_, from, to);
}

void Comparison::rename(std::size_t index, std::string name) {
    if (index < designs_.size()) designs_[index].name = std::move(name);
}

Result<ComparisonSettings> Comparison::set_settings(const ComparisonSettings& settings) {
    // Checked here too, so an empty comparison cannot take a sound that would
    // refuse every design pinned later.
    if (!(settings.source_angle_deg >= -90 && settings.source_angle_deg <= 90))
        return Result<ComparisonSettings>::failure(std::string(angle_error_text));
    const Sound probe{settings.frequency_hz.value_or(1000), settings.source_angle_deg,
                      settings.speed_m_s};
    if (const Result<Sound> sound = checked_sound(probe); !sound)
        return Result<ComparisonSettings>::failure(sound.message());
    std::vector<DesignColumn> columns;
    for (const PinnedDesign& pinned : designs_) {
        const Result<DesignColumn> column = compute_column(pinned, settings, planner_);
        ++computations_;
        if (!column) return Result<ComparisonSettings>::failure(column.message());
        columns.push_back(*column);
    }
    settings_ = settings;
    columns_ = std::move(columns);
    return settings_;
}

}  // namespace welkin
