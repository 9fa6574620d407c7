#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "pictureexport.h"
#include "puzzlemodel.h"

using namespace vorlix;

namespace {

class TNotingHost : public IMessageHost {
public:
    QStringList Texts;
    MessageAnswer ShowMessage(MessageKind, const std::u16string& text, MessageButtons buttons) override {
        Texts << QString::fromStdU16String(text);
        return FirstAnswerOf(buttons);
    }
};

// A puzzle built from words at a fixed seed, with its document.
struct TTestPuzzle {
    TNotingHost host;
    TPreferences prefs;
    TPuzzleModel model{host, prefs};
    TPuzzleDocument document{model};

    TTestPuzzle() {
        model.ResetToNewPuzzle();
        model.Worksheet_LeftMemo.clear();
        model.Layout_InstructionsMemo.clear();
    }
    void Build(const QStringList& words, int columns, int rows) {
        model.Words_Memo = words;
        model.RequestedColumns = columns;
        model.RequestedRows = rows;
        model.Engine().SetSeed(7);
        model.RebuildPuzzle();
    }
};

constexpr TExportSections GridOnly{false, false, false, true, false, false};
constexpr TExportSections TitleAndGrid{false, true, false, true, false, false};
constexpr TExportSections TitleOnly{false, true, false, false, false, false};
constexpr TExportSections NothingChosen{false, false, false, false, false, false};

QStringList FifteenByFifteenWords() {
    return {u"alpha"_qs, u"bravo"_qs, u"charlie"_qs, u"delta"_qs, u"echo"_qs, u"foxtrot"_qs, u"golf"_qs, u"hotel"_qs};
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pixels darker than mid grey: drawn ink.
int InkPixels(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}

// Refuses every write.
class TBrokenDevice : public QIODevice {
public:
    TBrokenDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

}  // namespace

// The spin button's steps: up limited by 1000 div the larger side (50 without a grid), down to 5.
TEST(PictureExport, PixelsPerCellSteps) {
    // from, columns, rows, after up, after down
    const int cases[][5] = {{20, 100, 100, 20, 19}, {9, 100, 100, 10, 8}, {65, 15, 10, 66, 64},
                            {66, 10, 15, 66, 65},   {49, 0, 0, 50, 48},    {50, 0, 0, 50, 49},
                            {6, 15, 15, 7, 5},      {5, 15, 15, 6, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(PixelsPerCellUp(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1];
        EXPECT_EQ(PixelsPerCellDown(c[0]), c[4]) << c[0];
    }
}

// Suggested size: the area scaled by grid pixels per grid inch, held to 30..2000 and flagged there.
TEST(PictureExport, SuggestedSizeLimits) {
    const TInchRect grid{1.0, 2.0, 6.0, 7.0};
    const struct {
        TInchRect area, grid;
        int columns, rows, pixels;
        TBitmapSize expected;
    } cases[] = {
        {grid, grid, 15, 15, 20, {300, 300, false, false}},
        {{1.0, 1.0, 6.0, 7.0}, grid, 15, 15, 20, {300, 360, false, false}},  // one inch more above
        {grid, grid, 3, 3, 5, {30, 30, true, true}},                           // 15 x 15 lifted
        {grid, grid, 100, 4, 25, {2000, 100, true, false}},                    // 2500 cut
        {grid, grid, 100, 80, 20, {2000, 1600, true, false}},                  // exactly the limit
        {grid, {1.0, 2.0, 1.0, 2.0}, 15, 15, 20, {100, 100, false, false}},    // a grid with no size
    };
    for (const auto& c : cases)
        EXPECT_EQ(SuggestBitmapSize(c.area, c.grid, c.columns, c.rows, c.pixels), c.expected) << c.columns;

    const struct {
        const char* text;
        int side;
    } fields[] = {{"300", 300}, {" 42 ", 42}, {"", 100}, {"abc", 100}, {"12px", 100}, {"-5", -5}};
    for (const auto& f : fields) EXPECT_EQ(BitmapSideFromText(QLatin1String(f.text)), f.side) << f.text;
}

// Names: BMP or EMF appended only when the file name itself has no dot; .png and .svg choose their format.
TEST(PictureExport, FileNamesAndFormats) {
    const struct {
        const char* name;
        const char* bitmapName;
        TPictureFileFormat bitmap;
        const char* vectorName;
        TPictureFileFormat vector;
    } cases[] = {
        {"/t/puzzle", "/t/puzzle.BMP", TPictureFileFormat::Bmp, "/t/puzzle.EMF", TPictureFileFormat::Emf},
        {"/t.d/puzzle", "/t.d/puzzle.BMP", TPictureFileFormat::Bmp, "/t.d/puzzle.EMF", TPictureFileFormat::Emf},
        {"/t/p.bmp", "/t/p.bmp", TPictureFileFormat::Bmp, "/t/p.bmp", TPictureFileFormat::Emf},
        {"/t/p.PNG", "/t/p.PNG", TPictureFileFormat::Png, "/t/p.PNG", TPictureFileFormat::Emf},
        {"/t/p.Svg", "/t/p.Svg", TPictureFileFormat::Bmp, "/t/p.Svg", TPictureFileFormat::Svg},
        {"/t/p.", "/t/p.", TPictureFileFormat::Bmp, "/t/p.", TPictureFileFormat::Emf},
    };
    for (const auto& c : cases) {
        const QString name = QLatin1String(c.name);
        EXPECT_EQ(BitmapExportFileName(name), QLatin1String(c.bitmapName));
        EXPECT_EQ(BitmapFileFormatOf(BitmapExportFileName(name)), c.bitmap) << c.name;
        EXPECT_EQ(VectorExportFileName(name), QLatin1String(c.vectorName));
        EXPECT_EQ(VectorFileFormatOf(VectorExportFileName(name)), c.vector) << c.name;
    }
}

// A 15 x 15 puzzle at 20 pixels per cell: 300 x 300; a title above makes it taller in proportion.
TEST(PictureExport, SuggestedSizeFromTheDocument) {
    TTestPuzzle t;
    t.model.Words_TitleMemo = {u"Zoo"_qs};
    t.Build(FifteenByFifteenWords(), 15, 15);
    ASSERT_EQ(t.model.Puzzle().ActualColumns, 15);

    EXPECT_EQ(SuggestBitmapSize(t.document, GridOnly, false, StartPixelsPerCell), (TBitmapSize{300, 300}));

    const TBitmapSize withTitle = SuggestBitmapSize(t.document, TitleAndGrid, false, StartPixelsPerCell);
    const TInchRect grid = t.document.GridRect();
    const TInchRect title = t.document.TitleBox();
    EXPECT_EQ(withTitle.Width, 300);
    EXPECT_EQ(withTitle.Height, std::lround((grid.Bottom - title.Top) * 300 / grid.Height()));
    EXPECT_GT(withTitle.Height, 300);

    TTestPuzzle tiny;
    tiny.Build({u"cat"_qs}, 3, 3);
    EXPECT_EQ(SuggestBitmapSize(tiny.document, GridOnly, false, 5), (TBitmapSize{30, 30, true, true}));
}

// Nothing chosen, or an unusable size: a message, no picture and no file.
TEST(PictureExport, RefusedRequests) {
    TTestPuzzle t;
    t.Build(FifteenByFifteenWords(), 15, 15);
    QTemporaryDir dir;

    EXPECT_TRUE(RenderBitmapPicture(t.document, NothingChosen, false, 300, 300, t.host).isNull());
    EXPECT_FALSE(SaveVectorPicture(dir.filePath(u"none.svg"_qs), t.document, NothingChosen, false, t.host));
    // The solution export ignores the puzzle's boxes.
    EXPECT_TRUE(RenderVectorPicture(t.document, GridOnly, true, TVectorFormat::Svg, t.host).isEmpty());
    EXPECT_EQ(t.host.Texts, QStringList(3, NothingChosenMessage()));

    t.host.Texts.clear();
    for (const auto& [w, h] : {std::pair{0, 300}, {300, -1}, {MaxBitmapSide + 1, 10}})
        EXPECT_FALSE(SaveBitmapPicture(dir.filePath(u"bad.bmp"_qs), t.document, GridOnly, false, w, h, t.host));
    EXPECT_EQ(t.host.Texts, QStringList(3, BitmapSizeMessage()));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// The bitmap is the requested size, ink inside, white margins from the 97% fit.
TEST(PictureExport, BitmapPictures) {
    TTestPuzzle t;
    t.model.Words_TitleMemo = {u"Zoo"_qs};
    t.Build(FifteenByFifteenWords(), 15, 15);

    const QImage grid = RenderBitmapPicture(t.document, GridOnly, false, 300, 300, t.host);
    ASSERT_EQ(grid.size(), QSize(300, 300));
    EXPECT_GT(InkPixels(grid), 500);
    EXPECT_EQ(InkPixels(grid.copy(0, 0, 300, 3)), 0);
    EXPECT_EQ(InkPixels(grid.copy(0, 297, 300, 3)), 0);

    // The solution with only the title: the title alone, centred and cropped to its lines.
    const QImage title = RenderBitmapPicture(t.document, TitleOnly, true, 400, 100, t.host);
    ASSERT_FALSE(title.isNull());
    QRect ink;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            if (qGray(title.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.center().x(), 200, 10);
    EXPECT_GT(ink.height(), 50);

    EXPECT_TRUE(t.host.Texts.isEmpty());
}

// Saved files: BMP or EMF with the extension added, PNG and SVG by name; a folder that is missing warns.
TEST(PictureExport, SavedFiles) {
    TTestPuzzle t;
    t.model.Words_TitleMemo = {u"Zoo"_qs};
    t.Build(FifteenByFifteenWords(), 15, 15);
    QTemporaryDir dir;

    QString written;
    ASSERT_TRUE(SaveBitmapPicture(dir.filePath(u"grid"_qs), t.document, GridOnly, false, 320, 240, t.host, &written));
    EXPECT_EQ(written, dir.filePath(u"grid.BMP"_qs));
    const QByteArray bmp = ReadAll(written);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24);  // bits per pixel
    EXPECT_EQ(QImage::fromData(bmp).size(), QSize(320, 240));

    ASSERT_TRUE(SaveBitmapPicture(dir.filePath(u"grid.png"_qs), t.document, GridOnly, false, 200, 200, t.host));
    const QByteArray png = ReadAll(dir.filePath(u"grid.png"_qs));
    EXPECT_TRUE(png.startsWith("\x89PNG"));
    EXPECT_EQ(QImage::fromData(png).size(), QSize(200, 200));
    TBrokenDevice broken;
    EXPECT_FALSE(WriteBitmap(broken, QImage::fromData(png), TPictureFileFormat::Png));

    ASSERT_TRUE(SaveVectorPicture(dir.filePath(u"grid.svg"_qs), t.document, TitleAndGrid, false, t.host));
    const QByteArray svg = ReadAll(dir.filePath(u"grid.svg"_qs));
    EXPECT_TRUE(svg.contains("<svg") && svg.contains(">Zoo<"));

    if (TAsCanvas::EmfAvailable()) {
        ASSERT_TRUE(SaveVectorPicture(dir.filePath(u"grid"_qs), t.document, GridOnly, false, t.host, &written));
        EXPECT_EQ(written, dir.filePath(u"grid.EMF"_qs));
        const QByteArray emf = ReadAll(written);
        ASSERT_GT(emf.size(), 100);
        EXPECT_EQ(qFromLittleEndian<quint32>(emf.constData()), 1u);  // the header record
        EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
        EXPECT_EQ(qFromLittleEndian<quint32>(emf.constData() + 48), quint32(emf.size()));
    }
    EXPECT_TRUE(t.host.Texts.isEmpty());

    EXPECT_FALSE(SaveVectorPicture(dir.filePath(u"missing/grid.svg"_qs), t.document, GridOnly, false, t.host));
    EXPECT_EQ(t.host.Texts, QStringList{ExportWriteErrorMessage()});
}
