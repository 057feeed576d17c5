#include "app/cli_response.h"

#include <QJsonDocument>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/console_host.h"
#include "app/response_output.h"
#include "forms/response_form.h"
#include "lobes/lobe_analysis.h"
#include "render/qt_text.h"
#include "render/response_render.h"
#include "response/bem/bem_view.h"
#include "response/surface.h"
#include "units/numtext.h"

namespace welkin {

namespace {

// The sound and panels asked for; without --freq, the design's frequency.
struct Asked {
    std::optional<double> frequency_hz;
    double source_angle_deg = 0;
    int panels = 1;
    double speed_m_s = default_speed_of_sound_m_s;
    ResponseModel model = ResponseModel::far_field;
    bem::Setup bem_setup;
    bool bands = false;
};

// Wells given by their depths instead of a design.
struct Geometry {
    std::vector<double> depths_mm;
    double well_width_mm = 0;
    double fin_width_mm = 0;
};

std::optional<double> finite_number(const QString& text) {
    const std::optional<double> x = strict_number(text);
    if (!x || !std::isfinite(*x)) return std::nullopt;
    return x;
}

// The option's number, `fallback` when it is not given, nothing when its
// text is not a number.
std::optional<double> number_option(const Cli& cli, const QCommandLineOption& option,
                                    double fallback) {
    if (!cli.parser.isSet(option)) return fallback;
    return finite_number(cli.parser.value(option));
}

// --model and, for boundary elements, the distances; a distance that is not
// a positive number is the model's refusal, not wrong use.
Result<Asked> read_model(const Cli& cli, Asked a) {
    const QString model = cli.parser.value(cli.model);
    if (model == QLatin1String("bem")) {
        a.model = ResponseModel::boundary_elements;
    } else if (cli.parser.isSet(cli.model) && model != QLatin1String("far-field")) {
        return Result<Asked>::failure("--model is far-field or bem");
    }
    const bool distances =
        cli.parser.isSet(cli.source_distance) || cli.parser.isSet(cli.receiver_distance);
    if (distances && a.model != ResponseModel::boundary_elements)
        return Result<Asked>::failure("--source-distance and --receiver-distance go with --model bem");
    const std::optional<double> source = number_option(cli, cli.source_distance, 100);
    const std::optional<double> receiver = number_option(cli, cli.receiver_distance, 50);
    if (!source || !receiver)
        return Result<Asked>::failure("--source-distance and --receiver-distance take metres");
    a.bem_setup.source_distance_m = *source;
    a.bem_setup.receiver_distance_m = *receiver;
    a.bem_setup.speed_m_s = a.speed_m_s;
    a.bands = cli.parser.isSet(cli.bands);
    return a;
}

Result<Asked> read_asked(const Cli& cli) {
    Asked a;
    if (cli.parser.isSet(cli.freq)) {
        a.frequency_hz = finite_number(cli.parser.value(cli.freq));
        if (!a.frequency_hz) return Result<Asked>::failure("--freq takes a number of hertz");
    }
    const std::optional<double> angle = number_option(cli, cli.source_angle, 0);
    if (!angle) return Result<Asked>::failure("--source-angle takes a number of degrees");
    a.source_angle_deg = *angle;
    const std::optional<double> speed = number_option(cli, cli.speed, a.speed_m_s);
    if (!speed) return Result<Asked>::failure("--speed takes a number of metres a second");
    a.speed_m_s = *speed;
    const std::optional<double> panels = number_option(cli, cli.panels, 1);
    if (!panels || *panels != int_floor(*panels) || *panels < 1 || *panels > max_panels) {
        return Result<Asked>::failure("--panels takes a whole number from 1 to " +
                                      std::to_string(max_panels));
    }
    a.panels = to_int(*panels).value_or(1);
    return read_model(cli, a);
}

// The explicit geometry; nothing without --depths; why it is wrong use.
Result<std::optional<Geometry>> read_geometry(const Cli& cli, const Asked& asked,
                                              const QString& project) {
    using Read = Result<std::optional<Geometry>>;
    if (!cli.parser.isSet(cli.depths)) {
        if (cli.parser.isSet(cli.well_width) || cli.parser.isSet(cli.fin_width))
            return Read::failure("--well-width and --fin-width go with --depths");
        return std::optional<Geometry>();
    }
    if (!project.isEmpty()) return Read::failure("response --depths takes no PROJECT");
    if (!asked.frequency_hz || !cli.parser.isSet(cli.well_width) ||
        !cli.parser.isSet(cli.panels))
        return Read::failure("response --depths needs --well-width MM, --panels P and --freq F");
    Geometry g;
    for (const QString& item : cli.parser.value(cli.depths).split(QLatin1Char(','))) {
        const std::optional<double> depth = finite_number(item);
        if (!depth) return Read::failure("--depths takes millimetres separated by commas");
        g.depths_mm.push_back(*depth);
    }
    const std::optional<double> well = number_option(cli, cli.well_width, 0);
    const std::optional<double> fin = number_option(cli, cli.fin_width, 0);
    if (!well || !fin) return Read::failure("--well-width and --fin-width take millimetres");
    g.well_width_mm = *well;
    g.fin_width_mm = *fin;
    return std::optional<Geometry>(g);
}

// The lobes command's refusal, for either form, rather than the model's
// own wording for a sound it cannot take.
bool angle_refused(const Asked& asked) {
    if (asked.source_angle_deg >= -90 && asked.source_angle_deg <= 90) return false;
    std::cerr << angle_error_text << '\n';
    return true;
}

ResponseRequest request_for(const MainForm& form, const Asked& asked) {
    return {.frequency_hz = asked.frequency_hz.value_or(form.design().design_freq_hz),
            .source_angle_deg = asked.source_angle_deg,
            .panels = asked.panels,
            .speed_m_s = asked.speed_m_s};
}

Result<ResponseView> geometry_response(const Geometry& g, const Asked& asked) {
    const Surface surface =
        surface_of_depths(g.depths_mm, g.well_width_mm, g.fin_width_mm, asked.panels);
    const Sound sound{asked.frequency_hz.value_or(0), asked.source_angle_deg, asked.speed_m_s};
    return response_view(surface, sound, std::nullopt);
}

// "Band 3 of 18 (160 Hz)" on one line of a terminal's standard error.
bem::BandDone progress_line() {
    if (!isatty(STDERR_FILENO)) return {};
    return [](std::size_t band, const std::vector<BandValue>&) {
        std::cerr << "\rBand " << band + 1 << " of " << third_octave_centres_hz.size() << " ("
                  << third_octave_centres_hz[band] << " Hz)   " << std::flush;
        if (band + 1 == third_octave_centres_hz.size()) std::cerr << '\n';
    };
}

// The boundary-element response of the design or the listed wells. Nothing
// is printed until it is all computed, so an interrupted run leaves no
// partial output.
Result<ResponseView> bem_response(const MainForm& form, const std::optional<Geometry>& g,
                                  const Asked& asked) {
    const Surface surface =
        g ? surface_of_depths(g->depths_mm, g->well_width_mm, g->fin_width_mm, asked.panels)
          : surface_of(form.snapshot(), asked.panels);
    const double f = asked.frequency_hz.value_or(form.design().design_freq_hz);
    const Sound sound{f, asked.source_angle_deg, asked.speed_m_s};
    return bem::bem_response_view(surface, sound, std::nullopt, asked.bands, asked.bem_setup,
                                  {nullptr, progress_line()});
}

void print_response(const Cli& cli, const ResponseView& view) {
    const bool bands = cli.parser.isSet(cli.bands);
    if (cli.parser.isSet(cli.json)) {
        std::cout << QJsonDocument(response_json(view, bands)).toJson().toStdString();
    } else if (cli.parser.isSet(cli.csv)) {
        std::cout << response_csv(view, bands);
    } else {
        std::cout << response_text(view, bands);
    }
}

}  // namespace

int run_response(const Cli& cli, const QString& project) {
    if (cli.parser.isSet(cli.json) && cli.parser.isSet(cli.csv))
        return cli.usage_error(QStringLiteral("--json and --csv: choose one"));
    const Result<Asked> asked = read_asked(cli);
    if (!asked) return cli.usage_error(qs(asked.message()));
    const Result<std::optional<Geometry>> geometry = read_geometry(cli, *asked, project);
    if (!geometry) return cli.usage_error(qs(geometry.message()));

    ConsoleHost host;
    MainForm form(host);
    if (!*geometry && !start_with(form, project)) return exit_refused;
    if (angle_refused(*asked)) return exit_refused;
    const Result<ResponseView> view =
        asked->model == ResponseModel::boundary_elements ? bem_response(form, *geometry, *asked)
        : *geometry ? geometry_response(**geometry, *asked)
                    : design_response(form.snapshot(), request_for(form, *asked));
    if (!view) {
        std::cerr << view.message() << '\n';
        return exit_refused;
    }
    print_response(cli, *view);
    return 0;
}

int run_render_response(const Cli& cli, const QString& project) {
    if (!cli.parser.isSet(cli.output))
        return cli.usage_error(QStringLiteral("render needs -o FILE"));
    const Result<std::optional<QSize>> requested = requested_size(cli);
    if (!requested) return cli.usage_error(qs(requested.message()));
    const Result<Asked> asked = read_asked(cli);
    if (!asked) return cli.usage_error(qs(asked.message()));

    ConsoleHost host;
    MainForm form(host);
    if (!start_with(form, project) || angle_refused(*asked)) return exit_refused;
    const Result<ResponseView> view = design_response(form.snapshot(), request_for(form, *asked));
    if (!view) {
        std::cerr << view.message() << '\n';
        return exit_refused;
    }
    const Result<QString> written = export_response(
        *view, requested->value_or(response_default_size), cli.parser.value(cli.output));
    if (!written) {
        std::cerr << written.message() << '\n';
        return exit_refused;
    }
    return 0;
}

}  // namespace welkin
