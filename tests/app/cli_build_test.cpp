// welkin-cli build as a script uses it: the options reach the plan, every
// file is written, and a refused plan writes none of them.
#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli_process.h"
#include "temp_dir.h"

namespace welkin {
namespace {

QJsonObject json_of(const CliRun& run) {
    return QJsonDocument::fromJson(run.out).object();
}

TEST(CliBuild, OptionsReachThePlan) {
    const CliRun run =
        cli({"build", "--height", "900", "--kerf", "2.5", "--stock", "1800x300x12",
             "--construction", "blocks", "--material", "oak", "--spare", "0", "--json"});
    ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
    const QJsonObject plan = json_of(run);
    EXPECT_EQ(plan["construction"].toString(), "blocks");
    EXPECT_EQ(plan["kerf_mm"].toDouble(), 2.5);
    EXPECT_EQ(plan["size_mm"].toArray()[1].toDouble(), 900);
    EXPECT_EQ(plan["material"].toObject()["kg_per_m3"].toDouble(),
              750);  // oak in the report's table
    const QJsonObject boards = plan["plan"].toArray()[0].toObject();
    EXPECT_EQ(boards["length_mm"].toDouble(), 1800);
    // With no spare, exactly the boards the plan cuts are bought.
    EXPECT_EQ(boards["to_buy"].toInt(), boards["lengths"].toArray().size());
    for (const QJsonValue part : plan["parts"].toArray()) {
        EXPECT_EQ(part.toObject()["length_mm"].toDouble(), 900)
            << "every 1D piece runs the panel's height";
    }
}

// The 2D panel at the offsets asked for: a bottom in each of its N x N wells.
TEST(CliBuild, TwoDimensionalPanelAtItsOffsets) {
    const CliRun run = cli({"build", "--2d", "--left", "0", "--pull", "0", "--json"});
    ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
    int bottoms = 0;
    for (const QJsonValue part : json_of(run)["parts"].toArray()) {
        if (part.toObject()["kind"].toString() == "well bottom")
            bottoms += part.toObject()["count"].toInt();
    }
    EXPECT_EQ(bottoms, 7 * 7);  // the factory design is N 7 with fins
}

TEST(CliBuild, WritesEveryFileAskedFor) {
    const TempDir dir;
    const QString d = QString::fromStdString(dir.path().string()) + "/";
    const CliRun run = cli({"build", "--parts-csv", d + "parts.csv", "--plan-csv", d + "plan.csv",
                            "--sheet", d + "sheet.pdf", "--svg", d + "cuts.svg", "--dxf",
                            d + "cuts.dxf", "--3mf", d + "panel.3mf", "--stl", d + "panel.stl"});
    ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
    const std::pair<const char*, std::string> starts[] = {{"parts.csv", "label,kind,count"},
                                                          {"plan.csv", "stock,number,cut"},
                                                          {"sheet.pdf", "%PDF"},
                                                          {"cuts.svg", "<?xml"},
                                                          {"cuts.dxf", "999\ndxflib"},
                                                          {"panel.3mf", "PK"},
                                                          {"panel.stl", "Welkin"}};
    for (const auto& [name, start] : starts) {
        std::string head(start.size(), '\0');
        std::FILE* f = std::fopen(dir.file(name).c_str(), "rb");
        ASSERT_NE(f, nullptr) << name;
        const std::size_t read = std::fread(head.data(), 1, head.size(), f);
        std::fclose(f);
        EXPECT_EQ(read, head.size()) << name;
        EXPECT_EQ(head, start) << name;
    }
}

struct RefusedCase {
    const char* name;
    QStringList args;
    int exit_code;
    const char* says;
};

TEST(CliBuild, RefusedChoicesSayWhyAndWriteNothing) {
    const RefusedCase cases[] = {
        // The plan's own refusals are the build plan's test's: one of them here.
        {"part longer than any board", {"--height", "2500"}, 1, "2500 mm long, longer than the"},
        {"unknown material", {"--material", "teak"}, 1, "Unknown material \"teak\""},
        {"malformed stock", {"--stock", "2400x300"}, 2, "--stock is like"},
        {"malformed kerf", {"--kerf", "3mm"}, 2, "--kerf takes a number"},
        {"material and density", {"--material", "oak", "--density", "600"}, 2, "not both"},
        {"offsets without 2D", {"--left", "2"}, 2, "go with --2d"},
    };
    for (const RefusedCase& c : cases) {
        const TempDir dir;
        const QString sheet = QString::fromStdString(dir.file("sheet.pdf"));
        const QString stl = QString::fromStdString(dir.file("panel.stl"));
        const CliRun run = cli(QStringList{"build", "--sheet", sheet, "--stl", stl} + c.args);
        EXPECT_EQ(run.exit_code, c.exit_code) << c.name;
        EXPECT_TRUE(run.err.contains(c.says)) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.name;
    }
}

// A careless name must never cost the user a file: a workshop file named for
// another format, or a file written over the project read or over another
// file of the same run, is refused before anything is written.
TEST(CliBuild, NamesThatWouldSpoilAFileAreRefusedAndTouchNothing) {
    const struct {
        const char* name;
        QStringList args;  // "P" is the project, other names are in the folder
        const char* says;
    } rows[] = {
        {"a PDF sheet named as a picture", {"build", "--sheet", "sheet.png"}, "end in .pdf"},
        {"an STL named as 3MF", {"build", "--stl", "panel.3mf"}, "end in .stl"},
        {"a DXF named as SVG", {"build", "--dxf", "cuts.svg"}, "end in .dxf"},
        {"the parts list over the project", {"build", "P", "--parts-csv", "P"},
         "--parts-csv names"},
        {"the 1D report over the project", {"report1d", "P", "-o", "P"}, "-o names"},
        {"the 2D report over the project by a link",
         {"report2d", "link.qrd", "-o", "P"}, "link.qrd, which this command reads"},
        {"both plans into one file", {"build", "--parts-csv", "a.csv", "--plan-csv", "./a.csv"},
         "--parts-csv and --plan-csv name one file"},
    };
    const std::string project = "7\r\n300\r\n";  // bytes that must survive
    for (const auto& row : rows) {
        const TempDir dir;
        { std::ofstream(dir.file("p.qrd"), std::ios::binary) << project; }
        std::filesystem::create_symlink("p.qrd", dir.file("link.qrd"));
        QStringList args;
        for (const QString& a : row.args) {
            if (a.startsWith('-') || a == row.args.first()) {
                args << a;
            } else {
                args << QString::fromStdString(dir.file(a == "P" ? "p.qrd" : a.toStdString()));
            }
        }
        const CliRun run = cli(args);
        EXPECT_EQ(run.exit_code, 2) << row.name;
        EXPECT_TRUE(run.err.contains(row.says)) << row.name << ": " << run.err.toStdString();
        std::ifstream in(dir.file("p.qrd"), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), project) << row.name;
        int entries = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
            ++entries;
        EXPECT_EQ(entries, 2) << row.name << ": nothing else was written";
    }
}

// Standard output and devices take any number of writes.
TEST(CliBuild, StandardOutputAndDevicesAreNoClash) {
    EXPECT_EQ(cli({"report1d", "-o", "/dev/null"}).exit_code, 0);
    EXPECT_EQ(cli({"build", "--parts-csv", "/dev/null", "--plan-csv", "/dev/null"}).exit_code, 0);
}

}  // namespace
}  // namespace welkin
