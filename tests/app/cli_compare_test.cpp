// welkin-cli compare run as a process: each design's facts are the summary,
// lobes and response commands' own output for its project, and its refusals
// name what is refused.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <string>

#include "cli_process.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "forms/startup.h"
#include "persist/project_file.h"
#include "temp_dir.h"

namespace welkin {
namespace {

struct CorpusDesign {
    const char* name;
    std::function<void(MainForm&)> edit;
};

// Designs that differ in each way a column can: order, frequency, typed
// widths, fins, inverse, lock and unit mode.
const CorpusDesign corpus[] = {
    {"factory", [](MainForm&) {}},
    {"n13", [](MainForm& f) { f.set_field_text(Field::well_count, "13"); }},
    {"n101", [](MainForm& f) { f.set_field_text(Field::well_count, "101"); }},
    {"typed widths",
     [](MainForm& f) {
         f.run(DesignCommand::toggle_auto_well_width);
         f.set_field_text(Field::design_frequency, "500");
         f.set_field_text(Field::well_width, "50");
         f.set_field_text(Field::fin_width, "5");
     }},
    {"inverse n17",
     [](MainForm& f) {
         f.set_field_text(Field::well_count, "17");
         f.run(DesignCommand::toggle_inverse);
     }},
    {"depth lock",
     [](MainForm& f) {
         f.run(DesignCommand::lock_deepest_well);
         f.set_field_text(Field::deepest_well, "180");
     }},
};

class CliCompareTest : public ::testing::Test {
protected:
    QString saved(const CorpusDesign& design) {
        FakeHost host;
        MainForm form(host);
        start_up(form);
        design.edit(form);
        const std::string path = dir.file(std::string(design.name) + ".qrd");
        EXPECT_TRUE(write_project_file(path, project_settings(form)).ok()) << design.name;
        return QString::fromStdString(path);
    }
    TempDir dir;
};

QByteArray printed(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

QJsonObject parsed(const CliRun& run) {
    EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// Byte for byte: the comparison prints each column's objects with the same
// emitters the single-design commands use.
TEST_F(CliCompareTest, EachColumnIsTheSingleDesignCommandsOutput) {
    QStringList projects;
    for (const CorpusDesign& d : corpus) projects << saved(d);
    const QStringList asked = {"--source-angle", "20", "--freq", "800"};
    for (qsizetype first = 0; first < projects.size(); first += 2) {
        const QStringList pair = {projects[first], projects[(first + 1) % projects.size()]};
        const QJsonObject json =
            parsed(cli(QStringList{"compare"} + pair + asked + QStringList{"--bands", "--json"}));
        const QJsonArray designs = json["designs"].toArray();
        ASSERT_EQ(designs.size(), 2);
        for (qsizetype i = 0; i < 2; ++i) {
            SCOPED_TRACE(pair[i].toStdString());
            const QJsonObject column = designs[i].toObject();
            EXPECT_EQ(printed(column["summary"].toObject()),
                      cli({"summary", pair[i], "--json"}).out);
            EXPECT_EQ(printed(column["lobes"].toObject()),
                      cli({"lobes", pair[i], "--angle", "20", "--json"}).out);
            EXPECT_EQ(printed(column["response"].toObject()),
                      cli(QStringList{"response", pair[i], "--bands", "--json"} + asked).out);
        }
    }
    // The table itself, as text and as CSV (whose rows are the comparison's test's).
    const QStringList two = {"compare", projects[0], projects[1]};
    EXPECT_TRUE(cli(two).out.contains("factory.qrd")) << "the text names its designs";
    EXPECT_TRUE(
        cli(two + QStringList{"--csv"}).out.startsWith("group,row,factory.qrd,n13.qrd,best\n"));
}

TEST_F(CliCompareTest, RefusalsNameWhatIsRefused) {
    const QString good = saved(corpus[0]);
    const QString missing = QString::fromStdString(dir.file("missing.qrd"));
    // Nine wells: not a prime, so the design is refused after the file is read.
    ProjectSettings nine = *read_project_file(good.toStdString());
    nine.well_count = "9";
    const QString refused = QString::fromStdString(dir.file("nine.qrd"));
    ASSERT_TRUE(write_project_file(refused.toStdString(), nine).ok());
    struct Refusal {
        const char* name;
        QStringList args;
        int exit_code;
        QByteArray said;
    };
    const Refusal refusals[] = {
        {"one design", {good}, 1, "two to four"},
        {"five designs", {good, good, good, good, good}, 1, "two to four"},
        {"a missing project", {good, missing}, 1, "Cannot compare " + missing.toUtf8()},
        {"a refused design", {refused, good}, 1, "Cannot compare " + refused.toUtf8()},
        {"a steep source angle", {good, good, "--source-angle", "91"}, 1, "Angle of incidence"},
        {"an angle that is not a number",
         {good, good, "--source-angle", "x"},
         2,
         "--source-angle takes"},
        {"both formats", {good, good, "--json", "--csv"}, 2, "choose one"},
    };
    for (const Refusal& r : refusals) {
        const CliRun run = cli(QStringList{"compare"} + r.args);
        EXPECT_EQ(run.exit_code, r.exit_code) << r.name;
        EXPECT_TRUE(run.out.isEmpty()) << r.name;
        EXPECT_TRUE(run.err.contains(r.said)) << r.name << ": " << run.err.data();
    }
}

}  // namespace
}  // namespace welkin
