#include "persist/project_file.h"

#include <cstddef>
#include <vector>

#include "persist/file_io.h"
#include "persist/text_encoding.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view yes = "yes";
constexpr std::string_view no = "no";
// Taken by no line: not a check mark, a unit mode, a scale or a count.
constexpr std::string_view absent = "-1";

// No panel has a larger shift; a larger value would only spin the recompute.
constexpr double shift_limit = 101;
// Window measures beyond this are no screen's.
constexpr double measure_limit = 1e9;

// The file's lines, at most project_line::build_choices, each decoded to UTF-8.
std::vector<std::string> split_lines(std::string_view bytes) {
    constexpr auto most = static_cast<std::size_t>(project_line::build_choices);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size() && lines.size() < most; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(utf8_from_file_text(bytes.substr(start, i - start)));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size() && lines.size() < most) {
        lines.push_back(utf8_from_file_text(bytes.substr(start)));
    }
    return lines;
}

CheckLine check_from(std::string_view line) {
    if (line == yes) return true;
    if (line == no) return false;
    return std::nullopt;
}

// A whole number within [0, limit), or nothing.
std::optional<int> count_from(std::string_view line, double limit) {
    const double v = text_value(line);
    if (!(v > -1 && v < limit)) return std::nullopt;
    const std::optional<int> n = to_int(v);
    if (!n || *n < 0 || *n >= limit) return std::nullopt;
    return n;
}

// The scale line holds the single digit of the scale's menu position.
std::optional<int> scale_from(std::string_view line) {
    const std::optional<int> i = count_from(line, static_cast<double>(vertical_scales.size()));
    if (!i || line.size() != 1) return std::nullopt;
    return vertical_scales[static_cast<std::size_t>(*i)];
}

std::optional<UnitMode> unit_mode_from(std::string_view line) {
    for (const UnitMode m : {UnitMode::metric, UnitMode::inches, UnitMode::decimalinches}) {
        if (line == unit_mode_text(m)) return m;
    }
    return std::nullopt;
}

// Older files said "yes" for the depth lock; anything unrecognised is the
// frequency lock, as exactly one lock is always selected.
LockMode lock_from(std::string_view line) {
    if (line == "depth" || line == yes) return LockMode::depth;
    if (line == "2d") return LockMode::build_2d;
    return LockMode::freq;
}

double measure_from(std::string_view line) {
    const double value = text_value(line);
    return value > 0 && value < measure_limit ? value : 0;
}

class LineSource {
public:
    explicit LineSource(std::string_view bytes) : lines_(split_lines(bytes)) {}
    int count() const { return static_cast<int>(lines_.size()); }
    // A missing line reads as empty text, which no rule takes.
    std::string_view operator[](int n) const {
        return n <= count() ? std::string_view(lines_[static_cast<std::size_t>(n - 1)]) : "";
    }

private:
    std::vector<std::string> lines_;
};

void parse_required(const LineSource& line, ProjectSettings& s) {
    namespace at = project_line;
    s.well_count = line[at::well_count];
    s.design_frequency = line[at::design_frequency];
    s.deepest_well = line[at::deepest_well];
    s.fin_width = line[at::fin_width];
    s.well_width = line[at::well_width];
    s.lock = lock_from(line[at::lock]);
    s.auto_well_width = check_from(line[at::auto_well_width]);
    s.advanced = check_from(line[at::advanced]);
    s.inverse_pairing = line[at::inverse_pairing] == yes;
    s.half_width = line[at::half_width] == yes;
    s.vertical_scale_mm = scale_from(line[at::vertical_scale]);
    s.inverse_panel = line[at::inverse_panel] == yes;
    s.unit_mode = unit_mode_from(line[at::unit_mode]);
    s.results_page = count_from(line[at::results_page], 4);
    s.wheel_shift = count_from(line[at::wheel_shift], shift_limit);
    s.side_shift = count_from(line[at::side_shift], shift_limit);
    s.last_folder = line[at::last_folder];
}

void parse_optional(const LineSource& line, ProjectSettings& s) {
    namespace at = project_line;
    s.auto_optimise = check_from(line[at::auto_optimise]);
    s.optimise_2d = check_from(line[at::optimise_2d]);
    for (int i = 0; i < arrangement_count; ++i) {
        s.arrangements[static_cast<std::size_t>(i)] = check_from(line[at::first_arrangement + i]);
    }
    for (std::size_t i = 0; i < colour_scheme_lines.size(); ++i) {
        s.colour_schemes[i] = check_from(line[at::first_colour_scheme + static_cast<int>(i)]);
    }
    s.highlight_inverse = check_from(line[at::highlight_inverse]);
    s.visualiser.height = measure_from(line[at::visualiser_height]);
    s.visualiser.width = measure_from(line[at::visualiser_width]);
    s.visualiser.top = measure_from(line[at::visualiser_top]);
    s.visualiser.left = measure_from(line[at::visualiser_left]);
    s.build_depth_2d = line[at::build_depth_2d];
    s.build_choices = line[at::build_choices];
}

std::string check_text(CheckLine check) {
    if (!check) return std::string(absent);
    return std::string(*check ? yes : no);
}

// The scale's menu position; a scale the menu lacks is written as the first item.
std::string scale_text(std::optional<int> vertical_scale_mm) {
    if (!vertical_scale_mm) return std::string(absent);
    for (std::size_t i = 0; i < vertical_scales.size(); ++i) {
        if (vertical_scales[i] == *vertical_scale_mm) {
            return number_text_trimmed(static_cast<double>(i));
        }
    }
    return "0";
}

std::string count_text(std::optional<int> count) {
    return count ? number_text_trimmed(*count) : std::string(absent);
}

bool has_line_break(std::string_view value) {
    return value.find_first_of("\r\n") != std::string_view::npos;
}

// One line of the file: a value ends at its first line break, which would
// otherwise start a line of its own and move every later value to the line
// after its own.
void put_line(std::string& out, std::string_view value) {
    out.append(value.substr(0, value.find_first_of("\r\n"))).append(crlf);
}

void write_required(const ProjectSettings& s, std::string& out) {
    const auto put = [&out](std::string_view value) { put_line(out, value); };
    put(trimmed(s.well_count));
    put(trimmed(s.design_frequency));
    put(trimmed(s.deepest_well));
    put(trimmed(s.fin_width));
    put(trimmed(s.well_width));
    put(lock_mode_text(s.lock));
    put(check_text(s.auto_well_width));
    put(check_text(s.advanced));
    put(s.inverse_pairing ? yes : no);
    put(s.half_width ? yes : no);
    put(scale_text(s.vertical_scale_mm));
    put(s.inverse_panel ? yes : no);
    put(s.unit_mode ? unit_mode_text(*s.unit_mode) : absent);
    put(count_text(s.results_page));
    put(count_text(s.wheel_shift));
    put(count_text(s.side_shift));
    // A folder whose name one line cannot hold is not remembered: the part
    // before the break names another folder.
    put(has_line_break(s.last_folder) ? std::string_view() : std::string_view(s.last_folder));
}

void write_optional(const ProjectSettings& s, std::string& out) {
    const auto put = [&out](std::string_view value) { put_line(out, value); };
    put(check_text(s.auto_optimise));
    put(check_text(s.optimise_2d));
    for (const CheckLine check : s.arrangements) put(check_text(check));
    for (const CheckLine check : s.colour_schemes) put(check_text(check));
    put(check_text(s.highlight_inverse));
    // Window measures keep number text's leading blank.
    for (const double measure :
         {s.visualiser.height, s.visualiser.width, s.visualiser.top, s.visualiser.left}) {
        put(number_text(measure));
    }
    put(trimmed(s.build_depth_2d));
    if (!s.build_choices.empty() && !has_line_break(s.build_choices)) put(s.build_choices);
}

}  // namespace

ProjectSettings parse_project(std::string_view bytes) {
    // Editors on Windows often start a UTF-8 file with a byte-order mark.
    constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, byte_order_mark.size()) == byte_order_mark) {
        bytes.remove_prefix(byte_order_mark.size());
    }
    const LineSource lines(bytes);
    ProjectSettings settings;
    settings.lines_read = lines.count();
    parse_required(lines, settings);
    parse_optional(lines, settings);
    return settings;
}

std::string write_project(const ProjectSettings& settings) {
    std::string out;
    write_required(settings, out);
    write_optional(settings, out);
    return out;
}

Result<ProjectSettings> read_project_file(const std::string& path) {
    const Result<std::string> bytes = read_small_file(path);
    if (!bytes) return Result<ProjectSettings>::failure(bytes.message());
    return parse_project(*bytes);
}

Result<std::string> write_project_file(const std::string& path, const ProjectSettings& settings) {
    return write_file_atomically(path, write_project(settings));
}

}  // namespace welkin
