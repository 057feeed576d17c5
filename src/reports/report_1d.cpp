#include "reports/report_1d.h"

#include <algorithm>
#include <cstddef>

#include "units/length_text.h"
#include "units/numtext.h"
#include "units/sentence.h"

namespace welkin {

std::string report_created_message(std::string_view path) {
    return fill(report_created_text, {path});
}

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view title = "Data for One Dimensional  QRD (Quadratic Residue) Diffuser";
constexpr std::string_view freq_start = "Design frequency ";
constexpr std::string_view freq_end = " hz";
constexpr std::string_view wells_start = "Number of wells: ";
constexpr std::string_view deepest_mm = "Deepest well in mm: ";
constexpr std::string_view deepest_inches = "Deepest well in inches: ";
constexpr std::string_view fin_mm = "Fin width in mm: ";
constexpr std::string_view fin_inches = "Fin width in inches: ";
constexpr std::string_view width_mm = "Width of wells in mm: ";
constexpr std::string_view width_inches = "Width of wells in inches: ";
constexpr std::string_view ratios_start = "Ratios";
constexpr std::string_view depths_mm = "Well depths in mm:";
constexpr std::string_view depths_inches = "Well depths in inches:";
constexpr std::string_view heights_mm = "Block heights in mm:";
constexpr std::string_view heights_inches = "Block heights in inches:";
constexpr std::string_view phase_start = "Phase shift in degrees";
constexpr std::string_view seating_end = " (3 times wavelength of lowest diffusion frequency)";

// Entry separators: six blanks before a number text, five before a length.
constexpr std::string_view number_gap = "      ";
constexpr std::string_view length_gap = "     ";

struct WellLines {
    std::string ratios{ratios_start};
    std::string depths;
    std::string heights;
    std::string phases{phase_start};
};

WellLines well_lines(const Design& d, const PanelSequence& sequence) {
    const bool metric = d.unit_mode == UnitMode::metric;
    WellLines out;
    out.depths = metric ? depths_mm : depths_inches;
    out.heights = metric ? heights_mm : heights_inches;
    // A count outside 1..101 (a damaged file) never reads past the sequence.
    const int n = std::clamp(d.well_count, 0, max_well_count);
    const double half = d.design_half_wavelength_mm;
    const double deepest = d.deepest_well_mm;
    for (int i = 0; i < n; ++i) {
        const double s = sequence.at(i);
        const double depth = s / n * half;
        out.ratios.append(number_gap).append(number_text(s));
        out.depths.append(length_gap);
        out.heights.append(length_gap);
        if (metric) {
            out.depths += number_text(round_half_up(depth));
            out.heights += number_text(int_floor(deepest + 0.5 - depth));
        } else {
            out.depths += well_length_words(depth, d.unit_mode);
            out.heights += well_length_words(deepest - depth, d.unit_mode);
        }
        out.phases.append(number_gap).append(number_text(int_floor(s / n * 360)));
    }
    return out;
}

}  // namespace

std::string report_1d_text(const DesignSnapshot& snapshot) {
    const DesignTexts& rating = snapshot.texts;
    const auto field = [&](Field f) { return snapshot.fields[static_cast<std::size_t>(f)]; };
    return report_1d_text(snapshot.design, snapshot.sequence,
                          {.status = snapshot.status,
                           .well_width = field(Field::well_width),
                           .fin_width = field(Field::fin_width),
                           .deepest_well = field(Field::deepest_well),
                           .cutoffs = rating.cutoffs,
                           .period_width = rating.period_width,
                           .seating_distance = rating.seating_distance,
                           .score_summary = rating.score_summary});
}

std::string report_1d_text(const Design& d, const PanelSequence& sequence,
                           const Report1dTexts& texts) {
    const bool metric = d.unit_mode == UnitMode::metric;
    const WellLines wells = well_lines(d, sequence);
    std::string out;
    const auto item = [&out](std::string_view a, std::string_view b = {}) {
        out.append(a).append(b).append(crlf).append(crlf);
    };
    item(title);
    item(texts.status);
    item(freq_start, number_text(d.design_freq_hz) + std::string(freq_end));
    item(wells_start, number_text(d.well_count));
    item(metric ? deepest_mm : deepest_inches, texts.deepest_well);
    item(metric ? fin_mm : fin_inches, texts.fin_width);
    item(metric ? width_mm : width_inches, texts.well_width);
    item(wells.ratios);
    item(wells.depths);
    item(wells.heights);
    item(wells.phases);
    item(texts.cutoffs);
    item(texts.period_width);
    item(texts.seating_distance, seating_end);
    out.append(texts.score_summary).append(crlf);
    return out;
}

}  // namespace welkin
