// welkin-cli run as a process on project files written here, its output
// compared with the model loading the same files.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli_process.h"
#include "fake_host.h"
#include "forms/design_summary.h"
#include "forms/main_form.h"
#include "forms/report_files.h"
#include "forms/startup.h"
#include "reports/report_1d.h"
#include "temp_dir.h"

namespace welkin {
namespace {

class CliTest : public ::testing::Test {
protected:
    // A 13-well metric inverse panel (its 2D depth unlike its deepest 1D well),
    // 35 lines cut to `size`, with the given lines (numbered from 1) replaced.
    QString project(const std::string& name,
                    const std::vector<std::pair<int, std::string>>& changes,
                    std::size_t size = 35) const {
        std::vector<std::string> lines = {"13",  "450", "240",  "3",  "61",  "freq",   "no",
                                          "yes", "no",  "no",   "0",  "yes", "metric", "2",
                                          "3",   "1",   "/tmp", "no", "yes"};
        lines.resize(35, "");
        for (const auto& [n, text] : changes) lines[static_cast<std::size_t>(n - 1)] = text;
        lines.resize(size);
        std::ofstream out(dir.file(name), std::ios::binary);
        for (const std::string& l : lines) out << l << "\r\n";
        return file(name);
    }
    QString file(const std::string& name) const { return QString::fromStdString(dir.file(name)); }
    QByteArray contents(const std::string& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempDir dir;
    FakeHost host;
    MainForm form{host};  // the model, to compare with
};

// The summary, as text and as JSON, is the model's for the same file.
TEST_F(CliTest, SummaryAgreesWithTheModel) {
    // Each unit mode and each lock once: the lengths of deepest well, fin,
    // well and 2D depth as the mode writes them.
    const struct {
        const char* name;
        std::string mode, lock, deepest, fin, well;
    } rows[] = {{"metric, frequency lock", "metric", "freq", "240", "3", "61"},
                {"inches, depth lock", "inches", "depth", "9 7/16", "1/8", "2 3/8"},
                {"decimal inches, 2D lock", "decimalinches", "2d", "9.45", ".12", "2.4"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = project(row.mode + ".qrd", {{3, row.deepest}, {4, row.fin},
                                                         {5, row.well}, {6, row.lock},
                                                         {13, row.mode}, {35, row.deepest}});
        start_up(form);
        ASSERT_TRUE(open_project(form, path.toStdString(), row.mode + ".qrd"));
        form.recompute();
        const CliRun text = cli({"summary", path});
        ASSERT_EQ(text.exit_code, 0) << text.err.toStdString();
        EXPECT_EQ(text.out.toStdString(),
                  design_summary(form.shown(), {form.busy(), form.field_texts(), form.title(),
                                                form.results_table().page()}));

        const QJsonObject json = QJsonDocument::fromJson(cli({"summary", path, "--json"}).out).object();
        EXPECT_EQ(json["fields"]["fin_width"].toString().toStdString(),
                  form.field_text(Field::fin_width));
    }
}

// Refused inputs exit with 1 and the program's message, wrong use with 2 and
// the usage; neither writes to standard output.
TEST_F(CliTest, RefusalsAndUsageErrors) {
    const auto expect_exit = [](const QStringList& args, int code, const std::string& message) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = cli(args);
        EXPECT_EQ(run.exit_code, code);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QByteArray::fromStdString(message))) << run.err.data();
    };
    const QString missing = file("missing.qrd");
    // A script is told what is wrong with the file, not that the program resets.
    expect_exit({"summary", missing}, 1,
                "Cannot open project " + missing.toStdString() + ": No such file or directory\n");
    expect_exit({"summary", project("short.qrd", {}, 16)}, 1, ": only 16 of 17 required lines\n");
    expect_exit({"summary", "/dev/zero"}, 1, "Cannot open project /dev/zero: not a regular file\n");
    // An empty name (a script's unset variable) is no file, never the factory design.
    const std::pair<const char*, QStringList> empty_names[] = {
        {"summary", {"summary", ""}},
        {"a report to a file", {"report1d", "", "-o", file("report.txt")}},
        {"a picture", {"render", "scatter", "", "-o", file("scatter.png")}},
        {"one of the compared", {"compare", "", project("a.qrd", {})}},
        {"a build", {"build", "", "--json"}},
    };
    for (const auto& [name, args] : empty_names) {
        SCOPED_TRACE(name);
        expect_exit(args, 1, "Cannot open project \"\": no file name\n");
    }
    EXPECT_FALSE(QFile::exists(file("report.txt")));
    EXPECT_FALSE(QFile::exists(file("scatter.png")));
    // An option given twice has no one meaning; nothing is written.
    const std::pair<const char*, QStringList> given_twice[] = {
        {"two pictures", {"render", "scatter", "-o", file("a.png"), "-o", file("b.png")}},
        {"-o and its long name", {"report1d", "-o", file("a.txt"), "--output", file("b.txt")}},
        {"two angles", {"lobes", "--angle", "0", "--angle", "30"}},
        {"two heights", {"build", "--height", "600", "--height=900"}},
    };
    for (const auto& [name, args] : given_twice) {
        SCOPED_TRACE(name);
        expect_exit(args, 2, "is given more than once");
    }
    for (const char* name : {"a.png", "b.png", "a.txt", "b.txt"})
        EXPECT_FALSE(QFile::exists(file(name))) << name;
    expect_exit({"summary", project("nine.qrd", {{1, "9"}})}, 1,
                "Number of wells must be a prime number between 3 and 101");
    expect_exit({"summary", project("fin.qrd", {{13, "inches"}, {3, "9"}, {4, "5''"}, {5, "2"}})},
                1, "Fin width: More than one ' (foot) symbol");
    expect_exit({"lobes", "--angle", "95"}, 1,
                "Angle of incidence must be between 90 degrees and -90 degrees\n");
    for (const QStringList& args :
         {QStringList{}, QStringList{"bogus"}, QStringList{"summary", "a", "b"},
          QStringList{"convert"}, QStringList{"render", "cross-section"},
          QStringList{"render", "lobes", "-o", "x.png"}, QStringList{"convert", "1", "--json"},
          QStringList{"report2d", "--left", "x"}, QStringList{"render", "panel2d", "--left", "x"},
          QStringList{"lobes"},
          QStringList{"lobes", "--angle", "abc"}, QStringList{"lobes", "--angle", "30abc"},
          QStringList{"lobes", "--angle", "nan"}, QStringList{"lobes", "--angle", "0x1E"},
          QStringList{"lobes", "--angle", ""}, QStringList{"report1d", "-o", ""},
          QStringList{"render", "scatter", "-o", "x.png", "--size", "20000x20000"},
          QStringList{"render", "scatter", "-o", "x.png", "--size", "16384x16384"}})
        expect_exit(args, 2, "Usage:");
    EXPECT_EQ(cli({"--version"}).out, "4.01\n");
    EXPECT_EQ(cli({"--help"}).exit_code, 0);
}

bool one_colour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
        }
    }
    return true;
}

// Each picture command writes the format its file names at the asked size;
// what the pictures show is the render tests'.
TEST_F(CliTest, RendersPngSvgAndPdf) {
    ASSERT_EQ(cli({"render", "phase-wheel", "-o", file("w.png"), "--size", "202x202"}).exit_code,
              0);
    EXPECT_EQ(QImage(file("w.png")).size(), QSize(202, 202));
    ASSERT_EQ(cli({"render", "visualiser", "-o", file("v.png")}).exit_code, 0);
    EXPECT_EQ(QImage(file("v.png")).size(), QSize(1000, 220));
    for (const QStringList& picture : {QStringList{"panel2d"}, QStringList{"crossword"},
                                       QStringList{"response", "--freq", "1000", "--panels", "4"}}) {
        const QStringList args = QStringList{"render"} + picture;
        ASSERT_EQ(cli(args + QStringList{"-o", file("p.png"), "--size", "300x320"}).exit_code, 0);
        const QImage image(file("p.png"));
        ASSERT_EQ(image.size(), QSize(300, 320)) << picture[0].toStdString();
        EXPECT_FALSE(one_colour(image)) << picture[0].toStdString();
    }
    for (const QStringList& args :
         {QStringList{"phase-wheel"}, QStringList{"crossword", "--well-depths", "--dimensions"}}) {
        ASSERT_EQ(cli(QStringList{"render"} + args + QStringList{"-o", file("p.svg")}).exit_code, 0);
        QXmlStreamReader xml(contents("p.svg"));
        while (!xml.atEnd()) xml.readNext();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
    ASSERT_EQ(cli({"render", "cross-section", "-o", file("p.pdf")}).exit_code, 0);
    EXPECT_TRUE(contents("p.pdf").startsWith("%PDF-"));
}

TEST_F(CliTest, ReportsAndLobes) {
    ASSERT_EQ(cli({"report1d", "-o", file("r.txt")}).exit_code, 0);
    start_up(form);
    EXPECT_EQ(contents("r.txt").toStdString(), report_1d_text(form.snapshot()));

    // The centred grid unless told otherwise; offsets wrap round the grid either way.
    EXPECT_EQ(cli({"report2d"}).out, cli({"report2d", "--left", "-3", "--pull", "11"}).out);

    const CliRun explorer = cli({"lobes", "--angle", "0", "--explorer", "--json"});
    ASSERT_EQ(explorer.exit_code, 0);
    const QJsonObject json = QJsonDocument::fromJson(explorer.out).object();
    EXPECT_TRUE(json["lobe_start_hz"].isNull());
    EXPECT_EQ(json["texts"]["Label6"].toString(), QStringLiteral("f_period  592 Hz"));
    EXPECT_FALSE(json["true_multiples"].toArray().isEmpty());
}

}  // namespace
}  // namespace welkin

namespace welkin {
namespace {

// Under a small file size limit, as on a disk that fills up part way.
CliRun cli_with_full_disk(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("sh"), QStringList{"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"",
                                              QStringLiteral(WELKIN_CLI)} +
                                      args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

TEST_F(CliTest, OutputsAreWholeOrUntouched) {
    const QByteArray report = cli({"report1d"}).out;
    EXPECT_EQ(cli({"report1d", "-o", "-"}).out, report);

    // A failed write exits 1, says why, and leaves the old file and no other.
    std::ofstream(dir.file("good.svg")) << "<svg>good</svg>";
    std::filesystem::create_directory(dir.file("folder.svg"));
    const struct {
        const char* name;
        CliRun run;
        const char* why;
    } failures[] = {
        {"a folder", cli({"render", "scatter", "-o", file("folder.svg")}), ": Is a directory\n"},
        {"a full disk", cli_with_full_disk({"report2d", "-o", file("good.svg")}),
         ": File too large\n"},
    };
    for (const auto& f : failures) {
        EXPECT_EQ(f.run.exit_code, 1) << f.name;
        EXPECT_TRUE(f.run.err.startsWith("Cannot write ")) << f.name << f.run.err.data();
        EXPECT_TRUE(f.run.err.endsWith(f.why)) << f.name << f.run.err.data();
    }
    EXPECT_EQ(contents("good.svg"), QByteArray("<svg>good</svg>"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);
}

}  // namespace
}  // namespace welkin
