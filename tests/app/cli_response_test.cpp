// welkin-cli response run as a process: its three printings compared with
// the model and with one another, the design and its options, and its
// refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
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
const QStringList case_a = {"response",
                            "--depths",
                            "0,50,200,100,100,200,50",
                            "--well-width",
                            "85.71428571428571",
                            "--panels",
                            "6",
                            "--speed",
                            "343",
                            "--freq",
                            "1000"};

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

// The JSON holds the model's own doubles, unrounded, so they read back
// exactly (the model itself is checked against the published values in the
// response tests), and the CSV's sections hold the same numbers.
TEST(CliResponse, JsonIsTheModelsNumbersAndCsvTheSame) {
    const QJsonObject json = json_of(case_a + QStringList{"--bands", "--json"});
    EXPECT_EQ(json["model"].toString(), "far-field");
    EXPECT_EQ(json["panels"].toInt(), 6);
    const Surface surface =
        surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 85.71428571428571, 0, 6);
    const Result<ArcResponse> model = iso_response(surface, Sound{1000, 0, 343});
    ASSERT_TRUE(model);
    EXPECT_EQ(numbers(json["levels_db"]), levels_db(model->energies));
    EXPECT_EQ(numbers(json["flat_levels_db"]), levels_db(model->flat_energies));
    EXPECT_EQ(json["d_n"].toDouble(), model->diffusion.d_n);
    const Result<std::vector<BandValue>> table = band_table(surface, 0, 343);
    ASSERT_TRUE(table);
    const QJsonArray bands = json["bands"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(bands.size()), table->size());
    EXPECT_EQ(bands.last()["d_n"].toDouble(), table->back().diffusion.d_n);

    // The CSV: 1 + 37 lines, blank, 1 + 1, blank, 1 + 18; every number the JSON's.
    const CliRun csv = cli(case_a + QStringList{"--bands", "--csv"});
    ASSERT_EQ(csv.exit_code, 0);
    std::vector<double> from_json;
    for (int i = 0; i < 37; ++i) {
        for (const char* key : {"angles_deg", "levels_db", "flat_levels_db"})
            from_json.push_back(json[key][i].toDouble());
    }
    for (const char* key : {"d", "d_flat", "d_n"}) from_json.push_back(json[key].toDouble());
    for (const QJsonValue band : bands) {
        for (const char* key : {"centre_hz", "d", "d_flat", "d_n"})
            from_json.push_back(band[key].toDouble());
    }
    const QList<QByteArray> lines = csv.out.split('\n');
    ASSERT_EQ(lines.size(), 38 + 1 + 2 + 1 + 19 + 1);
    EXPECT_EQ(lines[0], "angle_deg,level_db,flat_level_db");
    EXPECT_EQ(lines[39], "d,d_flat,d_n");
    EXPECT_EQ(lines[42], "centre_hz,d,d_flat,d_n");
    std::vector<double> from_csv;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == 0 || i == 39 || i == 42 || lines[i].isEmpty()) continue;
        for (const QByteArray& cell : lines[i].split(',')) from_csv.push_back(cell.toDouble());
    }
    EXPECT_EQ(from_csv, from_json);
}

TEST(CliResponse, TextTableRoundsToTheThousandthOfADecibel) {
    const CliRun run = cli(case_a + QStringList{"--bands"});
    ASSERT_EQ(run.exit_code, 0);
    const std::string text = run.out.toStdString();
    const char* expected[] = {
        "Frequency 1000 Hz, source at 0 degrees, speed of sound 343 m/s, 6 panels\n",
        "\n  -90   -19.337   -36.385\n",
        "\n    0     0.000     0.000\n",
        "\n   50   -30.481   -47.771\n",
        "\nd_n     0.1055\n",
        "\n   5000  0."};
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

// Wrong use exits 2 with the usage, a refused input 1 with the program's
// message; neither prints a response or writes a picture.
TEST(CliResponse, RefusalsAndUsageErrors) {
    TempDir dir;
    const QString png = QString::fromStdString(dir.file("refused.png"));
    const QStringList geometry = {"response", "--depths", "0,50", "--well-width",
                                  "80",       "--panels", "2"};
    const struct {
        const char* name;
        QStringList args;
        int exit_code;
        const char* message;
    } rows[] = {
        {"no panels",
         {"response", "--panels", "0"},
         2,
         "--panels takes a whole number from 1 to 20"},
        {"too many panels", {"response", "--panels", "21"}, 2, "from 1 to 20"},
        {"frequency in words", {"response", "--freq", "abc"}, 2, "--freq takes a number of hertz"},
        {"frequency with an exponent", {"response", "--freq", "1e3"}, 2, "--freq takes"},
        {"speed in words", {"response", "--speed", "fast"}, 2, "--speed takes"},
        {"empty depth",
         {"response", "--depths", "1,,2", "--well-width", "80", "--panels", "1", "--freq", "1000"},
         2,
         "--depths takes millimetres separated by commas"},
        {"depths and a project", geometry + QStringList{"--freq", "1000", "room.qrd"}, 2,
         "response --depths takes no PROJECT"},
        {"depths without a frequency", geometry, 2, "needs --well-width MM, --panels P and --freq"},
        {"well width without depths", {"response", "--well-width", "80"}, 2, "go with --depths"},
        {"json and csv", {"response", "--json", "--csv"}, 2, "choose one"},
        {"an option of another command", {"response", "--angle", "5"}, 2, "Usage:"},
        // What the model refuses is the response properties' test's: one of
        // each kind here, with the message printed whole.
        {"steep source",
         {"response", "--source-angle", "95"},
         1,
         "Angle of incidence must be between 90 degrees and -90 degrees\n"},
        {"negative speed", geometry + QStringList{"--freq", "1000", "--speed", "-343"}, 1,
         "The frequency and the speed of sound must be positive"},
        {"negative depth",
         {"response", "--depths", "0,-5", "--well-width", "80", "--panels", "1", "--freq", "1000"},
         1,
         "The wells must have positive widths and lie within their period\n"},
        {"missing project",
         {"response", QString::fromStdString(dir.file("none.qrd"))},
         1,
         "Cannot open project "},
        {"render without a file", {"render", "response"}, 2, "render needs -o FILE"},
        {"render, no frequency",
         {"render", "response", "--freq", "0", "-o", png},
         1,
         "must be positive"},
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
