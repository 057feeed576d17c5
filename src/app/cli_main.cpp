// welkin-cli: Welkin without a window, for scripts and headless machines.
#include <QGuiApplication>
#include <QJsonDocument>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "app/cli_build.h"
#include "app/cli_commands.h"
#include "app/cli_compare.h"
#include "app/cli_response.h"
#include "app/cli_support.h"
#include "app/console_host.h"
#include "app/summary_json.h"
#include "forms/design_summary.h"
#include "forms/main_form.h"
#include "forms/report_files.h"
#include "persist/file_io.h"
#include "render/companion_pictures.h"
#include "render/lobes_render.h"
#include "render/panel2d_render.h"
#include "render/picture_export.h"
#include "render/picture_render.h"
#include "reports/report_1d.h"
#include "reports/report_2d.h"
#include "response/bem/blas_kernels.h"
#include "units/imperial.h"
#include "units/numtext.h"

namespace {

using welkin::Cli;
using welkin::exit_refused;
using welkin::Picture;
using welkin::read_offsets;
using welkin::requested_size;
using welkin::start_with;
using welkin::strict_number;

// The visualiser's picture when no size is asked for: about the main
// window's width, as the window opens under it.
constexpr QSize visualiser_default_size{1000, 220};

int run_summary(const Cli& cli, const QString& project) {
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, project)) return exit_refused;
    if (cli.parser.isSet(cli.json)) {
        std::cout << QJsonDocument(welkin::summary_json(form)).toJson().toStdString();
    } else {
        std::cout << welkin::design_summary(form.shown(), welkin::summary_window(form));
    }
    return 0;
}

int run_convert(const QString& text) {
    const welkin::Result<double> mm = welkin::parse_imperial(text.toStdString());
    if (!mm) {
        std::cerr << mm.message() << '\n';
        return exit_refused;
    }
    std::cout << welkin::number_text(*mm) << '\n';
    return 0;
}

int run_format(const QString& mm) {
    const welkin::ImperialFormat formatted = welkin::format_imperial(mm.toStdString());
    if (!formatted.measure_error.empty()) {
        std::cerr << formatted.measure_error << '\n';
        return exit_refused;
    }
    std::cout << formatted.feet_inches << '\n' << formatted.decimal_inches << '\n';
    return 0;
}

std::optional<Picture> picture_named(const QString& name) {
    if (name == QLatin1String("cross-section")) return Picture::cross_section;
    if (name == QLatin1String("phase-wheel")) return Picture::phase_wheel;
    if (name == QLatin1String("scatter")) return Picture::scatter;
    return std::nullopt;
}

int run_render(const Cli& cli, const QStringList& args) {
    const std::optional<Picture> which = picture_named(args.value(1));
    const bool visualiser = args.value(1) == QLatin1String("visualiser");
    if (!which && !visualiser)
        return cli.usage_error(QStringLiteral("unknown picture \"%1\"").arg(args.value(1)));
    if (!cli.parser.isSet(cli.output))
        return cli.usage_error(QStringLiteral("render needs -o FILE"));
    const welkin::Result<std::optional<QSize>> requested = requested_size(cli);
    if (!requested) return cli.usage_error(QString::fromStdString(requested.message()));
    const std::optional<QSize> size = *requested;

    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, args.value(2))) return exit_refused;
    const welkin::DesignSnapshot& s = form.snapshot();
    const welkin::Result<QString> written =
        visualiser
            ? welkin::export_front_view(s, size.value_or(visualiser_default_size),
                                        cli.parser.value(cli.output))
            : welkin::export_picture(
                  *which, s,
                  size.value_or(welkin::picture_size(*which, s.design, s.results.panel_width_mm)),
                  cli.parser.value(cli.output));
    if (!written) {
        std::cerr << written.message() << '\n';
        return exit_refused;
    }
    return 0;
}

// Standard output, or the file named by -o, byte for byte.
int write_output(const Cli& cli, const std::string& text) {
    if (!cli.parser.isSet(cli.output)) {
        std::cout << text;
        return 0;
    }
    const std::string path = cli.parser.value(cli.output).toStdString();
    if (path == "-") {
        std::cout << text;
        return 0;
    }
    const welkin::Result<std::string> written = welkin::write_file_atomically(path, text);
    if (!written) {
        std::cerr << "Cannot write " << path << ": " << written.message() << '\n';
        return exit_refused;
    }
    return 0;
}

int run_report1d(const Cli& cli, const QString& project) {
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, project)) return exit_refused;
    return write_output(cli, welkin::report_1d_text(form.snapshot()));
}

int run_report2d(const Cli& cli, const QString& project) {
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, project)) return exit_refused;
    welkin::Offsets2d offsets;
    if (!read_offsets(cli, form.design().well_count, offsets))
        return cli.usage_error(QStringLiteral("--left and --pull take whole numbers"));
    return write_output(cli,
                        welkin::report_2d_text(form.design(), form.snapshot().results, offsets));
}

int run_render_2d(const Cli& cli, const QStringList& args) {
    const auto which = args.value(1) == QLatin1String("panel2d") ? welkin::Picture2d::panel
                                                                 : welkin::Picture2d::crossword;
    if (!cli.parser.isSet(cli.output))
        return cli.usage_error(QStringLiteral("render needs -o FILE"));
    const welkin::Result<std::optional<QSize>> requested = requested_size(cli);
    if (!requested) return cli.usage_error(QString::fromStdString(requested.message()));
    const QSize size = requested->value_or(welkin::picture_2d_size(which));
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, args.value(2))) return exit_refused;
    const welkin::Design& d = form.design();
    welkin::Panel2dDrawing drawing;
    drawing.grid = welkin::grid_2d(d);
    if (!read_offsets(cli, d.well_count, drawing.offsets))
        return cli.usage_error(QStringLiteral("--left and --pull take whole numbers"));
    drawing.panel.depth_lines = !cli.parser.isSet(cli.no_depth_lines);
    welkin::CrosswordOptions& c = drawing.crossword;
    c.quantity = cli.parser.isSet(cli.well_depths) ? welkin::CrosswordQuantity::well_depths
                                                   : welkin::CrosswordQuantity::block_heights;
    c.invert = cli.parser.isSet(cli.invert);
    c.no_colour = cli.parser.isSet(cli.no_color);
    c.numbers = !cli.parser.isSet(cli.no_numbers);
    c.dimensions = cli.parser.isSet(cli.dimensions);
    c.unit_mode = d.unit_mode;
    c.depth_unit_mm = welkin::depth_unit_mm(d);
    const welkin::Result<QString> written =
        welkin::export_picture_2d(which, drawing, size, cli.parser.value(cli.output));
    if (!written) {
        std::cerr << written.message() << '\n';
        return exit_refused;
    }
    return 0;
}

int run_render_lobes(const Cli& cli, const QStringList& args) {
    if (!cli.parser.isSet(cli.output) || !cli.parser.isSet(cli.angle))
        return cli.usage_error(QStringLiteral("render lobes needs --angle A and -o FILE"));
    const std::optional<double> angle = strict_number(cli.parser.value(cli.angle));
    if (!angle) return cli.usage_error(QStringLiteral("--angle takes a number of degrees"));
    const QString slices = cli.parser.value(cli.slices);
    if (!slices.isEmpty() && slices != QLatin1String("ends") && slices != QLatin1String("trues"))
        return cli.usage_error(QStringLiteral("--slices is ends or trues"));
    const welkin::Result<std::optional<QSize>> requested = requested_size(cli);
    if (!requested) return cli.usage_error(QString::fromStdString(requested.message()));
    const QSize size = requested->value_or(welkin::lobes_default_size);
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, args.value(2))) return exit_refused;
    const welkin::LobesRunOptions options{.lobes_mode = args[1] == QLatin1String("lobes"),
                                          .angle_deg = *angle,
                                          .slices = slices == QLatin1String("trues")
                                                        ? welkin::SliceChoice::true_diffusion
                                                        : welkin::SliceChoice::working_range_ends};
    const welkin::Result<QString> written = welkin::export_lobes(
        welkin::lobe_inputs(form.snapshot()), options, size, cli.parser.value(cli.output));
    if (!written) {
        std::cerr << written.message() << '\n';
        return exit_refused;
    }
    return 0;
}

int run_lobes(const Cli& cli, const QString& project) {
    if (!cli.parser.isSet(cli.angle))
        return cli.usage_error(QStringLiteral("lobes needs --angle A"));
    const std::optional<double> angle = strict_number(cli.parser.value(cli.angle));
    if (!angle) return cli.usage_error(QStringLiteral("--angle takes a number of degrees"));
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, project)) return exit_refused;
    const welkin::Result<welkin::LobeAnalysis> analysis = welkin::analyse_lobes(
        welkin::lobe_inputs(form.snapshot()), *angle, !cli.parser.isSet(cli.explorer));
    if (!analysis) {
        std::cerr << analysis.message() << '\n';
        return exit_refused;
    }
    if (cli.parser.isSet(cli.json)) {
        std::cout << QJsonDocument(welkin::lobes_json(*analysis)).toJson().toStdString();
    } else {
        std::cout << welkin::lobes_text(*analysis);
    }
    return 0;
}

// Qt's own warnings (about the session environment, fonts and the like)
// mean nothing to a script reading the output; WELKIN_DEBUG brings them back.
void quiet_qt_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg || qEnvironmentVariableIsSet("WELKIN_DEBUG")) {
        std::cerr << message.toStdString() << '\n';
    }
}

// One command of the batch program: how its arguments and options must look,
// and what runs it. The first whose shape fits the command line runs; the
// renders are tried from the most particular picture to the plain ones.
struct CliCommand {
    const char* name;
    bool (*fits)(const Cli& cli, const QStringList& args);
    int (*run)(const Cli& cli, const QStringList& args);
};

bool renders(const QStringList& args, std::initializer_list<const char*> pictures) {
    if (args.size() < 2 || args.size() > 3) return false;
    if (pictures.size() == 0) return true;
    for (const char* picture : pictures) {
        if (args[1] == QLatin1String(picture)) return true;
    }
    return false;
}

const CliCommand cli_commands[] = {
    {"summary",
     [](const Cli& cli, const QStringList& args) {
         return args.size() <= 2 && cli.only({&cli.json});
     },
     [](const Cli& cli, const QStringList& args) { return run_summary(cli, args.value(1)); }},
    {"convert",
     [](const Cli& cli, const QStringList& args) { return args.size() == 2 && cli.only({}); },
     [](const Cli&, const QStringList& args) { return run_convert(args[1]); }},
    {"format",
     [](const Cli& cli, const QStringList& args) { return args.size() == 2 && cli.only({}); },
     [](const Cli&, const QStringList& args) { return run_format(args[1]); }},
    {"render",
     [](const Cli& cli, const QStringList& args) {
         return renders(args, {"panel2d", "crossword"}) &&
                cli.only({&cli.output, &cli.size, &cli.left, &cli.pull, &cli.well_depths,
                          &cli.invert, &cli.no_color, &cli.no_numbers, &cli.dimensions,
                          &cli.no_depth_lines});
     },
     run_render_2d},
    {"render",
     [](const Cli& cli, const QStringList& args) {
         return renders(args, {"lobes", "explorer"}) &&
                cli.only({&cli.output, &cli.size, &cli.angle, &cli.slices});
     },
     run_render_lobes},
    {"render",
     [](const Cli& cli, const QStringList& args) {
         return renders(args, {"response"}) &&
                cli.only({&cli.output, &cli.size, &cli.freq, &cli.source_angle, &cli.panels,
                          &cli.speed});
     },
     [](const Cli& cli, const QStringList& args) {
         return welkin::run_render_response(cli, args.value(2));
     }},
    {"render",
     [](const Cli& cli, const QStringList& args) {
         return renders(args, {}) && cli.only({&cli.output, &cli.size});
     },
     run_render},
    {"report1d",
     [](const Cli& cli, const QStringList& args) {
         return args.size() <= 2 && cli.only({&cli.output});
     },
     [](const Cli& cli, const QStringList& args) { return run_report1d(cli, args.value(1)); }},
    {"report2d",
     [](const Cli& cli, const QStringList& args) {
         return args.size() <= 2 && cli.only({&cli.output, &cli.left, &cli.pull});
     },
     [](const Cli& cli, const QStringList& args) { return run_report2d(cli, args.value(1)); }},
    {"lobes",
     [](const Cli& cli, const QStringList& args) {
         return args.size() <= 2 && cli.only({&cli.angle, &cli.explorer, &cli.json});
     },
     [](const Cli& cli, const QStringList& args) { return run_lobes(cli, args.value(1)); }},
    {"response",
     [](const Cli& cli, const QStringList& args) {
         return args.size() <= 2 &&
                cli.only({&cli.freq, &cli.source_angle, &cli.panels, &cli.speed, &cli.bands,
                          &cli.json, &cli.csv, &cli.depths, &cli.well_width, &cli.fin_width,
                          &cli.model, &cli.source_distance, &cli.receiver_distance});
     },
     [](const Cli& cli, const QStringList& args) {
         return welkin::run_response(cli, args.value(1));
     }},
    {"compare",
     [](const Cli& cli, const QStringList&) {
         return cli.only({&cli.source_angle, &cli.freq, &cli.bands, &cli.json, &cli.csv});
     },
     [](const Cli& cli, const QStringList& args) { return welkin::run_compare(cli, args.mid(1)); }},
    {"build",
     [](const Cli& cli, const QStringList& args) {
         return args.size() <= 2 && welkin::only_build_options(cli);
     },
     [](const Cli& cli, const QStringList& args) { return welkin::run_build(cli, args.value(1)); }},
};

// An empty project name, as a script's unset variable in quotes gives, names
// no file: it is refused, never read as "no project" and answered with the
// factory design. The texts of convert and format, and render's picture,
// are no projects.
bool names_an_empty_project(const QStringList& args) {
    const QString command = args.value(0);
    if (command == QLatin1String("convert") || command == QLatin1String("format")) return false;
    const qsizetype first = command == QLatin1String("render") ? 2 : 1;
    for (qsizetype i = first; i < args.size(); ++i) {
        if (args[i].isEmpty()) return true;
    }
    return false;
}

// The command line's command run, or the usage when none fits it.
int run_command(const Cli& cli) {
    const QStringList args = cli.parser.positionalArguments();
    const QString command = args.value(0);
    if (names_an_empty_project(args)) {
        std::cerr << "Cannot open project \"\": no file name\n";
        return exit_refused;
    }
    for (const CliCommand& c : cli_commands) {
        if (command == QLatin1String(c.name) && c.fits(cli, args)) return c.run(cli, args);
    }
    return cli.usage_error(command.isEmpty() ? QString()
                                             : QStringLiteral("wrong use of \"%1\"").arg(command));
}

// --help, --version, an option given twice, a bad -o and files that would be
// written over one another or over a project are answered before any
// command; nothing when the command line goes on to its command.
std::optional<int> answer_before_command(const Cli& cli) {
    if (cli.parser.isSet(QStringLiteral("help"))) {
        std::cout << cli.parser.helpText().toStdString();
        return 0;
    }
    if (cli.parser.isSet(QStringLiteral("version"))) {
        std::cout << welkin::program_version << "\n";
        return 0;
    }
    // Which of two values was meant cannot be known: the last one would be
    // taken silently, a picture written to the second name, say.
    for (const QString& name : cli.parser.optionNames()) {
        if (cli.parser.values(name).size() > 1) {
            return cli.usage_error(
                QStringLiteral("%1%2 is given more than once")
                    .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
    }
    if (cli.parser.isSet(cli.output) && cli.parser.value(cli.output).isEmpty()) {
        return cli.usage_error(QStringLiteral("-o needs a file name, or - for standard output"));
    }
    if (const QString clash = welkin::clashing_outputs(cli); !clash.isEmpty()) {
        return cli.usage_error(clash);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    welkin::bem::restart_with_newer_blas_kernels(argv);
    qInstallMessageHandler(quiet_qt_messages);
    // Pictures are drawn off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("welkin-cli"));
    QGuiApplication::setApplicationVersion(QString::fromUtf8(
        welkin::program_version.data(), static_cast<qsizetype>(welkin::program_version.size())));

    Cli cli;
    if (!cli.parser.parse(QGuiApplication::arguments()))
        return cli.usage_error(cli.parser.errorText());
    if (const std::optional<int> answered = answer_before_command(cli)) return *answered;
    return run_command(cli);
}
