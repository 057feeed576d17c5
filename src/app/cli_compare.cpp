#include "app/cli_compare.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <iostream>
#include <memory>
#include <vector>

#include "app/cli_commands.h"
#include "app/console_host.h"
#include "app/response_output.h"
#include "app/summary_json.h"
#include "compare/comparison_table.h"
#include "forms/compare_form.h"
#include "lobes/lobe_analysis.h"
#include "render/qt_text.h"

namespace welkin {

namespace {

constexpr std::string_view count_error_text = "compare takes two to four projects";

// One project loaded as the other commands load it; the form stays for the
// summary, which is printed from the form that computed it.
struct Loaded {
    std::unique_ptr<ConsoleHost> host = std::make_unique<ConsoleHost>();
    std::unique_ptr<MainForm> form = std::make_unique<MainForm>(*host);
};

Result<ComparisonSettings> read_settings(const Cli& cli) {
    using Read = Result<ComparisonSettings>;
    ComparisonSettings s;
    if (cli.parser.isSet(cli.source_angle)) {
        const std::optional<double> angle = strict_number(cli.parser.value(cli.source_angle));
        if (!angle || !std::isfinite(*angle))
            return Read::failure("--source-angle takes a number of degrees");
        s.source_angle_deg = *angle;
    }
    if (cli.parser.isSet(cli.freq)) {
        s.frequency_hz = strict_number(cli.parser.value(cli.freq));
        if (!s.frequency_hz || !std::isfinite(*s.frequency_hz))
            return Read::failure("--freq takes a number of hertz");
    }
    return s;
}

QJsonValue optional_json(std::optional<double> x) {
    return x ? QJsonValue(*x) : QJsonValue();
}

QJsonValue build_json(const std::optional<BuildFigures>& build) {
    if (!build) return QJsonValue();
    return QJsonObject{
        {"parts", build->parts}, {"boards", build->boards}, {"weight_kg", build->weight_kg}};
}

QJsonObject column_json(const Loaded& loaded, const PinnedDesign& pinned,
                        const DesignColumn& column, const QString& project, bool bands) {
    return QJsonObject{
        {"name", qs(pinned.name)},
        {"project", project},
        {"summary", summary_json(*loaded.form)},
        {"lobes", lobes_json(column.lobes)},
        {"response", response_json(column.response, bands)},
        {"usable_octaves", optional_json(column.usable_octaves)},
        {"mean_d_n", optional_json(column.mean_d_n)},
        {"build", build_json(column.build)},
    };
}

QJsonObject comparison_json(const Comparison& comparison, const std::vector<Loaded>& loaded,
                            const QStringList& projects, bool bands) {
    const ComparisonSettings& s = comparison.settings();
    QJsonArray designs;
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        designs.append(column_json(loaded[i], comparison.designs()[i], comparison.columns()[i],
                                   projects[static_cast<qsizetype>(i)], bands));
    }
    QJsonObject best;
    for (const ComparisonRow& row : comparison_rows(comparison, false)) {
        if (row.key.empty()) continue;
        QJsonArray winners;
        for (const std::size_t i : row.best) winners.append(static_cast<int>(i));
        best.insert(qs(row.key), winners);
    }
    return QJsonObject{
        {"source_angle_deg", s.source_angle_deg},
        {"frequency_hz", optional_json(s.frequency_hz)},
        {"bands_hz", QJsonArray{s.bands.low_hz, s.bands.high_hz}},
        {"designs", designs},
        {"best", best},
    };
}

void print_comparison(const Cli& cli, const Comparison& comparison,
                      const std::vector<Loaded>& loaded, const QStringList& projects) {
    const bool bands = cli.parser.isSet(cli.bands);
    if (cli.parser.isSet(cli.json)) {
        std::cout << QJsonDocument(comparison_json(comparison, loaded, projects, bands))
                         .toJson()
                         .toStdString();
        return;
    }
    const std::vector<ComparisonRow> rows = comparison_rows(comparison, bands);
    std::cout << (cli.parser.isSet(cli.csv) ? comparison_csv(design_names(comparison), rows)
                                            : comparison_text(design_names(comparison), rows));
}

// Loads the project and adds it; on failure says why, naming the project.
bool add_project(Comparison& comparison, std::vector<Loaded>& loaded, const QString& project) {
    Loaded& l = loaded.emplace_back();
    if (!start_with(*l.form, project)) {
        std::cerr << "Cannot compare " << project.toStdString() << '\n';
        return false;
    }
    const Result<std::size_t> added =
        comparison.add({QFileInfo(project).fileName().toStdString(), l.form->snapshot()});
    if (!added) {
        std::cerr << "Cannot compare " << project.toStdString() << ": " << added.message() << '\n';
        return false;
    }
    return true;
}

}  // namespace

int run_compare(const Cli& cli, const QStringList& projects) {
    if (cli.parser.isSet(cli.json) && cli.parser.isSet(cli.csv))
        return cli.usage_error(QStringLiteral("--json and --csv: choose one"));
    const Result<ComparisonSettings> settings = read_settings(cli);
    if (!settings) return cli.usage_error(qs(settings.message()));
    const auto count = static_cast<std::size_t>(projects.size());
    if (count < min_compared_designs || count > max_compared_designs) {
        std::cerr << count_error_text << '\n';
        return exit_refused;
    }
    if (settings->source_angle_deg < -90 || settings->source_angle_deg > 90) {
        std::cerr << angle_error_text << '\n';
        return exit_refused;
    }
    Comparison comparison(planned_build);
    if (!comparison.set_settings(*settings)) return exit_refused;
    std::vector<Loaded> loaded;
    loaded.reserve(count);
    for (const QString& project : projects) {
        if (!add_project(comparison, loaded, project)) return exit_refused;
    }
    print_comparison(cli, comparison, loaded, projects);
    return 0;
}

}  // namespace welkin
