#include "build/build_choices.h"

#include <charconv>
#include <optional>

#include "build/build_parts.h"
#include "build/workshop_text.h"

namespace welkin {

namespace {

std::string stock_text(const Stock& s) {
    return workshop_number(s.length_mm, 3) + "x" + workshop_number(s.width_mm, 3) + "x" +
           workshop_number(s.thickness_mm, 3);
}

std::optional<double> number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<Stock> stock(std::string_view text) {
    const auto first = text.find('x');
    const auto second = text.find('x', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
    const auto l = number(text.substr(0, first));
    const auto w = number(text.substr(first + 1, second - first - 1));
    const auto t = number(text.substr(second + 1));
    if (!l || !w || !t) return std::nullopt;
    return Stock{*l, *w, *t};
}

void take(BuildOptions& o, std::string_view key, std::string_view value, const BuildDesign& d) {
    const std::pair<std::string_view, double*> numbers[] = {
        {"height", &o.panel_height_mm}, {"kerf", &o.kerf_mm}, {"spare", &o.spare_percent}};
    for (const auto& [name, field] : numbers) {
        if (key == name)
            if (const auto v = number(value)) *field = *v;
    }
    if (key == "board" || key == "stick") {
        if (const auto s = stock(value)) (key == "board" ? o.board : o.stick) = *s;
    }
    if (key == "construction") {
        const auto c = construction_named(value);
        if (c && (*c == Construction::blocks || d.fin_width_mm > 0)) o.construction = *c;
    }
    if (key == "material") {
        if (const Result<Material> m = material_named(value)) o.material = *m;
    }
    if (key == "density") {
        if (const auto v = number(value)) o.material = {"", *v};
    }
}

}  // namespace

std::string choices_text(const BuildOptions& o) {
    std::string out = "height=" + workshop_number(o.panel_height_mm, 3) +
                      ";kerf=" + workshop_number(o.kerf_mm, 3) +
                      ";construction=" + std::string(construction_name(o.construction)) +
                      ";board=" + stock_text(o.board) + ";stick=" + stock_text(o.stick) +
                      ";spare=" + workshop_number(o.spare_percent, 3);
    if (o.material.name.empty())
        return out + ";density=" + workshop_number(o.material.kg_per_m3, 3);
    return out + ";material=" + o.material.name;
}

BuildOptions with_choices(BuildOptions options, std::string_view text, const BuildDesign& design) {
    while (!text.empty()) {
        const auto end = text.find(';');
        const std::string_view entry = text.substr(0, end);
        const auto equals = entry.find('=');
        if (equals != std::string_view::npos)
            take(options, entry.substr(0, equals), entry.substr(equals + 1), design);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return options;
}

BuildOptions remembered_choices(std::string_view text, const BuildDesign& design) {
    const BuildOptions defaults = default_build_options(design);
    BuildOptions o = with_choices(defaults, text, design);
    for (Construction c : {Construction::blocks, Construction::fins}) {
        BuildOptions other = o;
        other.construction = c;
        for (const Part& p : list_parts(design, other)) {
            const bool stick = p.stock == StockKind::stick;
            if (!part_fits(p, stick ? o.stick : o.board))
                (stick ? o.stick : o.board) = stick ? defaults.stick : defaults.board;
        }
    }
    return o;
}

}  // namespace welkin
