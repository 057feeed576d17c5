// Whole-file reads and writes at the edges: links, devices, FIFOs, folders,
// files too large to be projects and writes that fail part way.
#include "persist/file_io.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "file_size_limit.h"
#include "temp_dir.h"

namespace welkin {
namespace {

namespace fs = std::filesystem;

void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

long entries(const TempDir& dir) {
    return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
}

TEST(ReadSmallFile, RefusesWhatIsNotASmallRegularFile) {
    const TempDir dir;
    put(dir.file("big.qrd"), std::string(small_file_limit + 1, '7'));
    put(dir.file("ok.qrd"), "7\r\n");
    ASSERT_EQ(::mkfifo(dir.file("pipe.qrd").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.file("zero.qrd"));
    const struct {
        const char* name;
        std::string path;
        std::string message;
    } rows[] = {
        {"a FIFO, without waiting for a writer", dir.file("pipe.qrd"), "not a regular file"},
        {"a link to an endless device", dir.file("zero.qrd"), "not a regular file"},
        {"a folder", dir.path().string(), "not a regular file"},
        {"a file over the limit", dir.file("big.qrd"), "too large"},
        {"a missing file", dir.file("none.qrd"), "No such file or directory"},
        {"no name at all", "", "no file name"},
    };
    for (const auto& row : rows) {
        const Result<std::string> bytes = read_small_file(row.path);
        EXPECT_FALSE(bytes.ok()) << row.name;
        EXPECT_EQ(bytes.message(), row.message) << row.name;
    }
    EXPECT_EQ(read_small_file(dir.file("ok.qrd")).value(), "7\r\n");
}

TEST(WriteFileAtomically, ALinkIsFollowedAndStaysALink) {
    const TempDir dir;
    put(dir.file("real.ini"), "old");
    fs::create_symlink("real.ini", dir.file("welkin.ini"));
    ASSERT_TRUE(write_file_atomically(dir.file("welkin.ini"), "new").ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("welkin.ini")));
    EXPECT_EQ(read_small_file(dir.file("real.ini")).value(), "new");
    EXPECT_EQ(entries(dir), 2) << "no temporary file is left behind";
}

TEST(WriteFileAtomically, KeepsTheOldFilesPermissions) {
    const TempDir dir;
    put(dir.file("report.txt"), "old");
    fs::permissions(dir.file("report.txt"), fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read);
    ASSERT_TRUE(write_file_atomically(dir.file("report.txt"), "new").ok());
    EXPECT_EQ(fs::status(dir.file("report.txt")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(WriteFileAtomically, ADeviceIsWrittenInPlaceNeverReplaced) {
    ASSERT_TRUE(write_file_atomically("/dev/null", "anything").ok());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    // A full device refuses the bytes, and says so.
    const Result<std::string> full = write_file_atomically("/dev/full", "anything");
    EXPECT_FALSE(full.ok());
    EXPECT_EQ(full.message(), "No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(WriteFileAtomically, AFifoNobodyReadsIsRefusedAtOnce) {
    const TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(write_file_atomically(dir.file("pipe"), "x").message(), "No such device or address");
    EXPECT_TRUE(fs::is_fifo(dir.file("pipe")));
}

TEST(WriteFileAtomically, AFailureLeavesTheOldFileAndNoStrayFile) {
    const TempDir dir;
    put(dir.file("picture.svg"), "<svg>good</svg>");
    fs::create_directory(dir.file("folder.svg"));
    EXPECT_EQ(write_file_atomically(dir.file("folder.svg"), "x").message(), "Is a directory");
    EXPECT_EQ(write_file_atomically(dir.file("no/such/folder.svg"), "x").message(),
              "No such file or directory");
    {
        const FileSizeLimit limit(4);  // as a disk that fills up part way through
        EXPECT_EQ(write_file_atomically(dir.file("picture.svg"), "<svg>new and longer</svg>")
                      .message(),
                  "File too large");
    }
    EXPECT_EQ(read_small_file(dir.file("picture.svg")).value(), "<svg>good</svg>");
    EXPECT_EQ(entries(dir), 2);
}

TEST(NamesOneFile, TellsWhenOneWriteWouldReplaceWhatAnotherNames) {
    const TempDir dir;
    put(dir.file("room.qrd"), "7\r\n");
    fs::create_symlink("room.qrd", dir.file("link.qrd"));
    fs::create_hard_link(dir.file("room.qrd"), dir.file("hard.qrd"));
    fs::create_symlink("later.csv", dir.file("dangling.csv"));
    fs::create_directory(dir.file("sub"));
    const struct {
        const char* name;
        std::string a, b;
        bool one;
    } rows[] = {
        {"one spelling", dir.file("room.qrd"), dir.file("room.qrd"), true},
        {"through a folder and back", dir.file("sub/../room.qrd"), dir.file("room.qrd"), true},
        {"a symbolic link to it", dir.file("link.qrd"), dir.file("room.qrd"), true},
        {"a hard link to it", dir.file("hard.qrd"), dir.file("room.qrd"), true},
        {"a file not yet written, twice", dir.file("sub/new.csv"), dir.file("sub//new.csv"),
         true},
        {"a link to a file not yet written", dir.file("dangling.csv"), dir.file("later.csv"),
         true},
        {"two files", dir.file("room.qrd"), dir.file("other.qrd"), false},
        {"one name in two folders", dir.file("room.qrd"), dir.file("sub/room.qrd"), false},
        {"no name", "", dir.file("room.qrd"), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(names_one_file(row.a, row.b), row.one) << row.name;
        EXPECT_EQ(names_one_file(row.b, row.a), row.one) << row.name << ", the other way";
    }
}

}  // namespace
}  // namespace welkin
