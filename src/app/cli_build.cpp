#include "app/cli_build.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <functional>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "app/build_json.h"
#include "app/console_host.h"
#include "build/build_csv.h"
#include "build/build_texts.h"
#include "build/cut_files.h"
#include "build/mesh_files.h"
#include "build/panel_mesh.h"
#include "build/build_parts.h"
#include "persist/file_io.h"
#include "render/build_sheet_render.h"

namespace welkin {

namespace {

// A file asked for, made from the plan; a failure refuses the whole run.
// A file of a fixed format must be named for it (the CSVs are plain text and
// may be named as the user likes), so that the program it opens in reads it.
struct Output {
    const QCommandLineOption* option;
    std::function<Result<std::string>(const BuildPlan&)> make;
    const char* ending = nullptr;
    const char* format = nullptr;
};

Result<std::string> sheet_bytes(const BuildPlan& plan, const Paper& paper) {
    const Result<QByteArray> pdf = build_sheet_pdf(plan, paper);
    if (!pdf) return Result<std::string>::failure(pdf.message());
    return pdf->toStdString();
}

std::string solid_name(const BuildPlan& plan) {
    return "Welkin " + plan_heading(plan);
}

std::vector<Output> outputs(const Cli& cli, Paper paper) {
    return {
        {&cli.parts_csv, [](const BuildPlan& p) { return Result<std::string>(parts_csv(p)); }},
        {&cli.plan_csv, [](const BuildPlan& p) { return Result<std::string>(plan_csv(p)); }},
        {&cli.sheet, [paper](const BuildPlan& p) { return sheet_bytes(p, paper); }, ".pdf",
         "a PDF"},
        {&cli.svg, [](const BuildPlan& p) { return Result<std::string>(cut_svg(p)); }, ".svg",
         "an SVG drawing"},
        {&cli.dxf, [](const BuildPlan& p) { return cut_dxf(p); }, ".dxf", "a DXF drawing"},
        {&cli.three_mf,
         [](const BuildPlan& p) { return three_mf_bytes(panel_mesh(p), solid_name(p)); }, ".3mf",
         "a 3MF model"},
        {&cli.stl,
         [](const BuildPlan& p) {
             return Result<std::string>(stl_bytes(panel_mesh(p), solid_name(p)));
         },
         ".stl", "an STL model"},
    };
}

std::optional<Stock> stock_size(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([^x]+)x([^x]+)x([^x]+)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const std::optional<double> l = strict_number(m.captured(1));
    const std::optional<double> w = strict_number(m.captured(2));
    const std::optional<double> t = strict_number(m.captured(3));
    if (!l || !w || !t) return std::nullopt;
    return Stock{*l, *w, *t};
}

// The numbers the options give, over the defaults; the usage error's why
// when one is malformed.
QString read_numbers(const Cli& cli, BuildOptions& o) {
    const std::pair<const QCommandLineOption*, double*> numbers[] = {
        {&cli.height, &o.panel_height_mm}, {&cli.kerf, &o.kerf_mm}, {&cli.spare, &o.spare_percent}};
    for (const auto& [option, field] : numbers) {
        if (!cli.parser.isSet(*option)) continue;
        const std::optional<double> value = strict_number(cli.parser.value(*option));
        if (!value) return QStringLiteral("--%1 takes a number").arg(option->names().first());
        *field = *value;
    }
    for (const auto& [option, field] :
         {std::pair{&cli.stock, &o.board}, std::pair{&cli.stick, &o.stick}}) {
        if (!cli.parser.isSet(*option)) continue;
        const std::optional<Stock> size = stock_size(cli.parser.value(*option));
        if (!size) return QStringLiteral("--%1 is like 2400x300x18").arg(option->names().first());
        *field = *size;
    }
    return {};
}

// The options over the design's defaults; a usage error's why, or a
// refusal's message (as the second), when they cannot be read.
std::pair<QString, std::string> read_options(const Cli& cli, BuildOptions& o) {
    if (QString why = read_numbers(cli, o); !why.isEmpty()) return {why, {}};
    if (cli.parser.isSet(cli.construction)) {
        const auto c = construction_named(cli.parser.value(cli.construction).toStdString());
        if (!c) return {QStringLiteral("--construction is blocks or fins"), {}};
        o.construction = *c;
    }
    if (cli.parser.isSet(cli.material) && cli.parser.isSet(cli.density)) {
        return {QStringLiteral("give --material or --density, not both"), {}};
    }
    if (cli.parser.isSet(cli.material)) {
        const Result<Material> m = material_named(cli.parser.value(cli.material).toStdString());
        if (!m) return {{}, m.message()};
        o.material = *m;
    }
    if (cli.parser.isSet(cli.density)) {
        const std::optional<double> kg = strict_number(cli.parser.value(cli.density));
        if (!kg) return {QStringLiteral("--density takes a number of kg/m3"), {}};
        o.material = {"", *kg};
    }
    return {};
}

// The usage error's why when a file of a fixed format is named for another.
QString misnamed_output(const Cli& cli) {
    for (const Output& out : outputs(cli, {})) {
        if (out.ending == nullptr || !cli.parser.isSet(*out.option)) continue;
        const QString name = cli.parser.value(*out.option);
        if (!name.endsWith(QLatin1String(out.ending), Qt::CaseInsensitive)) {
            return QStringLiteral("--%1 writes %2: the file name must end in %3")
                .arg(out.option->names().first(), QLatin1String(out.format),
                     QLatin1String(out.ending));
        }
    }
    return {};
}

// Every file is made before any is written, so a refusal writes nothing.
int write_outputs(const Cli& cli, const BuildPlan& plan, Paper paper) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const Output& out : outputs(cli, paper)) {
        if (!cli.parser.isSet(*out.option)) continue;
        const Result<std::string> bytes = out.make(plan);
        if (!bytes) {
            std::cerr << bytes.message() << '\n';
            return exit_refused;
        }
        files.emplace_back(cli.parser.value(*out.option).toStdString(), *bytes);
    }
    for (const auto& [path, bytes] : files) {
        const Result<std::string> written = write_file_atomically(path, bytes);
        if (!written) {
            std::cerr << "Cannot write " << path << ": " << written.message() << '\n';
            return exit_refused;
        }
    }
    return 0;
}

}  // namespace

bool only_build_options(const Cli& cli) {
    std::vector<const QCommandLineOption*> allowed = {
        &cli.two_d,        &cli.left,  &cli.pull,  &cli.height,   &cli.kerf,
        &cli.construction, &cli.stock, &cli.stick, &cli.material, &cli.density,
        &cli.spare,        &cli.paper, &cli.json};
    for (const Output& out : outputs(cli, {})) allowed.push_back(out.option);
    for (const QString& name : cli.parser.optionNames()) {
        bool ok = false;
        for (const QCommandLineOption* o : allowed) ok = ok || o->names().contains(name);
        if (!ok) return false;
    }
    return true;
}

int run_build(const Cli& cli, const QString& project) {
    if (!cli.parser.isSet(cli.two_d) &&
        (cli.parser.isSet(cli.left) || cli.parser.isSet(cli.pull))) {
        return cli.usage_error(QStringLiteral("--left and --pull go with --2d"));
    }
    if (const QString why = misnamed_output(cli); !why.isEmpty()) return cli.usage_error(why);
    ConsoleHost host;
    MainForm form(host);
    if (!start_with(form, project)) return exit_refused;
    BuildDesign design = build_design_1d(form.snapshot());
    if (cli.parser.isSet(cli.two_d)) {
        Offsets2d offsets;
        if (!read_offsets(cli, form.design().well_count, offsets))
            return cli.usage_error(QStringLiteral("--left and --pull take whole numbers"));
        design = build_design_2d(form.snapshot(), offsets);
    }
    Paper paper = paper_for_locale();
    if (cli.parser.isSet(cli.paper)) {
        const QString name = cli.parser.value(cli.paper).toLower();
        if (name != QLatin1String("a4") && name != QLatin1String("letter"))
            return cli.usage_error(QStringLiteral("--paper is a4 or letter"));
        paper = name == QLatin1String("a4") ? paper_a4 : paper_letter;
    }
    BuildOptions options = default_build_options(design);
    const auto [usage, refusal] = read_options(cli, options);
    if (!usage.isEmpty()) return cli.usage_error(usage);
    const Result<BuildPlan> plan =
        refusal.empty() ? plan_build(design, options) : Result<BuildPlan>::failure(refusal);
    if (!plan) {
        std::cerr << plan.message() << '\n';
        return exit_refused;
    }
    if (const int written = write_outputs(cli, *plan, paper); written != 0) return written;
    if (cli.parser.isSet(cli.json)) {
        std::cout << QJsonDocument(build_json(*plan)).toJson().toStdString();
    } else {
        for (const std::string& line : plan_summary(*plan)) std::cout << line << '\n';
    }
    return 0;
}

}  // namespace welkin
