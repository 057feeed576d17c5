#include "reports/report_2d.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "units/length_text.h"
#include "units/numtext.h"

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
constexpr std::string_view order_start = "Panel order = ";
constexpr std::string_view freq_start = "Design frequency ";
constexpr std::string_view freq_end = " Hz";
constexpr std::string_view wells_start = "Number of wells = ";
constexpr std::string_view shift_start = "Panel is shifted ";
constexpr std::string_view shift_middle = " wells to the left and pulled ";
constexpr std::string_view shift_end = " rows towards the front";
constexpr std::string_view depth_unit_start = "One depth unit is equivalent to ";
constexpr std::string_view build_depth_start = "Build depth is ";
constexpr std::string_view width_finned = "Panel width including additional end fin is ";
constexpr std::string_view width_finless = "Panel width (no fins) is ";
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
constexpr std::string_view row_start = "Row ";
constexpr std::string_view row_front = " (Front)";
constexpr std::string_view row_back = " (Back)";
constexpr std::string_view row_standard = " ... equivalent to 1D panel N";
constexpr std::string_view row_inverse = " ... equivalent to Inverse 1D panel N";
constexpr std::string_view row_optimised = " which has been depth-optimised";
constexpr std::string_view cell_gap = ",   ";

constexpr std::string_view blocks_title = "Block details";
constexpr std::string_view blocks_rule = "=============";
constexpr std::string_view block_width_start = "Block width ";
constexpr std::string_view empty_wells_start = "Number of empty wells ";
constexpr std::string_view blocks_of_height = " blocks of height ";
constexpr std::string_view depth_units_or = " depth units, or ";
constexpr std::string_view blocks_total_rule = "----------------------------------------";
constexpr std::string_view block_length_start = "Total block length ";

constexpr std::string_view fins_title = "Fin details";
constexpr std::string_view fins_rule = "===========";
constexpr std::string_view fin_thickness_start = "Fin thickness ";
constexpr std::string_view fin_height_start = "Fin height ";
constexpr std::string_view slotted_start = "Number of fins slotted to form cross-matrix = ";
constexpr std::string_view cut_to_length = "    cut to length = ";
constexpr std::string_view slotted_end = "  plus any allowance to rebate into sides";
constexpr std::string_view side_fins = "Side fins (not slotted) = 2";
constexpr std::string_view end_fins = "Front and back fins (not slotted) = 2";
constexpr std::string_view end_fins_end = "  .. plus any allowance for flush-trimming with router";
constexpr std::string_view fin_length_start = "Total fin length ";
constexpr std::string_view fin_length_end = "  .. plus any allowances";

constexpr std::string_view volume_finless = "Volume based on solid build using blocks (no fins)";
constexpr std::string_view volume_finned =
    "Volume based on hollow build using fins plus well bottoms made of same material as fins "
    "(no backboard)";
constexpr std::string_view volume_rule = "---------------------------------------------------";
constexpr std::string_view volume_start = "Volume = ";
constexpr std::string_view cubic_metres = " cubic metres";
constexpr std::string_view cubic_feet = " cubic feet";
constexpr std::string_view weights_title = "Estimated weight using various materials";
constexpr std::string_view weights_rule_inches = "-----------------------------------------";
constexpr std::string_view kg = " kg";
constexpr std::string_view lbs = " lbs";

constexpr std::string_view unit_mm = " mm";
constexpr std::string_view unit_inches = " inches";
constexpr std::string_view metres = " metres";

constexpr double cubic_feet_per_cubic_metre = 35.3146667;

struct Material {
    std::string_view name;
    double kg_per_m3;
    double lbs_per_m3;  // kg x 2.2, as the program has always written it
};

constexpr std::array<Material, 17> materials = {{
    {"Hoop pine ply ", 550, 1210},
    {"MDF ", 700, 1540},
    {"Cedar ", 380, 836},
    {"Styrofoam ", 100, 220},
    {"Balsa ", 120, 264},
    {"Cork ", 250, 550},
    {"Oregon (Douglas Fir) ", 500, 1100},
    {"Normal Plywood ", 575, 1265},
    {"Birch ply ", 700, 1540},
    {"Oak ", 750, 1650},
    {"Hardwood ", 800, 1760},
    {"Plaster ", 850, 1870},
    {"Red Gum ", 900, 1980},
    {"Glass ", 2500, 5500},
    {"Granite ", 2691, 5920.2},
    {"Aluminium ", 2700, 5940},
    {"Steel ", 7850, 17270},
}};

class Report2d {
public:
    Report2d(const Design& d, const Offsets2d& o)
        : d_(d),
          o_(o),
          g_(grid_2d(d)),
          metric_(d.unit_mode == UnitMode::metric),
          unit_(metric_ ? unit_mm : unit_inches),
          u_(depth_unit_mm(d)),
          t_(d.fin_width_mm),
          w_(d.panel_width_mm),
          // An order the program refuses (a damaged file) has no cells to list.
          n_(g_.n >= 1 && g_.n <= max_well_count ? g_.n : 0),
          block_count_(static_cast<std::size_t>(n_)) {}

    std::string take() {
        header();
        table(metric_ ? heights_mm : heights_inches, Value::height_length);
        table(heights_units, Value::height_units);
        table(metric_ ? depths_mm : depths_inches, Value::depth_length);
        table(depths_units, Value::depth_units);
        blocks();
        if (finned()) fins();
        volume();
        return std::move(out_);
    }

private:
    enum class Value { height_length, height_units, depth_length, depth_units };

    bool finned() const { return t_ > 0; }

    template <typename... Parts>
    void line(const Parts&... parts) {
        (out_.append(parts), ...);
        out_.append(crlf);
    }
    void blank() { out_.append(crlf); }

    // A length in the words of the unit mode, without blanks at either end.
    std::string len(double mm) const {
        if (metric_) return number_text_trimmed(mm);
        return trimmed(imperial(mm));
    }
    // The formatter's text as it comes: decimal inches keep their leading blank.
    std::string imperial(double mm) const { return length_words(mm, d_.unit_mode); }
    // A total in metres to the centimetre, or in inches.
    std::string total_length(double mm) const {
        if (metric_) {
            return number_text_trimmed(int_floor(mm / 10 + 0.5) / 100) + std::string(metres);
        }
        return imperial(round_half_up(mm)) + std::string(unit_inches);
    }

    void header() {
        line(title);
        line(title_rule);
        blank();
        switch (g_.variant) {
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
        line(finned() ? has_fins : no_fins);
        blank();
        const double n = g_.n;
        line(order_start, number_text(n));
        line(freq_start, number_text(d_.design_freq_hz), freq_end);
        line(wells_start, number_text(n * n));
        line(shift_start, number_text_trimmed(o_.left_shift), shift_middle,
             number_text_trimmed(o_.pull), shift_end);
        blank();
        line(depth_unit_start, len(int_floor(10 * u_ + 0.5) / 10), unit_);
        line(build_depth_start, len(round_half_up(d_.build_depth_2d_mm)), unit_);
        blank();
        line(finned() ? width_finned : width_finless, len(t_ + w_), unit_);
        blank();
        line(d_.period_ok ? period_good : period_warning);
        blank();
        blank();
    }

    std::string cell_text(const Cell2d& cell, Value value) const {
        const int units = value == Value::height_length || value == Value::height_units
                              ? cell.block_height
                              : cell.well_depth;
        if (value == Value::height_units || value == Value::depth_units) {
            return number_text_trimmed(units);
        }
        const double mm = units * u_;
        return metric_ ? number_text_trimmed(round_half_up(mm)) : imperial(mm);
    }

    void row_heading(int r) {
        out_.append(row_start).append(number_text_trimmed(r));
        if (r == 0) out_.append(row_front);
        if (r == n_ - 1) out_.append(row_back);
        const bool standard = g_.variant == Variant2d::standard;
        out_.append(standard ? row_standard : row_inverse)
            .append(number_text_trimmed(n_))
            .append(standard ? "+" : "-")
            .append(number_text_trimmed(row_equivalence(g_, o_, r)))
            .append(",")
            .append(number_text_trimmed(o_.left_shift));
        if (g_.variant == Variant2d::optimised_inverse) out_.append(row_optimised);
        out_.append(crlf);
    }

    void table(std::string_view heading, Value value) {
        line(heading);
        line(table_rule);
        blank();
        for (int r = n_ - 1; r >= 0; --r) {
            row_heading(r);
            for (int c = 0; c < n_; ++c) {
                const Cell2d cell = cell_2d(g_, o_, r, c);
                if (c > 0) out_.append(cell_gap);
                out_.append(cell_text(cell, value));
                // The cutting list counts blocks as the depth-unit table lists them.
                if (value == Value::height_units) {
                    const auto h = static_cast<std::size_t>(cell.block_height);
                    if (h < block_count_.size()) ++block_count_[h];
                }
            }
            line();
            blank();
        }
        blank();
        blank();
    }

    void blocks() {
        line(blocks_title);
        line(blocks_rule);
        line(block_width_start, len(d_.well_width_shown_mm), unit_);
        blank();
        const std::int64_t empty = block_count_.empty() ? 0 : block_count_[0];
        line(empty_wells_start, number_text_trimmed(static_cast<double>(empty)));
        for (int h = 1; h < n_; ++h) {
            const std::int64_t count = block_count_[static_cast<std::size_t>(h)];
            if (count <= 0) continue;
            const double mm = h * u_;
            line(number_text_trimmed(static_cast<double>(count)), blocks_of_height,
                 number_text_trimmed(h), depth_units_or, len(metric_ ? round_half_up(mm) : mm),
                 unit_);
            total_block_units_ += static_cast<double>(h * count);
        }
        line(blocks_total_rule);
        line(block_length_start, total_length(total_block_units_ * u_));
        blank();
        blank();
    }

    // All fins but the front and back ones span the panel between them.
    double fin_length_mm() const { return 2 * (g_.n + 1.0) * (w_ - t_) + 4 * t_; }

    void fins() {
        const double inner = w_ - t_;
        line(fins_title);
        line(fins_rule);
        line(fin_thickness_start, len(t_), unit_);
        line(fin_height_start, len(round_half_up(d_.build_depth_2d_mm)), unit_);
        blank();
        line(slotted_start, number_text(2 * (g_.n - 1.0)), cut_to_length, len(inner), unit_,
             slotted_end);
        line(side_fins, cut_to_length, len(inner), unit_);
        line(end_fins, cut_to_length, len(w_ + t_), unit_, end_fins_end);
        line(volume_rule);
        line(fin_length_start, total_length(fin_length_mm()), fin_length_end);
        blank();
        blank();
    }

    // Cubic metres of material.
    double volume_m3() const {
        const double well_m = d_.well_width_shown_mm / 1000;
        if (!finned()) return total_block_units_ * u_ / 1000 * well_m * well_m;
        // A hollow build has a bottom in every one of its N x N wells.
        const double n = g_.n;
        const double bottom_m = d_.well_width_mm / 1000;
        const double bottoms_m2 = n * n * bottom_m * bottom_m;
        return t_ / 1000 * (fin_length_mm() / 1000 * (d_.build_depth_2d_mm / 1000) + bottoms_m2);
    }

    void volume() {
        line(finned() ? volume_finned : volume_finless);
        line(volume_rule);
        const double v = volume_m3();
        if (metric_) {
            line(volume_start, number_text(int_floor(v * 10000) / 10000), cubic_metres);
        } else {
            line(volume_start,
                 number_text(int_floor(v * cubic_feet_per_cubic_metre * 10000) / 10000),
                 cubic_feet);
        }
        blank();
        blank();
        line(weights_title);
        line(metric_ ? volume_rule : weights_rule_inches);
        for (const Material& m : materials) {
            const double per_m3 = metric_ ? m.kg_per_m3 : m.lbs_per_m3;
            line(m.name, number_text(int_floor(v * per_m3 * 10) / 10), metric_ ? kg : lbs);
        }
    }

    const Design& d_;
    const Offsets2d o_;
    const Grid2d g_;
    const bool metric_;
    const std::string_view unit_;
    const double u_;                         // one depth unit in mm
    const double t_;                         // fin width
    const double w_;                         // panel width without the end fin
    const int n_;                            // rows and columns listed
    std::vector<std::int64_t> block_count_;  // cells per block height
    double total_block_units_ = 0;
    std::string out_;
};

}  // namespace

std::string report_2d_text(const Design& d, const Offsets2d& offsets) {
    return Report2d(d, offsets).take();
}

}  // namespace welkin
