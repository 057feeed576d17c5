// A sheet written to a file: the format by the extension, the same strokes
// as on screen, and nothing left behind when it cannot be written.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <filesystem>

#include "render/picture_export.h"
#include "support/temp_dir.h"

namespace welkin {
namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr QSize size{40, 20};

// The left half red, the right half blue, however large the device.
void two_halves(Canvas& c) {
    c.clear(rgb_white);
    c.set_scale(0, 0, 2, 1);
    c.fill_box(0, 0, 1, 1, red);
    c.fill_box(1, 0, 2, 1, blue);
}

QByteArray file_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SheetExport, EachFormatByItsExtension) {
    struct Row {
        const char* name;
        const char* file;
        const char* starts_with;
    };
    const Row rows[] = {{"PNG", "sheet.png", "\x89PNG"},
                        {"SVG", "sheet.SVG", "<?xml"},
                        {"PDF", "sheet.pdf", "%PDF"}};
    const TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = QString::fromStdString(dir.file(row.file));
        const Result<QString> written = export_sheet(two_halves, size, path);
        ASSERT_TRUE(written) << written.message();
        EXPECT_EQ(*written, path);
        EXPECT_TRUE(file_bytes(path).startsWith(row.starts_with));
    }
    // The file holds the picture the window shows.
    const QImage png(QString::fromStdString(dir.file("sheet.png")));
    const QImage shown = render_sheet(two_halves, size);
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_EQ(shown.pixel(5, 10), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(35, 10), qRgb(0, 0, 255));
}

TEST(SheetExport, RefusedFilesLeaveNothingBehind) {
    const TempDir dir;
    const QString text = QString::fromStdString(dir.file("sheet.txt"));
    const Result<QString> refused = export_sheet(two_halves, size, text);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.message(),
              "The file name must end in .png, .svg or .pdf: " + text.toStdString());
    EXPECT_FALSE(QFile::exists(text));

    const QString nowhere = QString::fromStdString(dir.file("no such folder/sheet.png"));
    const Result<QString> unwritable = export_sheet(two_halves, size, nowhere);
    ASSERT_FALSE(unwritable);
    EXPECT_TRUE(unwritable.message().starts_with("Cannot write " + nowhere.toStdString() + ": "));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace welkin
