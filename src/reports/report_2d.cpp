#include "reports/report_2d.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "panel2d/cutting_list.h"
#include "units/length_text.h"
#include "units/numtext.h"
#include "units/sentence.h"

namespace welkin {

namespace {

constexpr std::string_view crlf = "\r\n";

constexpr std::string_view title = "Welkin report for 2D QRD diffuser";
constexpr std::string_view title_rule = "===================================";
constexpr std::string_view about_optimised =
    "DEPTH-OPTIMISED INVERSE PANEL is based on a modulated series of INVERSE 1D QRD panels";
constexpr std::string_view optimised_note =
    "NOTE: Depth-optimised 2D inverse panels are only intended for stand-alone usage or in "
    "arrays of the one type of panel.";
constexpr std::string_view optimised_warning =
    "They are not suitable for Barker-style modulation of arrays comprising a mixture of normal "
    "and inverse panels.";
constexpr std::string_view about_legacy =
    "LEGACY INVERSE PANEL is based on a modulated series of INVERSE 1D QRD panels";
constexpr std::string_view about_standard =
    "STANDARD PANEL is based on a modulated series of STANDARD 1D QRD panels";
constexpr std::string_view has_fins = "Panel does have fins";
constexpr std::string_view no_fins = "Panel does NOT have fins";
constexpr std::string_view order_line = "Panel order = {}";
constexpr std::string_view freq_line = "Design frequency {} Hz";
constexpr std::string_view wells_line = "Number of wells = {}";
constexpr std::string_view shift_line =
    "Panel is shifted {} wells to the left and pulled {} rows towards the front";
// A length's blanks are its number, then its unit.
constexpr std::string_view depth_unit_line = "One depth unit is equivalent to {}{}";
constexpr std::string_view build_depth_line = "Build depth is {}{}";
constexpr std::string_view width_finned = "Panel width including additional end fin is {}{}";
constexpr std::string_view width_finless = "Panel width (no fins) is {}{}";
constexpr std::string_view period_good = "Period width is larger than design wavelength - good!";
constexpr std::string_view period_warning =
    "WARNING - Period width is less than design wavelength. Correct diffusion will not occur at "
    "the design frequency";

constexpr std::string_view heights_mm = "Block Heights in mm";
constexpr std::string_view heights_inches = "Block Heights in inches";
constexpr std::string_view heights_units = "Block Heights in depth units";
constexpr std::string_view depths_mm = "Well depths in mm";
constexpr std::string_view depths_inches = "Well depths in inches";
constexpr std::string_view depths_units = "Well depths in depth units";
constexpr std::string_view table_rule = "-----------------------------------";
// A row's number, which end it is, and the 1D panel's order, shift and side shift.
constexpr std::string_view row_standard = "Row {}{} ... equivalent to 1D panel N{}+{},{}";
constexpr std::string_view row_inverse = "Row {}{} ... equivalent to Inverse 1D panel N{}-{},{}";
constexpr std::string_view row_front = " (Front)";
constexpr std::string_view row_back = " (Back)";
constexpr std::string_view row_optimised = " which has been depth-optimised";
constexpr std::string_view cell_gap = ",   ";

constexpr std::string_view blocks_title = "Block details";
constexpr std::string_view blocks_rule = "=============";
constexpr std::string_view block_width_line = "Block width {}{}";
constexpr std::string_view empty_wells_line = "Number of empty wells {}";
constexpr std::string_view blocks_line = "{} blocks of height {} depth units, or {}{}";
constexpr std::string_view blocks_total_rule = "----------------------------------------";
constexpr std::string_view block_length_line = "Total block length {}";

constexpr std::string_view fins_title = "Fin details";
constexpr std::string_view fins_rule = "===========";
constexpr std::string_view fin_thickness_line = "Fin thickness {}{}";
constexpr std::string_view fin_height_line = "Fin height {}{}";
constexpr std::string_view slotted_line =
    "Number of fins slotted to form cross-matrix = {}    cut to length = {}{}  plus any "
    "allowance to rebate into sides";
constexpr std::string_view side_fins_line = "Side fins (not slotted) = 2    cut to length = {}{}";
constexpr std::string_view end_fins_line =
    "Front and back fins (not slotted) = 2    cut to length = {}{}  .. plus any allowance for "
    "flush-trimming with router";
constexpr std::string_view fin_length_line = "Total fin length {}  .. plus any allowances";

constexpr std::string_view volume_finless = "Volume based on solid build using blocks (no fins)";
constexpr std::string_view volume_finned =
    "Volume based on hollow build using fins plus well bottoms made of same material as fins "
    "(no backboard)";
constexpr std::string_view volume_rule = "---------------------------------------------------";
constexpr std::string_view volume_metric = "Volume = {} cubic metres";
constexpr std::string_view volume_imperial = "Volume = {} cubic feet";
constexpr std::string_view weights_title = "Estimated weight using various materials";
constexpr std::string_view weights_rule_inches = "-----------------------------------------";
// A material's name, then its weight.
constexpr std::string_view weight_metric = "{}{} kg";
constexpr std::string_view weight_imperial = "{}{} lbs";

constexpr std::string_view unit_mm = " mm";
constexpr std::string_view unit_inches = " inches";
constexpr std::string_view metres = " metres";

// The cutting list's lengths, as the design and the last recompute give them.
PanelLengths2d panel_lengths(const Design& d, const DesignResults& r) {
    PanelLengths2d lengths;
    lengths.depth_unit_mm = depth_unit_mm(d);
    lengths.fin_width_mm = d.fin_width_mm;
    lengths.panel_width_mm = r.panel_width_mm;
    lengths.build_depth_mm = d.build_depth_2d_mm;
    lengths.block_width_mm = r.well_width_shown_mm;
    lengths.well_width_mm = d.well_width_mm;
    return lengths;
}

// Describes the grid and a cutting list worked out beforehand: every number
// is computed before the first line is written.
class Report2d {
public:
    Report2d(const Design& d, const DesignResults& r, const Offsets2d& o)
        : design_(d),
          results_(r),
          offsets_(o),
          grid_(grid_2d(d)),
          metric_(d.unit_mode == UnitMode::metric),
          unit_(metric_ ? unit_mm : unit_inches),
          lengths_(panel_lengths(d, r)),
          order_(listed_order(grid_)),
          list_(cutting_list_2d(grid_, offsets_, lengths_)) {}

    std::string text() {
        header();
        table(metric_ ? heights_mm : heights_inches, TableValue::height_length);
        table(heights_units, TableValue::height_units);
        table(metric_ ? depths_mm : depths_inches, TableValue::depth_length);
        table(depths_units, TableValue::depth_units);
        block_details();
        if (list_.finned) fin_details();
        volume_and_weights();
        return std::move(out_);
    }

private:
    enum class TableValue { height_length, height_units, depth_length, depth_units };

    template <typename... Parts>
    void line(const Parts&... parts) {
        (out_.append(parts), ...);
        out_.append(crlf);
    }
    void blank() { out_.append(crlf); }

    // A length in the words of the unit mode, without blanks at either end.
    std::string length_text(double mm) const {
        if (metric_) return number_text_trimmed(mm);
        return trimmed(imperial_text(mm));
    }
    // The formatter's text as it comes: decimal inches keep their leading blank.
    std::string imperial_text(double mm) const { return length_words(mm, design_.unit_mode); }
    // A total in metres to the centimetre, or in inches.
    std::string total_length_text(double mm) const {
        if (metric_) return number_text_trimmed(round_half_up(mm / 10) / 100) + std::string(metres);
        return imperial_text(round_half_up(mm)) + std::string(unit_inches);
    }

    void variant_description() {
        switch (grid_.variant) {
            case Variant2d::optimised_inverse:
                line(about_optimised);
                blank();
                line(optimised_note);
                line(optimised_warning);
                blank();
                break;
            case Variant2d::legacy_inverse: line(about_legacy); break;
            case Variant2d::standard: line(about_standard); break;
        }
    }

    void header() {
        line(title);
        line(title_rule);
        blank();
        variant_description();
        line(list_.finned ? has_fins : no_fins);
        blank();
        const double order = grid_.n;
        line(fill(order_line, {number_text(order)}));
        line(fill(freq_line, {number_text(design_.design_freq_hz)}));
        line(fill(wells_line, {number_text(order * order)}));
        line(fill(shift_line, {number_text_trimmed(offsets_.left_shift),
                               number_text_trimmed(offsets_.pull)}));
        blank();
        line(fill(depth_unit_line,
                  {length_text(round_half_up_to_decimals(lengths_.depth_unit_mm, 1)), unit_}));
        line(fill(build_depth_line, {length_text(round_half_up(lengths_.build_depth_mm)), unit_}));
        blank();
        line(fill(list_.finned ? width_finned : width_finless,
                  {length_text(lengths_.fin_width_mm + lengths_.panel_width_mm), unit_}));
        blank();
        line(results_.period_ok ? period_good : period_warning);
        blank();
        blank();
    }

    std::string cell_text(const Cell2d& cell, TableValue value) const {
        const bool height = value == TableValue::height_length || value == TableValue::height_units;
        const int units = height ? cell.block_height : cell.well_depth;
        if (value == TableValue::height_units || value == TableValue::depth_units) {
            return number_text_trimmed(units);
        }
        const double mm = units * lengths_.depth_unit_mm;
        return metric_ ? number_text_trimmed(round_half_up(mm)) : imperial_text(mm);
    }

    void row_heading(int row) {
        std::string end;
        if (row == 0) end += row_front;
        if (row == order_ - 1) end += row_back;
        const bool standard = grid_.variant == Variant2d::standard;
        out_.append(fill(standard ? row_standard : row_inverse,
                         {number_text_trimmed(row), end, number_text_trimmed(order_),
                          number_text_trimmed(row_equivalence(grid_, offsets_, row)),
                          number_text_trimmed(offsets_.left_shift)}));
        if (grid_.variant == Variant2d::optimised_inverse) out_.append(row_optimised);
        out_.append(crlf);
    }

    void table(std::string_view heading, TableValue value) {
        line(heading);
        line(table_rule);
        blank();
        for (int row = order_ - 1; row >= 0; --row) {
            row_heading(row);
            for (int column = 0; column < order_; ++column) {
                if (column > 0) out_.append(cell_gap);
                out_.append(cell_text(cell_2d(grid_, offsets_, row, column), value));
            }
            line();
            blank();
        }
        blank();
        blank();
    }

    void block_details() {
        line(blocks_title);
        line(blocks_rule);
        line(fill(block_width_line, {length_text(lengths_.block_width_mm), unit_}));
        blank();
        line(fill(empty_wells_line, {number_text_trimmed(list_.empty_wells)}));
        const std::vector<int>& counts = list_.blocks_by_height;
        for (std::size_t height = 1; height < counts.size(); ++height) {
            if (counts[height] <= 0) continue;
            const double units = static_cast<double>(height);
            const double mm = units * lengths_.depth_unit_mm;
            line(fill(blocks_line, {number_text_trimmed(counts[height]), number_text_trimmed(units),
                                    length_text(metric_ ? round_half_up(mm) : mm), unit_}));
        }
        line(blocks_total_rule);
        line(fill(block_length_line, {total_length_text(list_.total_block_length_mm)}));
        blank();
        blank();
    }

    void fin_details() {
        const FinCut& slotted = list_.slotted_fins;
        line(fins_title);
        line(fins_rule);
        line(fill(fin_thickness_line, {length_text(lengths_.fin_width_mm), unit_}));
        line(fill(fin_height_line, {length_text(round_half_up(lengths_.build_depth_mm)), unit_}));
        blank();
        line(fill(slotted_line, {number_text(static_cast<double>(slotted.count)),
                                 length_text(slotted.length_mm), unit_}));
        line(fill(side_fins_line, {length_text(list_.side_fins.length_mm), unit_}));
        line(fill(end_fins_line, {length_text(list_.end_fins.length_mm), unit_}));
        line(volume_rule);
        line(fill(fin_length_line, {total_length_text(list_.total_fin_length_mm)}));
        blank();
        blank();
    }

    void volume_and_weights() {
        line(list_.finned ? volume_finned : volume_finless);
        line(volume_rule);
        const double volume = metric_ ? list_.volume_m3 : list_.volume_ft3;
        line(fill(metric_ ? volume_metric : volume_imperial,
                  {number_text(floor_to_decimals(volume, 4))}));
        blank();
        blank();
        line(weights_title);
        line(metric_ ? volume_rule : weights_rule_inches);
        for (const MaterialWeight& weight : list_.weights) {
            line(fill(metric_ ? weight_metric : weight_imperial,
                      {weight.material,
                       number_text(floor_to_decimals(metric_ ? weight.kg : weight.lbs, 1))}));
        }
    }

    const Design& design_;
    const DesignResults& results_;
    const Offsets2d offsets_;
    const Grid2d grid_;
    const bool metric_;
    const std::string_view unit_;
    const PanelLengths2d lengths_;
    const int order_;  // rows and columns listed
    const CuttingList2d list_;
    std::string out_;
};

}  // namespace

std::string report_2d_text(const Design& d, const DesignResults& results,
                           const Offsets2d& offsets) {
    return Report2d(d, results, offsets).text();
}

}  // namespace welkin
