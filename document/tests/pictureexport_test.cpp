// Picture export: suggested bitmap sizes, file names, refused requests, the pictures and files.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include "pictureexport.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

constexpr TExportSections GridOnly{false, false, false, true, false, false};
constexpr TExportSections TitleAndGrid{false, true, false, true, false, false};
constexpr TExportSections NothingChosen{false, false, false, false, false, false};
const QStringList FifteenByFifteenWords = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"};

// Pixels darker than mid grey: drawn ink.
int InkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}

// Suggested size: grid pixels per grid inch over the chosen area, held to 30..2000 and flagged there.
TEST(PictureExport, SuggestedSizes) {
    TTestPuzzle t;
    t.puzzle.TitleLines = {"Zoo"};
    t.Build(FifteenByFifteenWords, 15, 15);
    ASSERT_EQ(t.puzzle.Grid().ActualColumns, 15);
    EXPECT_EQ(SuggestBitmapSize(t.document, GridOnly, false, StartPixelsPerCell), (TBitmapSize{300, 300}));
    const TBitmapSize withTitle = SuggestBitmapSize(t.document, TitleAndGrid, false, StartPixelsPerCell);
    const TInchRect grid = t.document.GridRect();
    EXPECT_EQ(withTitle.Width, 300);
    EXPECT_EQ(withTitle.Height, std::lround((grid.Bottom - t.document.TitleBox().Top) * 300 / grid.Height()));

    TTestPuzzle tiny;
    tiny.Build({"cat"}, 3, 3);
    EXPECT_EQ(SuggestBitmapSize(tiny.document, GridOnly, false, 5), (TBitmapSize{30, 30, true, true}));
    const TInchRect g{1.0, 2.0, 6.0, 7.0};
    EXPECT_EQ(SuggestBitmapSize(g, g, 100, 4, 25), (TBitmapSize{2000, 100, true, false}));  // 2500 cut
    EXPECT_EQ(SuggestBitmapSize(g, {1.0, 2.0, 1.0, 2.0}, 15, 15, 20), (TBitmapSize{100, 100, false, false}));
}

// Nothing chosen or an unusable size: a message, no picture and no file (the solution export
// ignores the puzzle's boxes). Otherwise the bitmap is the requested size with ink inside and
// white margins; saved as a 24-bit BMP when the name has no extension, SVG by name; a folder
// that is missing warns.
TEST(PictureExport, PicturesAndFiles) {
    TTestPuzzle t;
    t.puzzle.TitleLines = {"Zoo"};
    t.Build(FifteenByFifteenWords, 15, 15);
    QTemporaryDir dir;
    EXPECT_TRUE(RenderBitmapPicture(t.document, NothingChosen, false, 300, 300, t.host).isNull());
    EXPECT_TRUE(RenderVectorPicture(t.document, GridOnly, true, TVectorFormat::Svg, t.host).isEmpty());
    EXPECT_FALSE(SaveBitmapPicture(dir.filePath("bad.bmp"), t.document, GridOnly, false, MaxBitmapSide + 1, 10, t.host));
    EXPECT_EQ(t.host.Texts(), (QStringList{NothingChosenMessage(), NothingChosenMessage(), BitmapSizeMessage()}));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    t.host.Messages.clear();

    const QImage grid = RenderBitmapPicture(t.document, GridOnly, false, 300, 300, t.host);
    ASSERT_EQ(grid.size(), QSize(300, 300));
    EXPECT_GT(InkPixels(grid), 500);
    EXPECT_EQ(InkPixels(grid.copy(0, 0, 300, 3)), 0);
    EXPECT_EQ(InkPixels(grid.copy(0, 297, 300, 3)), 0);

    QString written;
    ASSERT_TRUE(SaveBitmapPicture(dir.filePath("grid"), t.document, GridOnly, false, 320, 240, t.host, &written));
    EXPECT_EQ(written, dir.filePath("grid.BMP"));  // only when the file name itself has no dot:
    EXPECT_EQ(VectorExportFileName("/t.d/puzzle"), "/t.d/puzzle.EMF");
    const QByteArray bmp = ReadAll(written);
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);  // bits per pixel
    EXPECT_EQ(QImage::fromData(bmp, "BMP").size(), QSize(320, 240));
    ASSERT_TRUE(SaveVectorPicture(dir.filePath("grid.svg"), t.document, TitleAndGrid, false, t.host));
    EXPECT_TRUE(ReadAll(dir.filePath("grid.svg")).contains(">Zoo<"));
    EXPECT_TRUE(t.host.Messages.empty());
    EXPECT_FALSE(SaveVectorPicture(dir.filePath("missing/grid.svg"), t.document, GridOnly, false, t.host));
    EXPECT_EQ(t.host.Texts(), QStringList{ExportWriteErrorMessage() + u'\n' + dir.filePath("missing/grid.svg") +
                                        u": No such file or directory"_qs});
}

}  // namespace
}  // namespace vorlix::test
