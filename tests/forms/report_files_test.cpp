// Writing a report: replaced each time, announced and opened; or refused.
#include "forms/report_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "persist/file_io.h"
#include "reports/report_1d.h"
#include "temp_dir.h"

namespace welkin {
namespace {

TEST(ReportFiles, ReportIsReplacedAnnouncedAndOpened) {
    const TempDir dir;
    FakeHost host;
    MainForm form(host);
    start_up(form);
    const std::string path = dir.file("welkin_1d.txt");
    ASSERT_TRUE(generate_1d_report(host, form.snapshot(), dir.path()));
    form.set_field_text(Field::well_count, "13");
    ASSERT_TRUE(generate_1d_report(host, form.snapshot(), dir.path()));

    EXPECT_EQ(read_file(path), report_1d_text(form.snapshot()));  // the second report, whole
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, "Report " + path + " created");
    EXPECT_EQ(host.opened, (std::vector<std::string>{path, path}));
}

TEST(ReportFiles, UnwritableFolderGivesTheMessageAndNoViewer) {
    const TempDir dir;
    // A plain file where the folder should be: nothing can be written inside.
    std::ofstream(dir.file("not-a-folder")) << "x";
    FakeHost host;
    MainForm form(host);
    start_up(form);
    EXPECT_FALSE(generate_2d_report(host, form.snapshot(), centred_offsets(7), dir.file("not-a-folder")));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "There was a problem creating the report");
    EXPECT_TRUE(host.opened.empty());
}

}  // namespace
}  // namespace welkin
