// Writing a report: announced and shown when written; when it cannot be
// written, the message and no viewer. (Replacing a file whole is the file
// writer's test's.)
#include "forms/report_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "temp_dir.h"

namespace welkin {
namespace {

TEST(ReportFiles, AWrittenReportIsAnnouncedAndShownAndAnUnwritableOneIsNot) {
    const TempDir dir;
    // A plain file where the folder should be: nothing can be written inside.
    std::ofstream(dir.file("not-a-folder")) << "x";
    const std::string written = dir.file("welkin_1d.txt");
    struct Row {
        const char* name;
        bool one_d;  // the 1D report, else the 2D one
        std::string folder;
        bool written;
        std::string message;
        std::vector<std::string> opened;
    };
    const Row rows[] = {
        {"1D, a folder", true, dir.path().string(), true, "Report " + written + " created",
         {written}},
        {"2D, a file in its place", false, dir.file("not-a-folder"), false,
         "There was a problem creating the report", {}},
    };
    for (const Row& row : rows) {
        FakeHost host;
        MainForm form(host);
        start_up(form);
        const bool done =
            row.one_d ? generate_1d_report(host, form.snapshot(), row.folder)
                      : generate_2d_report(host, form.snapshot(), centred_offsets(7), row.folder);
        EXPECT_EQ(done, row.written) << row.name;
        ASSERT_EQ(host.messages.size(), 1u) << row.name;
        EXPECT_EQ(host.messages[0].text, row.message) << row.name;
        EXPECT_EQ(host.opened, row.opened) << row.name;
    }
}

}  // namespace
}  // namespace welkin
