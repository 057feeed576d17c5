// welkin-cli response run as a process against published far-field levels
// and coefficients, its three printings compared with one another, and its
// refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cli_process.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "response/diffusion.h"
#include "temp_dir.h"

namespace welkin {
namespace {

// An N 7 QRD, 6 periods of 85.714 mm wells 3.6 m wide, at 1000 Hz and 343 m/s.
const QStringList case_a = {"response", "--depths", "0,50,200,100,100,200,50", "--well-width",
                            "85.71428571428571", "--panels", "6", "--speed", "343", "--freq",
                            "1000"};

// The published peak-referenced levels of case A at -90, -85, ..., 90 degrees.
constexpr std::array<double, 37> case_a_levels = {
    -19.337, -18.867, -19.798, -26.178, -26.347, -18.811, -29.685, -18.212, -34.309, -13.850,
    -11.212, -1.191,  -12.143, -16.334, -21.342, -25.559, -24.896, -22.567, 0.000,   -19.414,
    -18.483, -17.966, -17.789, -16.949, -13.506, -1.146,  -9.559,  -10.912, -30.481, -13.875,
    -25.163, -14.346, -22.085, -22.176, -16.038, -15.275, -15.804};
constexpr std::array<double, 37> case_a_flat_levels = {
    -36.385, -35.709, -36.065, -41.617, -40.861, -32.474, -42.750, -31.127, -47.771, -28.995,
    -30.520, -50.381, -28.015, -23.478, -21.660, -20.958, -20.753, -20.733, 0.000,   -20.733,
    -20.753, -20.958, -21.660, -23.478, -28.015, -50.381, -30.520, -28.995, -47.771, -31.127,
    -42.750, -32.474, -40.861, -41.617, -36.065, -35.709, -36.385};

QJsonObject json_of(const QStringList& args) {
    const CliRun run = cli(args);
    EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return doc.object();
}

std::vector<double> numbers(const QJsonValue& v) {
    std::vector<double> out;
    for (const QJsonValue& x : v.toArray()) out.push_back(x.toDouble());
    return out;
}

TEST(CliResponse, CaseAMatchesThePublishedLevelsAndCoefficients) {
    const QJsonObject json = json_of(case_a + QStringList{"--json"});
    QStringList keys = {"frequency_hz", "source_angle_deg", "speed_m_s", "panels",
                        "angles_deg",   "levels_db",        "flat_levels_db", "d",
                        "d_flat",       "d_n"};
    keys.sort();
    EXPECT_EQ(json.keys(), keys);
    EXPECT_EQ(json["frequency_hz"].toDouble(), 1000);
    EXPECT_EQ(json["source_angle_deg"].toDouble(), 0);
    EXPECT_EQ(json["speed_m_s"].toDouble(), 343);
    EXPECT_EQ(json["panels"].toInt(), 6);

    const std::vector<double> angles = numbers(json["angles_deg"]);
    const std::vector<double> levels = numbers(json["levels_db"]);
    const std::vector<double> flat = numbers(json["flat_levels_db"]);
    ASSERT_EQ(angles.size(), 37u);
    ASSERT_EQ(levels.size(), 37u);
    ASSERT_EQ(flat.size(), 37u);
    for (std::size_t i = 0; i < 37; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(angles[i], -90.0 + 5.0 * static_cast<double>(i));
        EXPECT_NEAR(levels[i], case_a_levels[i], 0.0005 + 1e-9);
        EXPECT_NEAR(flat[i], case_a_flat_levels[i], 0.0005 + 1e-9);
    }
    // Published from levels rounded to 0.001 dB, which moves them by about 1.5e-6.
    EXPECT_NEAR(json["d"].toDouble(), 0.10985146785866741, 1e-5);
    EXPECT_NEAR(json["d_flat"].toDouble(), 0.004871959138901796, 1e-5);
    EXPECT_NEAR(json["d_n"].toDouble(), 0.10549346858814809, 1e-5);
}

TEST(CliResponse, CaseBNormalisedCoefficient) {
    // N 7, 5 periods of 100 mm wells, depths s x 49 mm for s = 0 1 4 2 2 4 1.
    const QJsonObject json =
        json_of({"response", "--depths", "0,49,196,98,98,196,49", "--well-width", "100",
                 "--panels", "5", "--freq", "2000", "--speed", "343", "--json"});
    EXPECT_NEAR(json["d_n"].toDouble(), 0.20802829817091092, 1e-9);
}

TEST(CliResponse, BandsAreTheEighteenCentresInOrderAndAgreeWithBoundaryElements) {
    const QJsonArray bands = json_of(case_a + QStringList{"--bands", "--json"})["bands"].toArray();
    const std::array<double, 18> centres = {100,  125,  160,  200,  250,  315,  400,  500,  630,
                                            800,  1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000};
    ASSERT_EQ(bands.size(), 18);
    for (qsizetype i = 0; i < 18; ++i) {
        EXPECT_EQ(bands[i]["centre_hz"].toDouble(), centres[static_cast<std::size_t>(i)]);
        EXPECT_EQ(bands[i].toObject().keys(), (QStringList{"centre_hz", "d", "d_flat", "d_n"}));
    }
    // Published boundary-element values at 200..400 Hz; the far-field model
    // keeps within 0.015 of them there.
    const struct {
        qsizetype band;
        double d_n;
    } published[] = {{3, 0.00}, {4, 0.01}, {5, 0.01}, {6, 0.01}};
    for (const auto& p : published) {
        EXPECT_NEAR(bands[p.band]["d_n"].toDouble(), p.d_n, 0.015) << p.band;
    }
}

// The JSON holds the model's doubles unrounded, as they read back.
TEST(CliResponse, JsonNumbersRoundTrip) {
    const QJsonObject json = json_of(case_a + QStringList{"--json"});
    const Result<ArcResponse> model = iso_response(
        surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 85.71428571428571, 0, 6),
        Sound{1000, 0, 343});
    ASSERT_TRUE(model);
    EXPECT_EQ(numbers(json["levels_db"]), levels_db(model->energies));
    EXPECT_EQ(numbers(json["flat_levels_db"]), levels_db(model->flat_energies));
    EXPECT_EQ(json["d_n"].toDouble(), model->diffusion.d_n);
}

// The CSV's sections, and each of its numbers equal to the JSON's.
TEST(CliResponse, CsvHasTheSameNumbersAsJson) {
    const CliRun csv = cli(case_a + QStringList{"--bands", "--csv"});
    ASSERT_EQ(csv.exit_code, 0);
    const QJsonObject json = json_of(case_a + QStringList{"--bands", "--json"});
    const QList<QByteArray> lines = csv.out.split('\n');
    // 1 + 37, blank, 1 + 1, blank, 1 + 18, and the last line's end.
    ASSERT_EQ(lines.size(), 38 + 1 + 2 + 1 + 19 + 1);
    EXPECT_EQ(lines[0], "angle_deg,level_db,flat_level_db");
    EXPECT_EQ(lines[38], "");
    EXPECT_EQ(lines[39], "d,d_flat,d_n");
    EXPECT_EQ(lines[41], "");
    EXPECT_EQ(lines[42], "centre_hz,d,d_flat,d_n");
    EXPECT_EQ(lines.back(), "");

    const auto row = [&](int line) {
        std::vector<double> out;
        for (const QByteArray& cell : lines[line].split(',')) out.push_back(cell.toDouble());
        return out;
    };
    for (int i = 0; i < 37; ++i) {
        const std::vector<double> r = row(1 + i);
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(r[0], json["angles_deg"][i].toDouble());
        EXPECT_EQ(r[1], json["levels_db"][i].toDouble());
        EXPECT_EQ(r[2], json["flat_levels_db"][i].toDouble());
    }
    EXPECT_EQ(row(40), (std::vector<double>{json["d"].toDouble(), json["d_flat"].toDouble(),
                                            json["d_n"].toDouble()}));
    for (int i = 0; i < 18; ++i) {
        const QJsonValue band = json["bands"][i];
        EXPECT_EQ(row(43 + i),
                  (std::vector<double>{band["centre_hz"].toDouble(), band["d"].toDouble(),
                                       band["d_flat"].toDouble(), band["d_n"].toDouble()}));
    }
}

TEST(CliResponse, TextTableRoundsToTheThousandthOfADecibel) {
    const CliRun run = cli(case_a + QStringList{"--bands"});
    ASSERT_EQ(run.exit_code, 0);
    const std::string text = run.out.toStdString();
    const char* expected[] = {
        "Frequency 1000 Hz, source at 0 degrees, speed of sound 343 m/s, 6 panels\n",
        "\n  -90   -19.337   -36.385\n", "\n    0     0.000     0.000\n",
        "\n   50   -30.481   -47.771\n", "\nd_n     0.1055\n", "\n   5000  0."};
    for (const char* line : expected) EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(CliResponse, DesignFormTakesTheDesignAndItsOptions) {
    FakeHost host;
    MainForm form(host);
    start_up(form);
    const QJsonObject json = json_of({"response", "--json"});
    EXPECT_EQ(json["frequency_hz"].toDouble(), form.design().design_freq_hz);
    EXPECT_EQ(json["source_angle_deg"].toDouble(), 0);
    EXPECT_EQ(json["speed_m_s"].toDouble(), 344);
    EXPECT_EQ(json["panels"].toInt(), 1);
    const std::vector<double> levels = numbers(json["levels_db"]);
    ASSERT_EQ(levels.size(), 37u);
    EXPECT_EQ(*std::max_element(levels.begin(), levels.end()), 0);  // referred to the peak
    EXPECT_FALSE(json.contains("bands"));

    // Only k = 2 pi f / c matters, so halving both changes nothing, but only
    // when the speed reaches the model.
    const QStringList options = {"response", "--panels", "3", "--source-angle", "-30", "--json"};
    const QJsonObject fast = json_of(options + QStringList{"--freq", "1000", "--speed", "344"});
    const QJsonObject slow = json_of(options + QStringList{"--freq", "500", "--speed", "172"});
    EXPECT_EQ(fast["panels"].toInt(), 3);
    EXPECT_EQ(fast["source_angle_deg"].toDouble(), -30);
    for (const char* key : {"levels_db", "flat_levels_db", "d", "d_n"}) {
        EXPECT_EQ(fast[key], slow[key]) << key;
    }
    const QJsonObject slower = json_of(options + QStringList{"--freq", "1000", "--speed", "172"});
    EXPECT_NE(fast["d_n"].toDouble(), slower["d_n"].toDouble());
}

TEST(CliResponse, RendersThePictureAtTheAskedSize) {
    TempDir dir;
    const QString png = QString::fromStdString(dir.file("r.png"));
    ASSERT_EQ(cli({"render", "response", "--freq", "1000", "--panels", "4", "-o", png, "--size",
                   "640x300"})
                  .exit_code,
              0);
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(640, 300));
    bool drawn = false;
    for (int x = 0; x < 640 && !drawn; x += 4) {
        for (int y = 0; y < 300 && !drawn; y += 4) drawn = image.pixel(x, y) != image.pixel(0, 0);
    }
    EXPECT_TRUE(drawn) << "blank picture";
}

// Wrong use exits 2 with the usage, a refused input 1 with the program's
// message; neither prints a response or writes a picture.
TEST(CliResponse, RefusalsAndUsageErrors) {
    TempDir dir;
    const QString png = QString::fromStdString(dir.file("refused.png"));
    const QStringList geometry = {"response", "--depths", "0,50", "--well-width", "80",
                                  "--panels", "2"};
    const struct {
        const char* name;
        QStringList args;
        int exit_code;
        const char* message;
    } rows[] = {
        {"no panels", {"response", "--panels", "0"}, 2, "--panels takes a whole number from 1 to 20"},
        {"too many panels", {"response", "--panels", "21"}, 2, "from 1 to 20"},
        {"half a panel", {"response", "--panels", "2.5"}, 2, "from 1 to 20"},
        {"frequency in words", {"response", "--freq", "abc"}, 2, "--freq takes a number of hertz"},
        {"frequency with an exponent", {"response", "--freq", "1e3"}, 2, "--freq takes"},
        {"frequency beyond a double", {"response", "--freq", "1" + QString(400, '0')}, 2,
         "--freq takes"},
        {"speed in words", {"response", "--speed", "fast"}, 2, "--speed takes"},
        {"empty depth", geometry + QStringList{"--freq", "1000", "--depths", "1,,2"}, 2,
         "--depths takes millimetres separated by commas"},
        {"depths and a project", geometry + QStringList{"--freq", "1000", "room.qrd"}, 2,
         "response --depths takes no PROJECT"},
        {"depths without a frequency", geometry, 2, "needs --well-width MM, --panels P and --freq"},
        {"well width without depths", {"response", "--well-width", "80"}, 2, "go with --depths"},
        {"json and csv", {"response", "--json", "--csv"}, 2, "choose one"},
        {"an option of another command", {"response", "--angle", "5"}, 2, "Usage:"},
        {"steep source", {"response", "--source-angle", "95"}, 1,
         "Angle of incidence must be between 90 degrees and -90 degrees\n"},
        {"steep source, depths", geometry + QStringList{"--freq", "1000", "--source-angle", "-90.5"},
         1, "Angle of incidence must be between 90 degrees and -90 degrees\n"},
        {"no frequency", {"response", "--freq", "0"}, 1,
         "The frequency and the speed of sound must be positive"},
        {"negative speed", geometry + QStringList{"--freq", "1000", "--speed", "-343"}, 1,
         "The frequency and the speed of sound must be positive"},
        {"negative depth", {"response", "--depths", "0,-5", "--well-width", "80", "--panels", "1",
                            "--freq", "1000"}, 1,
         "The wells must have positive widths and lie within their period\n"},
        {"negative fin", geometry + QStringList{"--freq", "1000", "--fin-width", "-10"}, 1,
         "lie within their period\n"},
        {"missing project", {"response", QString::fromStdString(dir.file("none.qrd"))}, 1,
         "Cannot open project "},
        {"render without a file", {"render", "response"}, 2, "render needs -o FILE"},
        {"render, steep source", {"render", "response", "--source-angle", "95", "-o", png}, 1,
         "Angle of incidence must be between 90 degrees and -90 degrees\n"},
        {"render, no frequency", {"render", "response", "--freq", "0", "-o", png}, 1,
         "must be positive"},
        {"render, too many panels", {"render", "response", "--panels", "21", "-o", png}, 2,
         "from 1 to 20"},
        {"render of depths", {"render", "response", "--depths", "0,5", "-o", png}, 2, "Usage:"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const CliRun run = cli(r.args);
        EXPECT_EQ(run.exit_code, r.exit_code);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(r.message)) << run.err.toStdString();
        EXPECT_EQ(run.err.contains("Usage:"), r.exit_code == 2);
    }
    EXPECT_FALSE(QFile::exists(png));
}

}  // namespace
}  // namespace welkin
