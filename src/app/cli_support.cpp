#include "app/cli_support.h"

#include <QRegularExpression>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "forms/main_form.h"
#include "forms/report_files.h"
#include "forms/startup.h"
#include "persist/file_io.h"
#include "persist/project_file.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr const char* commands_help =
    "Commands:\n"
    "  summary [PROJECT] [--json]\n"
    "      the design after the recompute, from the factory settings or a project;\n"
    "      --json prints the same facts as one object, with the input fields under\n"
    "      \"fields\" {wells, design_frequency, well_width, fin_width, deepest_well,\n"
    "      build_depth_2d} and the result labels under \"labels\" {cutoffs,\n"
    "      period_width, seating_distance, well_width_caption}\n"
    "  convert TEXT\n"
    "      millimetres of a length in feet, inches and fractions (6' 10 1/2)\n"
    "      or decimal inches (6.25)\n"
    "  format MM\n"
    "      a length in millimetres as feet-inches and as decimal inches\n"
    "  render PICTURE [PROJECT] -o FILE [--size WxH]\n"
    "      PICTURE is cross-section, phase-wheel or scatter; FILE ends in\n"
    "      .png, .svg or .pdf; the size is the picture's size in the window\n"
    "  render visualiser [PROJECT] -o FILE.png [--size WxH]\n"
    "      the visualiser's front view for the project's arrangement, colour\n"
    "      scheme and highlight, 15 twips to a pixel (default 1000x220)\n"
    "  render panel2d|crossword [PROJECT] [--left L] [--pull P] [--well-depths]\n"
    "         [--invert] [--no-color] [--no-numbers] [--dimensions]\n"
    "         [--no-depth-lines] -o FILE [--size WxH]\n"
    "      the 2D window's panel picture or crossword; the offsets default to\n"
    "      the centred ones\n"
    "  report1d [PROJECT] [-o FILE]\n"
    "      the 1D report, on standard output or into FILE\n"
    "  report2d [PROJECT] [--left L] [--pull P] [-o FILE]\n"
    "      the 2D report; the grid's offsets default to the centred ones\n"
    "  render lobes|explorer [PROJECT] --angle A [--slices ends|trues] -o FILE\n"
    "         [--size WxH]\n"
    "      the whole lobes run (or the usable ranges explorer) for a signal at A\n"
    "      degrees, default 1600x768; SVG and PDF hold what is seen, each lobe\n"
    "      drawn as a few filled sheets (an N 101 SVG is a few megabytes)\n"
    "  lobes [PROJECT] --angle A [--explorer] [--json]\n"
    "      usable frequency range and lobes for a signal at A degrees\n"
    "  response [PROJECT] [--freq F] [--source-angle PSI] [--panels P] [--speed C]\n"
    "           [--bands] [--json|--csv]\n"
    "      the far-field polar response of P panels of the design side by side\n"
    "      (default: the design frequency, 0 degrees, 1 panel, 344 m/s): levels\n"
    "      at -90..90 degrees in steps of 5 against a flat surface of the same\n"
    "      width, the diffusion coefficients d, d_flat and d_n, and with --bands\n"
    "      the one-third-octave table 100 Hz to 5 kHz\n"
    "  response --depths LIST --well-width MM [--fin-width MM] --panels P\n"
    "           --freq F [--source-angle PSI] [--speed C] [--bands] [--json|--csv]\n"
    "      the same for wells of the listed depths in millimetres (0,50,200,...)\n"
    "      instead of a design\n"
    "  response ... --model bem [--source-distance M] [--receiver-distance M]\n"
    "      the same from the boundary-element model (thin rigid panels, rear open,\n"
    "      a line source at M metres, default 100, receivers at M metres, default\n"
    "      50; up to 6000 Hz); with --bands also the random-incidence table, the\n"
    "      mean over ten source angles; seconds to a minute, with progress on a\n"
    "      terminal's standard error\n"
    "  render response [PROJECT] [--freq F] [--source-angle PSI] [--panels P]\n"
    "         [--speed C] -o FILE [--size WxH]\n"
    "      the polar plot and the one-third-octave chart of the design\n"
    "  compare A.qrd B.qrd [C.qrd D.qrd] [--source-angle A] [--freq F] [--bands]\n"
    "          [--json|--csv]\n"
    "      two to four designs side by side: inputs, widths, usable range and\n"
    "      ratings at the source angle, d_n at F (default each design frequency)\n"
    "      and its mean over the bands, best values marked; --json holds each\n"
    "      design's summary, lobes and response objects\n"
    "  build [PROJECT] [--2d [--left L] [--pull P]] [--height MM] [--kerf MM]\n"
    "        [--construction blocks|fins] [--stock LxWxT] [--stick LxWxT]\n"
    "        [--material NAME|--density KG_M3] [--spare PCT] [--paper a4|letter]\n"
    "        [--parts-csv F] [--plan-csv F] [--sheet F.pdf] [--svg F.svg]\n"
    "        [--dxf F.dxf] [--3mf F.3mf] [--stl F.stl] [--json]\n"
    "      the build plan of the 1D panel (or the 2D panel, centred unless\n"
    "      offsets are given): parts, cutting plan, weight and what to buy,\n"
    "      as text or JSON, and the workshop files asked for; nothing is\n"
    "      written when the plan is refused\n";

bool picture_size_allowed(QSize size) {
    // Bigger pictures take minutes and gigabytes, and no viewer shows them.
    constexpr long long max_side = 16384;
    constexpr long long max_pixels = 64LL * 1024 * 1024;
    const long long w = size.width();
    const long long h = size.height();
    return w <= max_side && h <= max_side && w * h <= max_pixels;
}

// Why a project cannot be loaded, in a script's words; empty when it can.
std::string project_refusal(const std::string& path) {
    const Result<ProjectSettings> settings = read_project_file(path);
    if (!settings) return settings.message();
    if (settings->complete()) return {};
    return "only " + std::to_string(settings->lines_read) + " of " +
           std::to_string(project_line::required) + " required lines";
}

// An option as it is typed: -o, --sheet.
QString typed(const QCommandLineOption& option) {
    const QString name = option.names().first();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Something a second write cannot spoil: standard output, a device, a FIFO.
bool streamed(const std::string& path) {
    std::error_code ec;
    if (path == "-") return true;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

struct Written {
    QString option;
    std::string path;
};

std::vector<Written> written_files(const Cli& cli) {
    std::vector<Written> files;
    for (const QCommandLineOption* option :
         {&cli.output, &cli.parts_csv, &cli.plan_csv, &cli.sheet, &cli.svg, &cli.dxf,
          &cli.three_mf, &cli.stl}) {
        if (!cli.parser.isSet(*option)) continue;
        const std::string path = cli.parser.value(*option).toStdString();
        if (!streamed(path)) files.push_back({typed(*option), path});
    }
    return files;
}

}  // namespace

Cli::Cli() {
    parser.setApplicationDescription(QStringLiteral("Welkin without a window.\n\n") +
                                     QString::fromLatin1(commands_help));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({json, csv, output, size, left, pull, angle, explorer, slices});
    parser.addOptions({well_depths, invert, no_color, no_numbers, dimensions, no_depth_lines});
    parser.addOptions(
        {freq, source_angle, panels, speed, bands, depths, well_width, fin_width});
    parser.addOptions({two_d, height, kerf, construction, stock, stick, material, density, spare,
                       paper, parts_csv, plan_csv, sheet, svg, dxf, three_mf, stl});
    parser.addOptions({model, source_distance, receiver_distance});
    parser.addPositionalArgument(
        "command",
        "summary, convert, format, render, report1d, report2d, lobes, response, compare or build");
}

int Cli::usage_error(const QString& why) const {
    if (!why.isEmpty()) std::cerr << "welkin-cli: " << why.toStdString() << "\n\n";
    std::cerr << parser.helpText().toStdString();
    return exit_usage;
}

bool Cli::only(std::initializer_list<const QCommandLineOption*> allowed) const {
    for (const QString& name : parser.optionNames()) {
        bool ok = false;
        for (const QCommandLineOption* o : allowed) ok = ok || o->names().contains(name);
        if (!ok) return false;
    }
    return true;
}

Result<std::optional<QSize>> requested_size(const Cli& cli) {
    using Requested = Result<std::optional<QSize>>;
    if (!cli.parser.isSet(cli.size)) return std::optional<QSize>();
    static const QRegularExpression pattern(
        QStringLiteral("^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"));
    const QRegularExpressionMatch m = pattern.match(cli.parser.value(cli.size));
    if (!m.hasMatch()) return Requested::failure("--size must be like 800x400");
    const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
    if (!picture_size_allowed(size)) {
        return Requested::failure("--size is at most 16384 on a side and 64 Mpx");
    }
    return std::optional<QSize>(size);
}

std::optional<double> strict_number(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)\\s*$"));
    if (!number.match(text).hasMatch()) return std::nullopt;
    return text_value(text.toStdString());
}

bool read_offsets(const Cli& cli, int n, Offsets2d& offsets) {
    offsets = centred_offsets(n);
    for (auto [option, field] :
         {std::pair{&cli.left, &offsets.left_shift}, std::pair{&cli.pull, &offsets.pull}}) {
        if (!cli.parser.isSet(*option)) continue;
        bool ok = false;
        const long long value = cli.parser.value(*option).toLongLong(&ok);
        if (!ok) return false;
        // The grid repeats every N wells; the window keeps each offset within one turn.
        *field = static_cast<int>(((value % n) + n) % n);
    }
    return true;
}

QString clashing_outputs(const Cli& cli) {
    const std::vector<Written> files = written_files(cli);
    const QStringList read = cli.parser.positionalArguments().mid(1);
    for (const Written& file : files) {
        for (const QString& argument : read) {
            std::error_code ec;
            const std::string input = argument.toStdString();
            if (!std::filesystem::is_regular_file(input, ec)) continue;
            if (names_one_file(file.path, input)) {
                return QStringLiteral("%1 names %2, which this command reads; "
                                      "writing it would destroy it")
                    .arg(file.option, argument);
            }
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = i + 1; j < files.size(); ++j) {
            if (names_one_file(files[i].path, files[j].path)) {
                return QStringLiteral("%1 and %2 name one file").arg(files[i].option, files[j].option);
            }
        }
    }
    return {};
}

bool start_with(MainForm& form, const QString& project) {
    start_up(form);
    if (!project.isEmpty()) {
        const std::string argument = project.toStdString();
        const std::optional<ProjectPath> path = project_path(argument);
        const std::string why = path ? project_refusal(path->path) : "not a file name";
        if (!why.empty()) {
            std::cerr << "Cannot open project " << (path ? path->path : argument) << ": " << why
                      << '\n';
            return false;
        }
        if (!open_project(form, path->path, path->file_name)) return false;
        form.recompute();
    }
    if (form.shown().refused) {
        std::cerr << form.shown().status_text << '\n';
        return false;
    }
    return true;
}

}  // namespace welkin
