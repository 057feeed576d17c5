// The project file as a value: hand-written files read into the values they
// hold and written back byte for byte; the rules for older and odd files.
#include "persist/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "temp_dir.h"

namespace welkin {
namespace {

std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// A file as this version writes it: a 13-well depth-locked design in
// millimetres, the 800 mm scale, page 3, shifted, the visualiser showing two
// panels in "The Blues" and placed on screen.
const std::vector<std::string> metric_lines = {
    "13", "450", "197", "3", "61", "depth", "no", "yes", "yes", "no", "2", "yes", "metric",
    "3", "4", "2", "/opt/welkin/projects/rooms", "no", "yes", "no", "yes", "no", "no", "no",
    "no", "no", "no", "yes", "no", "yes", " 4000", " 9600", " 1200", " 300", "246"};

// The same kind of file in feet and inches under the 2D build lock.
const std::vector<std::string> inches_lines = {
    "7",      "600", "1' 11 5/8", "1/8", "3 1/4", "2d",  "yes", "no",  "no", "yes", "0",      "no",
    "inches", "0",   "0",         "0",   "",      "yes", "no",  "yes", "no", "no",  "no",     "no",
    "no",     "yes", "no",        "no",  "no",    "no",  " 0",  " 0",  " 0", " 0",  "9 11/16"};

TEST(ProjectFile, AFileOfThisVersionReadsIntoItsValues) {
    const ProjectSettings s = parse_project(crlf_lines(metric_lines));
    EXPECT_EQ(s.lines_read, 35);
    EXPECT_TRUE(s.complete());
    EXPECT_EQ(s.well_count, "13");
    EXPECT_EQ(s.design_frequency, "450");
    EXPECT_EQ(s.deepest_well, "197");
    EXPECT_EQ(s.fin_width, "3");
    EXPECT_EQ(s.well_width, "61");
    EXPECT_EQ(s.lock, LockMode::depth);
    EXPECT_EQ(s.auto_well_width, CheckLine(false));
    EXPECT_EQ(s.advanced, CheckLine(true));
    EXPECT_TRUE(s.inverse_pairing);
    EXPECT_FALSE(s.half_width);
    EXPECT_EQ(s.vertical_scale_mm, 800);
    EXPECT_TRUE(s.inverse_panel);
    EXPECT_EQ(s.unit_mode, UnitMode::metric);
    EXPECT_EQ(s.results_page, 3);
    EXPECT_EQ(s.wheel_shift, 4);
    EXPECT_EQ(s.side_shift, 2);
    EXPECT_EQ(s.last_folder, "/opt/welkin/projects/rooms");
    EXPECT_EQ(s.auto_optimise, CheckLine(false));
    EXPECT_EQ(s.optimise_2d, CheckLine(true));
    const std::array<CheckLine, 6> two_panels = {false, true, false, false, false, false};
    EXPECT_EQ(s.arrangements, two_panels);
    const std::array<CheckLine, 4> the_blues = {false, false, true, false};
    EXPECT_EQ(s.colour_schemes, the_blues);
    EXPECT_EQ(s.highlight_inverse, CheckLine(true));
    EXPECT_EQ(s.visualiser, (WindowPlace{4000, 9600, 1200, 300}));
    EXPECT_EQ(s.build_depth_2d, "246");
}

TEST(ProjectFile, FilesAsThisVersionWritesThemAreWrittenBackByteForByte) {
    const std::pair<const char*, const std::vector<std::string>*> files[] = {
        {"metric, depth lock", &metric_lines}, {"inches, 2D lock", &inches_lines}};
    for (const auto& [name, lines] : files) {
        const std::string bytes = crlf_lines(*lines);
        EXPECT_EQ(write_project(parse_project(bytes)), bytes) << name;
    }
}

// Older versions stop earlier: 34 lines lack the 2D build depth, 17 are the
// least that loads.
TEST(ProjectFile, OlderFilesKeepTheirLineCount) {
    const struct {
        const char* name;
        std::size_t lines;
        bool complete, has_build_depth_2d;
    } rows[] = {{"this version", 35, true, true},
                {"before the 2D build depth", 34, true, false},
                {"the first version", 17, true, false},
                {"cut short", 16, false, false},
                {"empty", 0, false, false}};
    for (const auto& row : rows) {
        std::vector<std::string> lines = metric_lines;
        lines.resize(row.lines);
        const ProjectSettings s = parse_project(crlf_lines(lines));
        EXPECT_EQ(s.lines_read, static_cast<int>(row.lines)) << row.name;
        EXPECT_EQ(s.complete(), row.complete) << row.name;
        EXPECT_EQ(s.has(project_line::build_depth_2d), row.has_build_depth_2d) << row.name;
    }
    // Missing lines read as empty: nothing is taken from them.
    std::vector<std::string> first_version = metric_lines;
    first_version.resize(17);
    const ProjectSettings s = parse_project(crlf_lines(first_version));
    EXPECT_EQ(s.auto_optimise, std::nullopt);
    EXPECT_EQ(s.arrangements[0], std::nullopt);
    EXPECT_EQ(s.visualiser, WindowPlace{});
    EXPECT_EQ(s.build_depth_2d, "");
}

TEST(ProjectFile, LineBreaksAndEncodingsOfOtherEditorsAndVersions) {
    const struct {
        const char* name;
        std::string bytes;
        int lines_read;
        std::string last_folder;
    } rows[] = {
        {"Windows-1252 of older versions",
         crlf_lines(
             {"7", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "C:\\Caf\xe9"}),
         17, "C:\\Caf\xc3\xa9"},
        {"UTF-8 kept as it is",
         crlf_lines(
             {"7", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "/caf\xc3\xa9"}),
         17, "/caf\xc3\xa9"},
        {"lone LF", "7\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n/home\n", 17, "/home"},
        {"a UTF-8 byte-order mark before the first line",
         "\xEF\xBB\xBF" + crlf_lines({"7", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                     "", "/home"}),
         17, "/home"},
        {"lone CR, no break at the end", "7\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r/home", 17, "/home"},
        // The last is welkin.ini's line of build choices.
        {"lines past the last are not read", crlf_lines(std::vector<std::string>(40, "/x")), 36,
         "/x"},
    };
    for (const auto& row : rows) {
        const ProjectSettings s = parse_project(row.bytes);
        EXPECT_EQ(s.lines_read, row.lines_read) << row.name;
        EXPECT_EQ(s.well_count, row.lines_read == 36 ? "/x" : "7") << row.name;
        EXPECT_EQ(s.last_folder, row.last_folder) << row.name;
    }
}

// One line as a file holds it, and what the settings take from it.
// Linux lets a folder's name hold a line break; written as it is, it would
// split its line and move every later value to the line after its own.
TEST(ProjectFile, AValueWithALineBreakNeverMovesTheLinesAfterIt) {
    const struct {
        const char* name;
        void (*spoil)(ProjectSettings&);
        std::string last_folder, well_count;
    } rows[] = {
        {"a folder named across two lines",
         [](ProjectSettings& s) { s.last_folder = "/home/ann/rooms\nold"; }, "", "13"},
        {"a folder whose name ends in CR",
         [](ProjectSettings& s) { s.last_folder = "/home/ann/rooms\r"; }, "", "13"},
        {"a field text with a pasted line break",
         [](ProjectSettings& s) { s.well_count = "13\r\n7"; }, "/opt/welkin/projects/rooms",
         "13"},
    };
    const ProjectSettings original = parse_project(crlf_lines(metric_lines));
    for (const auto& row : rows) {
        ProjectSettings spoilt = original;
        row.spoil(spoilt);
        const ProjectSettings back = parse_project(write_project(spoilt));
        EXPECT_EQ(back.lines_read, 35) << row.name;
        EXPECT_EQ(back.last_folder, row.last_folder) << row.name;
        EXPECT_EQ(back.well_count, row.well_count) << row.name;
        // The lines after it are their own.
        EXPECT_EQ(back.auto_optimise, original.auto_optimise) << row.name;
        EXPECT_EQ(back.colour_schemes, original.colour_schemes) << row.name;
        EXPECT_EQ(back.visualiser, original.visualiser) << row.name;
        EXPECT_EQ(back.build_depth_2d, "246") << row.name;
    }
}

TEST(ProjectFile, TokensAreTakenOnlyWhenValid) {
    const auto read = [](int line, const std::string& text) {
        std::vector<std::string> lines = metric_lines;
        lines[static_cast<std::size_t>(line - 1)] = text;
        return parse_project(crlf_lines(lines));
    };
    namespace at = project_line;
    EXPECT_EQ(read(at::lock, "yes").lock, LockMode::depth);
    EXPECT_EQ(read(at::lock, "2d").lock, LockMode::build_2d);
    EXPECT_EQ(read(at::lock, "FREQ").lock, LockMode::freq);
    EXPECT_EQ(read(at::lock, "").lock, LockMode::freq);
    EXPECT_EQ(read(at::advanced, "Yes").advanced, std::nullopt);
    EXPECT_FALSE(read(at::inverse_pairing, "YES").inverse_pairing);
    EXPECT_EQ(read(at::vertical_scale, "4").vertical_scale_mm, 2500);
    EXPECT_EQ(read(at::vertical_scale, "5").vertical_scale_mm, std::nullopt);
    EXPECT_EQ(read(at::vertical_scale, "01").vertical_scale_mm, std::nullopt);
    EXPECT_EQ(read(at::unit_mode, "decimalinches").unit_mode, UnitMode::decimalinches);
    EXPECT_EQ(read(at::unit_mode, "Metric").unit_mode, std::nullopt);
    EXPECT_EQ(read(at::results_page, "0").results_page, 0);
    EXPECT_EQ(read(at::results_page, "4").results_page, std::nullopt);
    EXPECT_EQ(read(at::results_page, "-1").results_page, std::nullopt);
    EXPECT_EQ(read(at::wheel_shift, "100").wheel_shift, 100);
    EXPECT_EQ(read(at::side_shift, "101").side_shift, std::nullopt);
    EXPECT_EQ(read(at::side_shift, "99999999999").side_shift, std::nullopt);
    EXPECT_EQ(read(at::optimise_2d, "maybe").optimise_2d, std::nullopt);
    EXPECT_EQ(read(at::visualiser_height, "0").visualiser.height, 0);
    EXPECT_EQ(read(at::visualiser_height, "-5").visualiser.height, 0);
    EXPECT_EQ(read(at::visualiser_height, " 1200.5").visualiser.height, 1200.5);
}

// What a file could not say is written so that it reads back the same.
TEST(ProjectFile, WrittenSettingsReadBackAsTheyWere) {
    ProjectSettings odd = parse_project(crlf_lines(inches_lines));
    odd.advanced = std::nullopt;
    odd.vertical_scale_mm = std::nullopt;
    odd.unit_mode = std::nullopt;
    odd.results_page = std::nullopt;
    odd.side_shift = std::nullopt;
    odd.arrangements[3] = std::nullopt;
    odd.visualiser.left = 12.25;
    EXPECT_EQ(parse_project(write_project(odd)), odd);

    // The field texts are written trimmed, as the user sees them.
    ProjectSettings padded = odd;
    padded.well_count = " 7 ";
    padded.fin_width = " 1/8";
    EXPECT_EQ(parse_project(write_project(padded)), odd);
}

TEST(ProjectFile, FilesOnDisk) {
    const TempDir dir;
    const Result<ProjectSettings> missing = read_project_file(dir.file("gone.qrd"));
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.message().empty());
    EXPECT_FALSE(read_project_file(dir.path().string()).ok());

    const ProjectSettings s = parse_project(crlf_lines(metric_lines));
    ASSERT_TRUE(write_project_file(dir.file("hall.qrd"), s).ok());
    const Result<ProjectSettings> back = read_project_file(dir.file("hall.qrd"));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, s);
    EXPECT_FALSE(write_project_file(dir.file("no/such/folder.qrd"), s).ok());
}

}  // namespace
}  // namespace welkin
