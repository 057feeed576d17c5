#include "compare/comparison_table.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace welkin {

namespace {

constexpr std::string_view best_mark = "*";
constexpr std::size_t min_cell_width = 10;

bool is_best(const ComparisonRow& row, std::size_t i) {
    return std::find(row.best.begin(), row.best.end(), i) != row.best.end();
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string csv_cell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char ch : text) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

}  // namespace

std::vector<std::string> design_names(const Comparison& comparison) {
    std::vector<std::string> out;
    for (const PinnedDesign& p : comparison.designs()) out.push_back(p.name);
    return out;
}

std::string comparison_text(const std::vector<std::string>& names,
                            const std::vector<ComparisonRow>& rows) {
    std::size_t label_width = 0;
    std::vector<std::size_t> widths(names.size(), min_cell_width);
    for (const ComparisonRow& row : rows) {
        label_width = std::max(label_width, row.label.size() + 4);
        for (std::size_t i = 0; i < row.cells.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row.cells[i].size() + best_mark.size() + 2);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        widths[i] = std::max(widths[i], names[i].size() + 2);

    std::string out = padded("", label_width);
    for (std::size_t i = 0; i < names.size(); ++i) out += padded(names[i], widths[i]);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += "\n";
    std::optional<RowGroup> group;
    for (const ComparisonRow& row : rows) {
        if (group != row.group) out += "\n" + std::string(row_group_title(row.group)) + "\n";
        group = row.group;
        out += padded("  " + row.label, label_width);
        for (std::size_t i = 0; i < row.cells.size() && i < widths.size(); ++i)
            out +=
                padded(row.cells[i] + (is_best(row, i) ? std::string(best_mark) : ""), widths[i]);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += "\n";
    }
    return out;
}

std::string comparison_csv(const std::vector<std::string>& names,
                           const std::vector<ComparisonRow>& rows) {
    std::string out = "group,row";
    for (const std::string& name : names) out += "," + csv_cell(name);
    out += ",best\n";
    for (const ComparisonRow& row : rows) {
        out += csv_cell(std::string(row_group_title(row.group))) + "," + csv_cell(row.label);
        for (const std::string& cell : row.cells) out += "," + csv_cell(cell);
        std::string best;
        for (const std::size_t i : row.best)
            best += (best.empty() ? "" : "; ") + (i < names.size() ? names[i] : std::string());
        out += "," + csv_cell(best) + "\n";
    }
    return out;
}

}  // namespace welkin
