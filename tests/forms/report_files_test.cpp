// A report that cannot be written. (One written, announced and opened is the
// GUI drive's; replacing a file whole is the file writer's test's.)
#include "forms/report_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "temp_dir.h"

namespace welkin {
namespace {

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
