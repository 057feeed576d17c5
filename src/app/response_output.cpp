#include "app/response_output.h"

#include <QJsonArray>
#include <array>
#include <charconv>
#include <cstddef>
#include <vector>

#include "units/numtext.h"

namespace welkin {

namespace {

// A thousandth of a decibel, as published polar tables give them.
constexpr int level_decimals = 3;
constexpr int coefficient_decimals = 4;

// The shortest text that reads back as the same double, for files other
// programs compare against; no rounding happens here.
std::string exact_text(double x) {
    std::array<char, 32> buffer{};
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return std::string(buffer.data(), res.ptr);
}

std::string right_aligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

QJsonArray json_numbers(const std::vector<double>& xs) {
    QJsonArray out;
    for (double x : xs) out.append(x);
    return out;
}

std::string heading(const ResponseView& v) {
    const std::string panels =
        std::to_string(v.panels) + (v.panels == 1 ? " panel" : " panels");
    return "Frequency " + number_text_trimmed(v.sound.frequency_hz) + " Hz, source at " +
           number_text_trimmed(v.sound.source_angle_deg) + " degrees, speed of sound " +
           number_text_trimmed(v.sound.speed_m_s) + " m/s, " + panels + "\n";
}

std::string coefficient_cells(const Diffusion& d, std::size_t width) {
    std::string out;
    for (double x : {d.d, d.d_flat, d.d_n}) {
        out += right_aligned(decimal_text(x, coefficient_decimals), width);
    }
    return out;
}

bool by_elements(const ResponseView& v) {
    return v.model == ResponseModel::boundary_elements;
}

std::string band_rows(const std::vector<BandValue>& bands) {
    std::string out = "band Hz       d  d_flat     d_n\n";
    for (const BandValue& b : bands) {
        out += right_aligned(number_text_trimmed(b.centre_hz), 7) +
               coefficient_cells(b.diffusion, 8) + "\n";
    }
    return out;
}

QJsonArray band_json(const std::vector<BandValue>& bands) {
    QJsonArray table;
    for (const BandValue& b : bands) {
        table.append(QJsonObject{{"centre_hz", b.centre_hz},
                                 {"d", b.diffusion.d},
                                 {"d_flat", b.diffusion.d_flat},
                                 {"d_n", b.diffusion.d_n}});
    }
    return table;
}

std::string band_csv(const std::vector<BandValue>& bands) {
    std::string out = "centre_hz,d,d_flat,d_n\n";
    for (const BandValue& b : bands) {
        out += exact_text(b.centre_hz) + "," + exact_text(b.diffusion.d) + "," +
               exact_text(b.diffusion.d_flat) + "," + exact_text(b.diffusion.d_n) + "\n";
    }
    return out;
}

}  // namespace

std::string response_model_key(const ResponseView& view) {
    return by_elements(view) ? "bem" : "far-field";
}

std::string response_text(const ResponseView& view, bool bands) {
    const ArcResponse& arc = view.arc;
    const std::vector<double> levels = levels_db(arc.energies);
    const std::vector<double> flat = levels_db(arc.flat_energies);
    std::string out = heading(view);
    if (by_elements(view)) out += "Boundary elements: thin rigid panels, rear open\n";
    out += "\nangle  level dB   flat dB\n";
    for (std::size_t i = 0; i < arc.angles_deg.size(); ++i) {
        out += right_aligned(number_text_trimmed(arc.angles_deg[i]), 5) +
               right_aligned(decimal_text(levels[i], level_decimals), 10) +
               right_aligned(decimal_text(flat[i], level_decimals), 10) + "\n";
    }
    const Diffusion& d = arc.diffusion;
    out += "\nd       " + decimal_text(d.d, coefficient_decimals) + "\nd_flat  " +
           decimal_text(d.d_flat, coefficient_decimals) + "\nd_n     " +
           decimal_text(d.d_n, coefficient_decimals) + "\n";
    if (!bands) return out;
    out += "\n" + band_rows(view.bands);
    if (by_elements(view)) {
        out += "\nRandom incidence (mean of ten source angles)\n" +
               band_rows(view.random_incidence_bands);
    }
    return out;
}

QJsonObject response_json(const ResponseView& view, bool bands) {
    const ArcResponse& arc = view.arc;
    QJsonObject out{
        {"frequency_hz", view.sound.frequency_hz},
        {"source_angle_deg", view.sound.source_angle_deg},
        {"speed_m_s", view.sound.speed_m_s},
        {"panels", view.panels},
        {"model", QString::fromStdString(response_model_key(view))},
        {"angles_deg", json_numbers(arc.angles_deg)},
        {"levels_db", json_numbers(levels_db(arc.energies))},
        {"flat_levels_db", json_numbers(levels_db(arc.flat_energies))},
        {"d", arc.diffusion.d},
        {"d_flat", arc.diffusion.d_flat},
        {"d_n", arc.diffusion.d_n},
    };
    if (!bands) return out;
    out.insert(QLatin1String("bands"), band_json(view.bands));
    if (by_elements(view)) {
        out.insert(QLatin1String("random_incidence_bands"), band_json(view.random_incidence_bands));
    }
    return out;
}

std::string response_csv(const ResponseView& view, bool bands) {
    const ArcResponse& arc = view.arc;
    const std::vector<double> levels = levels_db(arc.energies);
    const std::vector<double> flat = levels_db(arc.flat_energies);
    std::string out = "angle_deg,level_db,flat_level_db\n";
    for (std::size_t i = 0; i < arc.angles_deg.size(); ++i) {
        out += exact_text(arc.angles_deg[i]) + "," + exact_text(levels[i]) + "," +
               exact_text(flat[i]) + "\n";
    }
    const Diffusion& d = arc.diffusion;
    out += "\nd,d_flat,d_n\n" + exact_text(d.d) + "," + exact_text(d.d_flat) + "," +
           exact_text(d.d_n) + "\n";
    if (by_elements(view)) out += "\nmodel\n" + response_model_key(view) + "\n";
    if (!bands) return out;
    out += "\n" + band_csv(view.bands);
    if (by_elements(view)) out += "\nrandom_incidence\n" + band_csv(view.random_incidence_bands);
    return out;
}

}  // namespace welkin
