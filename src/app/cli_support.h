// What every welkin-cli command shares: its options and usage text, the
// strict reading of numbers and sizes, and the design a command starts from.
#pragma once

#include <QCommandLineParser>
#include <QSize>
#include <QString>
#include <initializer_list>
#include <optional>

#include "forms/main_form.h"
#include "panel2d/grid.h"
#include "units/result.h"

namespace welkin {

inline constexpr int exit_refused = 1;
inline constexpr int exit_usage = 2;

struct Cli {
    QCommandLineParser parser;
    QCommandLineOption json{"json", "Print as one JSON object."};
    QCommandLineOption csv{"csv", "Print the response as CSV rows."};
    QCommandLineOption output{{"o", "output"}, "Write to FILE.", "FILE"};
    QCommandLineOption size{"size", "Picture size in pixels, e.g. 800x400.", "WxH"};
    QCommandLineOption left{"left", "Columns the 2D grid is shifted left.", "L"};
    QCommandLineOption pull{"pull", "Rows the 2D grid is pulled forward.", "P"};
    QCommandLineOption angle{"angle", "Signal angle in degrees, -90 to 90.", "A"};
    QCommandLineOption explorer{"explorer", "Analyse one panel, as the usable ranges explorer."};
    QCommandLineOption slices{"slices", "Lobes picture slices: ends (default) or trues.", "WHICH"};
    QCommandLineOption well_depths{"well-depths", "Crossword of well depths, not block heights."};
    QCommandLineOption invert{"invert", "Crossword colours inverted."};
    QCommandLineOption no_color{"no-color", "Crossword without colours."};
    QCommandLineOption no_numbers{"no-numbers", "Crossword without numbers."};
    QCommandLineOption dimensions{"dimensions", "Crossword lengths in the unit mode."};
    QCommandLineOption no_depth_lines{"no-depth-lines", "Panel picture without depth lines."};
    QCommandLineOption freq{"freq", "Response frequency in Hz.", "F"};
    QCommandLineOption source_angle{"source-angle", "Source angle in degrees, -90 to 90.",
                                    "PSI"};
    QCommandLineOption panels{"panels", "Panels side by side, 1 to 20.", "P"};
    QCommandLineOption speed{"speed", "Speed of sound in m/s (default 344).", "C"};
    QCommandLineOption bands{"bands", "Add the one-third-octave diffusion table."};
    QCommandLineOption depths{"depths", "Well depths in mm, comma-separated.", "LIST"};
    QCommandLineOption well_width{"well-width", "Well width in mm, with --depths.", "MM"};
    QCommandLineOption fin_width{"fin-width", "Fin width in mm, with --depths (default 0).",
                                 "MM"};
    QCommandLineOption two_d{"2d", "Build the 2D panel."};
    QCommandLineOption height{"height", "1D panel height (well length) in mm.", "MM"};
    QCommandLineOption kerf{"kerf", "Saw kerf in mm.", "MM"};
    QCommandLineOption construction{"construction", "blocks, or fins with well bottoms.",
                                    "HOW"};
    QCommandLineOption stock{"stock", "Boards for fins and bottoms: LxWxT in mm.", "LxWxT"};
    QCommandLineOption stick{"stick", "Sticks for blocks: LxWxT in mm.", "LxWxT"};
    QCommandLineOption material{"material", "Material from the 2D report's table.", "NAME"};
    QCommandLineOption density{"density", "Material density in kg/m3.", "KG_M3"};
    QCommandLineOption spare{"spare", "Spare stock to buy, in percent.", "PCT"};
    QCommandLineOption paper{"paper", "Build sheet paper: a4 or letter (default by locale).",
                             "SIZE"};
    QCommandLineOption parts_csv{"parts-csv", "Write the parts list as CSV.", "FILE"};
    QCommandLineOption plan_csv{"plan-csv", "Write the cutting plan as CSV.", "FILE"};
    QCommandLineOption sheet{"sheet", "Write the build sheet (PDF).", "FILE"};
    QCommandLineOption svg{"svg", "Write the cut outlines as SVG.", "FILE"};
    QCommandLineOption dxf{"dxf", "Write the cut outlines as DXF.", "FILE"};
    QCommandLineOption three_mf{"3mf", "Write the assembled panel as 3MF.", "FILE"};
    QCommandLineOption stl{"stl", "Write the assembled panel as binary STL.", "FILE"};
    QCommandLineOption model{"model", "Response model: far-field (default) or bem.", "MODEL"};
    QCommandLineOption source_distance{"source-distance",
                                       "Source distance in metres, with --model bem (100).", "M"};
    QCommandLineOption receiver_distance{
        "receiver-distance", "Receiver distance in metres, with --model bem (50).", "M"};

    Cli();
    // The usage on standard error, after why when there is a why; exit_usage.
    int usage_error(const QString& why) const;
    // True when no option outside `allowed` was given.
    bool only(std::initializer_list<const QCommandLineOption*> allowed) const;
};

// The --size option: nothing when it is not given, else the size, or the
// usage error when it is malformed or too big.
Result<std::optional<QSize>> requested_size(const Cli& cli);

// A number option's value as the program reads a number field, but only
// when the whole text is one number: "30abc", "nan", "0x1E" and "" are not.
std::optional<double> strict_number(const QString& text);

// The 2D grid's offsets from --left and --pull, centred when not given;
// false when one is not a whole number.
bool read_offsets(const Cli& cli, int n, Offsets2d& offsets);

// Why the files the command line would write cannot all be written as
// asked: one of them is a file the command reads (a project), or two of them
// name one file, so that one write would destroy the other's bytes. Empty
// when they can. Standard output and devices are never a clash.
QString clashing_outputs(const Cli& cli);

// Starts from the factory settings and, given a project, loads it as the
// desktop program's command line does. On failure the reason is on stderr.
bool start_with(MainForm& form, const QString& project);

}  // namespace welkin
