// The settings file and project files: one value per line, CR LF, the
// meaning of a line given by its position. welkin.ini and a .qrd project are
// the same kind of file. This is the file as a value; the forms apply it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/design.h"
#include "units/result.h"
#include "units/unit_mode.h"

namespace welkin {

// Where each value lives in the file, counted from 1.
namespace project_line {
inline constexpr int well_count = 1;
inline constexpr int design_frequency = 2;
inline constexpr int deepest_well = 3;
inline constexpr int fin_width = 4;
inline constexpr int well_width = 5;
inline constexpr int lock = 6;
inline constexpr int auto_well_width = 7;
inline constexpr int advanced = 8;
inline constexpr int inverse_pairing = 9;
inline constexpr int half_width = 10;
inline constexpr int vertical_scale = 11;
inline constexpr int inverse_panel = 12;
inline constexpr int unit_mode = 13;
inline constexpr int results_page = 14;
inline constexpr int wheel_shift = 15;
inline constexpr int side_shift = 16;
inline constexpr int last_folder = 17;
inline constexpr int auto_optimise = 18;
inline constexpr int optimise_2d = 19;
inline constexpr int first_arrangement = 20;    // one line per Arrangement, in its order
inline constexpr int first_colour_scheme = 26;  // one line per colour_scheme_lines entry
inline constexpr int highlight_inverse = 30;
inline constexpr int visualiser_height = 31;
inline constexpr int visualiser_width = 32;
inline constexpr int visualiser_top = 33;
inline constexpr int visualiser_left = 34;
inline constexpr int build_depth_2d = 35;  // this version's addition
// welkin.ini only, and only once the Build window has been used: its
// choices. Projects stop at the line before; readers that stop there too
// never see it.
inline constexpr int build_choices = 36;

// A file loads when it has the lines up to here; later lines were added by
// later versions and a file may lack them.
inline constexpr int required = last_folder;
inline constexpr int count = build_depth_2d;
}  // namespace project_line

inline constexpr int arrangement_count = 6;

// The colour-scheme lines name the schemes in this order.
inline constexpr std::array<ColourScheme, 4> colour_scheme_lines = {
    ColourScheme::welkin_green, ColourScheme::kit_kat, ColourScheme::the_blues,
    ColourScheme::arizona_sunset};

// A check-mark line: "yes" is true, "no" false; any other text leaves the
// check mark as it is.
using CheckLine = std::optional<bool>;

// Where the visualiser window was, in window units. A file's measure that is
// not above 0 is read as 0, which leaves the window where it is.
struct WindowPlace {
    double height = 0;
    double width = 0;
    double top = 0;
    double left = 0;
    bool operator==(const WindowPlace&) const = default;
};

struct ProjectSettings {
    // How many lines the file had, at most project_line::count. A setting
    // whose line is missing reads as an empty line.
    int lines_read = project_line::count;  // the build choices' line counts too

    // The field texts, as the user sees them in the unit mode of the file.
    std::string well_count;
    std::string design_frequency;
    std::string deepest_well;
    std::string fin_width;
    std::string well_width;
    std::string build_depth_2d;

    LockMode lock = LockMode::freq;
    CheckLine auto_well_width;
    CheckLine advanced;
    bool inverse_pairing = false;
    bool half_width = false;
    std::optional<int> vertical_scale_mm;  // one of vertical_scales
    bool inverse_panel = false;
    std::optional<UnitMode> unit_mode;
    std::optional<int> results_page;
    std::optional<int> wheel_shift;
    std::optional<int> side_shift;
    std::string last_folder;

    CheckLine auto_optimise;
    CheckLine optimise_2d;
    std::array<CheckLine, arrangement_count> arrangements;  // indexed by Arrangement
    std::array<CheckLine, 4> colour_schemes;                // in the order of colour_scheme_lines
    CheckLine highlight_inverse;
    WindowPlace visualiser;
    std::string build_choices;  // empty in a project; written only when not empty

    bool has(int line) const { return line <= lines_read; }
    // The required lines were all read: the file counts as loaded.
    bool complete() const { return has(project_line::required); }

    bool operator==(const ProjectSettings&) const = default;
};

// A file's bytes as settings. Lines end in CR LF, or a lone LF or CR as
// other editors write them; a line that is not UTF-8 is read as
// Windows-1252, as older versions wrote. Never fails: a short file gives
// the lines it has.
ProjectSettings parse_project(std::string_view bytes);

// The file's bytes: all the lines, each ended by CR LF. A value the
// settings do not hold is written as a text that no line takes. A value
// never spills onto the next line: a text ends at a line break, and a
// folder or Build choices holding one are not written.
std::string write_project(const ProjectSettings& settings);

// The file at `path` as settings, or why there are none.
Result<ProjectSettings> read_project_file(const std::string& path);

// Replaces the file at `path` only once the new one is completely written.
// Gives the path written, or why it was not.
Result<std::string> write_project_file(const std::string& path, const ProjectSettings& settings);

}  // namespace welkin
