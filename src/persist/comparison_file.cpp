#include "persist/comparison_file.h"

#include <cstddef>
#include <vector>

#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view first_line = "Welkin comparison 1";
constexpr std::string_view crlf = "\r\n";
constexpr std::size_t max_kept_designs = 4;

std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return out;
}

// The whole line as one number, as written by number_text.
std::optional<double> number_line(std::string_view line) {
    const std::string t = trimmed(line);
    if (t.empty() || t.find_first_not_of("-.0123456789") != std::string::npos) return {};
    return text_value(t);
}

}  // namespace

std::string comparison_file_text(const KeptComparison& kept) {
    std::string out(first_line);
    out.append(crlf).append(number_text_trimmed(kept.source_angle_deg)).append(crlf);
    out.append(kept.frequency_hz ? number_text_trimmed(*kept.frequency_hz) : "").append(crlf);
    out.append(std::to_string(kept.designs.size())).append(crlf);
    for (const KeptDesign& d : kept.designs) {
        std::string name = d.name;  // one line, whatever was typed
        for (char& ch : name) ch = ch == '\r' || ch == '\n' ? ' ' : ch;
        // Each design takes the project lines exactly: the Build window's
        // choices, which a copy of welkin.ini opened as a project brings,
        // would be one line more and move every design after it.
        ProjectSettings project = d.settings;
        project.build_choices.clear();
        out.append(name).append(crlf).append(write_project(project));
    }
    return out;
}

std::optional<KeptComparison> parse_comparison_file(std::string_view text) {
    const std::vector<std::string_view> lines = lines_of(text);
    if (lines.size() < 4 || lines[0] != first_line) return {};
    KeptComparison kept;
    const std::optional<double> angle = number_line(lines[1]);
    const std::optional<double> count = number_line(lines[3]);
    if (!angle || !count || *count < 0 || *count > max_kept_designs || *count != int_floor(*count))
        return {};
    kept.source_angle_deg = *angle;
    if (!trimmed(lines[2]).empty()) {
        kept.frequency_hz = number_line(lines[2]);
        if (!kept.frequency_hz) return {};
    }
    const auto designs = static_cast<std::size_t>(*count);
    const auto per_design = static_cast<std::size_t>(project_line::count) + 1;
    if (lines.size() < 4 + designs * per_design) return {};
    for (std::size_t i = 0; i < designs; ++i) {
        const std::size_t at = 4 + i * per_design;
        std::string project;
        for (std::size_t k = at + 1; k < at + per_design; ++k)
            project.append(lines[k]).append(crlf);
        kept.designs.push_back({std::string(lines[at]), parse_project(project)});
    }
    return kept;
}

}  // namespace welkin
