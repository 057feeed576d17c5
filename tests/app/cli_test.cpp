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
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fake_host.h"
#include "persist/startup.h"
#include "reports/report_1d.h"
#include "temp_dir.h"

namespace welkin {
namespace {

struct CliRun {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

CliRun cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(WELKIN_CLI), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

std::string write_project(const TempDir& dir, const std::string& name,
                          const std::vector<std::string>& lines) {
    const std::string path = dir.file(name);
    std::ofstream out(path, std::ios::binary);
    for (const std::string& l : lines) out << l << "\r\n";
    return path;
}

// A 13-well panel in each unit mode: the lengths written as that mode shows them.
std::vector<std::string> project(const char* lock, const char* mode, const char* deepest,
                                 const char* fin, const char* well) {
    return {"13", "450", deepest, fin, well, lock, "no",   "yes", "no",  "no",
            "0",  "no",  mode,    "2", "3",  "1",  "/tmp", "no",  "yes", "2" /* unused here */};
}

class CliTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(CliTest, SummaryJsonAgreesWithTheModel) {
    struct Mode {
        const char *name, *deepest, *fin, *well;
    };
    const Mode modes[] = {{"metric", "240", "3", "61"},
                          {"inches", "9 7/16", "1/8", "2 3/8"},
                          {"decimalinches", "9.45", ".12", "2.4"}};
    for (const Mode& m : modes) {
        for (const char* lock : {"freq", "depth", "2d"}) {
            SCOPED_TRACE(std::string(m.name) + " " + lock);
            std::vector<std::string> lines = project(lock, m.name, m.deepest, m.fin, m.well);
            if (std::string(lock) == "2d") lines.resize(35, "");
            if (std::string(lock) == "2d") lines[34] = m.deepest;
            const std::string path = write_project(dir, std::string(m.name) + lock + ".qrd", lines);

            const CliRun run = cli({"summary", QString::fromStdString(path), "--json"});
            ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
            QJsonParseError error;
            const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
            ASSERT_EQ(error.error, QJsonParseError::NoError);

            FakeHost host;
            MainForm form(host);
            start_up(form);
            ASSERT_TRUE(open_project(form, path, "x.qrd"));
            form.Command1_Click();
            const Design& d = form.design();
            EXPECT_EQ(json["well_count"].toInt(), 13);
            EXPECT_EQ(json["unit_mode"].toString().toStdString(), m.name);
            EXPECT_EQ(json["lock"].toString().toStdString(), lock);
            EXPECT_EQ(json["design_freq_hz"].toDouble(), d.design_freq_hz);
            EXPECT_EQ(json["deepest_well_mm"].toDouble(), d.deepest_well_mm);
            EXPECT_EQ(json["build_depth_2d_mm"].toDouble(), d.build_depth_2d_mm);
            EXPECT_EQ(json["well_width_mm"].toDouble(), d.well_width_mm);
            EXPECT_EQ(json["lowest_diffusion_hz"].toDouble(), d.lowest_diffusion_hz);
            EXPECT_EQ(json["side_shift"].toInt(), 1);
            EXPECT_EQ(json["well_seq"].toArray().size(), 14);
            EXPECT_EQ(json["well_seq"].toArray()[0].toInt(), d.well_seq[0]);
            EXPECT_EQ(json["fields"]["Text4"].toString().toStdString(),
                      form.field_text(Field::Text4));
            EXPECT_EQ(json["labels"]["Label6"].toString().toStdString(), form.rating().Label6);
            EXPECT_EQ(json["score_tiles"].toArray().size(), 4);
            EXPECT_TRUE(json["title"].toString().endsWith(
                QString::fromStdString("    Project: " + std::string(m.name) + lock + ".qrd")));
        }
    }
}

TEST_F(CliTest, RefusedInputsExitWithTheProgramsMessage) {
    std::vector<std::string> sixteen = project("freq", "metric", "240", "3", "61");
    sixteen.resize(16);
    std::vector<std::string> nine = project("freq", "metric", "240", "3", "61");
    nine[0] = "9";
    std::vector<std::string> bad_fin = project("freq", "inches", "9", "5''", "2");
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {dir.file("missing.qrd"), "There was a problem opening project " + dir.file("missing.qrd") +
                                      " - resetting Welkin to default values"},
        {write_project(dir, "short.qrd", sixteen), "There was a problem opening project"},
        {write_project(dir, "nine.qrd", nine),
         "Number of wells must be a prime number between 3 and 101"},
        {write_project(dir, "fin.qrd", bad_fin), "Fin width: More than one ' (foot) symbol"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const CliRun run = cli({"summary", QString::fromStdString(c.path)});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QByteArray::fromStdString(c.message))) << run.err.data();
    }
}

TEST_F(CliTest, UsageErrorsShowTheUsage) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"bogus"}, QStringList{"summary", "a", "b"},
          QStringList{"convert"}, QStringList{"render", "cross-section"},
          QStringList{"render", "lobes", "-o", "x.png"}, QStringList{"convert", "1", "--json"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = cli(args);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_TRUE(run.err.contains("Usage:"));
    }
    EXPECT_EQ(cli({"--version"}).out, "4.01\n");
    EXPECT_EQ(cli({"--help"}).exit_code, 0);
}

TEST_F(CliTest, RendersPngSvgAndPdf) {
    const QString png = QString::fromStdString(dir.file("wheel.png"));
    ASSERT_EQ(cli({"render", "phase-wheel", "-o", png, "--size", "202x202"}).exit_code, 0);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(202, 202));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(224, 224, 224));  // background
    bool top_spoke = false;  // the first well's shift, 0, points straight up
    for (int x = 98; x <= 102; ++x) top_spoke |= image.pixelColor(x, 30) == QColor(115, 164, 110);
    EXPECT_TRUE(top_spoke);

    const QString svg = QString::fromStdString(dir.file("wheel.svg"));
    ASSERT_EQ(cli({"render", "phase-wheel", "-o", svg}).exit_code, 0);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int strokes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == QLatin1String("polyline") || xml.name() == QLatin1String("circle"))) {
            ++strokes;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(strokes, 7 + 7 + 1);  // grey spokes, used spokes, the rim

    const QString pdf = QString::fromStdString(dir.file("panel.pdf"));
    ASSERT_EQ(cli({"render", "cross-section", "-o", pdf}).exit_code, 0);
    QFile pdf_file(pdf);
    ASSERT_TRUE(pdf_file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf_file.read(5) == "%PDF-");
}

TEST_F(CliTest, ReportsAndLobes) {
    const std::string report = dir.file("r.txt");
    ASSERT_EQ(cli({"report1d", "-o", QString::fromStdString(report)}).exit_code, 0);
    FakeHost host;
    MainForm form(host);
    start_up(form);
    std::ifstream in(report, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, report_1d_text(form));

    // The centred grid unless told otherwise; offsets wrap round the grid.
    EXPECT_EQ(cli({"report2d"}).out, cli({"report2d", "--left", "4", "--pull", "11"}).out);
    EXPECT_EQ(cli({"report2d", "--left", "x"}).exit_code, 2);

    const CliRun refused = cli({"lobes", "--angle", "95"});
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_EQ(refused.err, "Angle of incidence must be between 90 degrees and -90 degrees\n");
    EXPECT_EQ(cli({"lobes"}).exit_code, 2);

    const CliRun explorer = cli({"lobes", "--angle", "0", "--explorer", "--json"});
    ASSERT_EQ(explorer.exit_code, 0);
    const QJsonObject json = QJsonDocument::fromJson(explorer.out).object();
    EXPECT_TRUE(json["lobe_start_hz"].isNull());
    EXPECT_EQ(json["texts"]["Label6"].toString(), QStringLiteral("f_period  592 Hz"));
    EXPECT_FALSE(json["true_multiples"].toArray().isEmpty());
}

}  // namespace
}  // namespace welkin
