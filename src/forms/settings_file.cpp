#include "forms/settings_file.h"

#include <array>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "core/sequence.h"
#include "persist/file_io.h"
#include "forms/startup.h"
#include "persist/text_encoding.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view yes = "yes";
constexpr std::string_view no = "no";

// Lines 26 to 29 list the colour schemes in this order.
constexpr std::array<ColourScheme, 4> scheme_lines = {
    ColourScheme::welkin_green, ColourScheme::kit_kat, ColourScheme::the_blues,
    ColourScheme::arizona_sunset};

// No panel has a larger shift; a larger value would only spin the recompute.
constexpr double shift_limit = 101;

std::string_view yes_no(bool value) {
    return value ? yes : no;
}

std::string scale_token(int vertical_scale_mm) {
    for (std::size_t i = 0; i < vertical_scales.size(); ++i) {
        if (vertical_scales[i] == vertical_scale_mm)
            return number_text_trimmed(static_cast<double>(i));
    }
    return "0";
}

std::optional<UnitMode> unit_mode_from(std::string_view text) {
    for (const UnitMode m : {UnitMode::metric, UnitMode::inches, UnitMode::decimalinches}) {
        if (text == unit_mode_text(m)) return m;
    }
    return std::nullopt;
}

// Runs a check mark's menu command only when the line says otherwise.
template <typename Command>
void toggle_to(std::string_view line, bool checked, Command command) {
    if ((line == yes && !checked) || (line == no && checked)) command();
}

// A whole number within [0, limit) from a line, or nothing.
std::optional<int> count_from(std::string_view line, double limit) {
    const double v = text_value(line);
    if (!(v > -1 && v < limit)) return std::nullopt;
    const std::optional<int> n = to_int(v);
    if (!n || *n < 0 || *n >= limit) return std::nullopt;
    return n;
}

// The file's lines, each decoded to UTF-8; a line break is CR LF, or a lone
// LF or CR as other editors write them.
std::vector<std::string> split_lines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size() && lines.size() < settings_lines; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(utf8_from_file_text(bytes.substr(start, i - start)));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size() && lines.size() < settings_lines) {
        lines.push_back(utf8_from_file_text(bytes.substr(start)));
    }
    return lines;
}

// An older file has no 2D build depth line: the depth is rebuilt from the
// frequency for the panel as the file describes it.
void derive_build_depth_2d(MainForm& form) {
    const double n = text_value(form.field_text(Field::well_count));
    const double f = text_value(form.field_text(Field::design_frequency));
    Design& d = form.edit_design();
    if (is_panel_order(n) && f > 0) {
        Design panel = d;
        panel.well_count = static_cast<int>(n);
        panel.fin_width_mm =
            round_half_up(read_length(form.field_text(Field::fin_width), d.unit_mode).mm);
        panel.design_half_wavelength_mm = half_wavelength_from_freq(f);
        d.build_depth_2d_mm =
            build_depth_2d_from_half_wavelength(panel, panel.design_half_wavelength_mm);
    }
    form.populate_build_depth_2d();
}

class Reader {
public:
    Reader(MainForm& form, std::vector<std::string> lines)
        : form_(form), d_(form.edit_design()), lines_(std::move(lines)) {}

    void apply() {
        apply_required();
        if (lines_.size() >= 13 && d_.lock == LockMode::build_2d && lines_.size() < 35) {
            derive_build_depth_2d(form_);
        }
    }

private:
    bool has(int line) const { return static_cast<std::size_t>(line) <= lines_.size(); }
    // A missing line reads as empty text, which no rule takes.
    std::string_view line(int n) const {
        return has(n) ? std::string_view(lines_[static_cast<std::size_t>(n - 1)]) : "";
    }

    void apply_required() {
        static constexpr std::array<Field, 5> fields = {Field::well_count, Field::design_frequency, Field::deepest_well,
                                                        Field::fin_width, Field::well_width};
        for (int n = 1; n <= 5; ++n) {
            if (!has(n)) return;
            form_.set_field_text(fields[static_cast<std::size_t>(n - 1)], std::string(line(n)));
        }
        if (!has(6)) return;
        if (line(6) == "depth" || line(6) == "yes") {
            form_.lock_deepest_well();
        } else if (line(6) == "2d") {
            form_.lock_build_depth_2d();
        } else {
            form_.lock_design_frequency();
        }
        if (!has(7)) return;
        toggle_to(line(7), d_.auto_well_width, [&] { form_.toggle_auto_well_width(); });
        if (!has(8)) return;
        toggle_to(line(8), d_.advanced, [&] { form_.toggle_advanced(); });
        if (!has(9)) return;
        d_.inverse_pairing = line(9) == yes;
        if (!has(10)) return;
        d_.half_width = line(10) == yes;
        if (!has(11)) return;
        if (const std::optional<int> i = count_from(line(11), 5); i && line(11).size() == 1) {
            form_.select_vertical_scale(vertical_scales[static_cast<std::size_t>(*i)]);
        }
        if (!has(12)) return;
        d_.inverse_panel = line(12) == yes;
        if (!has(13)) return;
        if (const std::optional<UnitMode> m = unit_mode_from(line(13))) d_.unit_mode = *m;
        if (!has(14)) return;
        if (const std::optional<int> page = count_from(line(14), 4)) d_.results_page = *page;
        if (!has(15)) return;
        if (const std::optional<int> a = count_from(line(15), shift_limit)) d_.wheel_shift = *a;
        if (!has(16)) return;
        if (const std::optional<int> s = count_from(line(16), shift_limit)) d_.side_shift = *s;
        if (d_.side_shift > 0) d_.keep_side_shift = true;
        if (!has(required_settings_lines)) return;
        form_.files().last_folder = std::string(line(17));
        form_.files().load_ok = true;
        apply_optional();
    }

    void apply_optional() {
        toggle_to(line(18), d_.auto_optimise, [&] { form_.toggle_auto_optimise(); });
        if (line(19) == yes) d_.optimise_2d = true;
        if (line(19) == no) d_.optimise_2d = false;

        VisualiserSettings& v = d_.visualiser;
        for (int i = 0; i < 6; ++i) {
            const auto a = static_cast<Arrangement>(i);
            toggle_to(line(20 + i), v.arrangement == a, [&] { form_.select_arrangement(a); });
        }
        for (std::size_t i = 0; i < scheme_lines.size(); ++i) {
            const ColourScheme c = scheme_lines[i];
            toggle_to(line(26 + static_cast<int>(i)), v.colours == c,
                      [&] { form_.select_colour_scheme(c); });
        }
        toggle_to(line(30), v.highlight_inverse, [&] { form_.toggle_highlight_inverse(); });
        std::array<double*, 4> measures = {&v.height, &v.width, &v.top, &v.left};
        for (std::size_t i = 0; i < measures.size(); ++i) {
            const double value = text_value(line(31 + static_cast<int>(i)));
            if (value > 0 && value < 1e9) *measures[i] = value;
        }
        if (has(35) && d_.lock == LockMode::build_2d) {
            form_.set_field_text(Field::build_depth_2d, std::string(line(35)));
        }
    }

    MainForm& form_;
    Design& d_;
    std::vector<std::string> lines_;
};

}  // namespace

std::string settings_text(const MainForm& form) {
    const Design& d = form.design();
    const VisualiserSettings& v = d.visualiser;
    std::string out;
    const auto put = [&out](std::string_view value) { out.append(value).append(crlf); };
    put(trimmed(form.field_text(Field::well_count)));
    put(trimmed(form.field_text(Field::design_frequency)));
    put(trimmed(form.field_text(Field::deepest_well)));
    put(trimmed(form.field_text(Field::fin_width)));
    put(trimmed(form.field_text(Field::well_width)));
    put(lock_mode_text(d.lock));
    put(yes_no(d.auto_well_width));
    put(yes_no(d.advanced));
    put(yes_no(d.inverse_pairing));
    put(yes_no(d.half_width));
    put(scale_token(d.vertical_scale_mm));
    put(yes_no(d.inverse_panel));
    put(unit_mode_text(d.unit_mode));
    put(number_text_trimmed(d.results_page));
    put(number_text_trimmed(d.wheel_shift));
    put(number_text_trimmed(d.side_shift));
    put(form.files().last_folder);
    put(yes_no(d.auto_optimise));
    put(yes_no(d.optimise_2d));
    for (int i = 0; i < 6; ++i) put(yes_no(v.arrangement == static_cast<Arrangement>(i)));
    for (const ColourScheme c : scheme_lines) put(yes_no(v.colours == c));
    put(yes_no(v.highlight_inverse));
    for (const double measure : {v.height, v.width, v.top, v.left}) put(number_text(measure));
    put(trimmed(form.field_text(Field::build_depth_2d)));
    return out;
}

bool save_settings(const MainForm& form) {
    return replace_file(form.files().pending_path, settings_text(form));
}

void load_settings(MainForm& form) {
    const std::optional<std::string> bytes = read_file(form.files().pending_path);
    apply_settings(form, bytes ? *bytes : std::string(), bytes.has_value());
}

void apply_settings(MainForm& form, std::string_view bytes, bool readable) {
    default_settings(form);
    form.set_title_suffix(title_suffix_default);
    form.files().load_ok = false;
    if (!readable) return;
    Reader(form, split_lines(bytes)).apply();
}

}  // namespace welkin
