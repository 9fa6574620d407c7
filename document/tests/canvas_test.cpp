// The drawing surface: printer metrics, inch-to-pixel mapping, fonts by cell height, pens,
// arcs, fitting and picture files.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTemporaryDir>

#include "testpuzzle.h"

namespace vorlix::test {
namespace {

// Zero resolution counts as 300; a paper side outside 2..50 inches gives letter paper
// while the offsets and printable size stay as read.
TEST(PrinterMetrics, DeviceValues) {
    const PrinterPageMetrics a4 = MetricsFromDeviceValues(600, 600, {4961, 7016}, {100, 150}, {4761, 6716});
    EXPECT_NEAR(a4.PageWidth, 8.268, 1e-3);
    EXPECT_DOUBLE_EQ(a4.PrintableOffsetY, 0.25);
    EXPECT_EQ(a4.PhysicalOffsetXPixels, 100);
    EXPECT_EQ(MetricsFromDeviceValues(0, 0, {2550, 3300}, {}, {}).ResolutionY, 300);
    const PrinterPageMetrics narrow = MetricsFromDeviceValues(300, 300, {300, 3300}, {30, 60}, {240, 3000});
    EXPECT_DOUBLE_EQ(narrow.PageWidth, 8.5);
    EXPECT_DOUBLE_EQ(narrow.PageHeight, 11.0);
    EXPECT_DOUBLE_EQ(narrow.PrintableWidth, 0.8);
    EXPECT_DOUBLE_EQ(MetricsFromDeviceValues(100, 100, {8000, 1100}, {}, {}).PageWidth, 8.5);
    EXPECT_DOUBLE_EQ(PrinterPageMetrics{}.PrintableHeight, 10.25);
}

// Device pixel = round((page offset + x - scroll) x resolution) - origin; placements outside
// 1..101 are ignored.
TEST(CanvasMapping, PlacementScrollAndOrigin) {
    QImage image(100, 100, QImage::Format_RGB32);
    TAsCanvas c(TCanvasKind::Preview, &image, 78, 78);
    c.SetPagePlacement(2, {9.0, 0.5});
    c.SelectPage(2);
    c.SelectPage(102);
    c.SetScrollOrigin({8.0, 0.0});
    EXPECT_EQ(c.PixelX(1.0), 156);
    EXPECT_EQ(c.PixelY(0.01), 40);
    TAsCanvas printer(TCanvasKind::Printer, &image, 300, 300, QPoint(75, 60));
    EXPECT_EQ(printer.PixelX(1.0), 225);
    EXPECT_EQ(printer.PixelY(1.0), 240);
}

// Fonts are asked for by cell height (ascent + descent) = round(points / 72 x resolution);
// the Windows faces come out in their metric twins; under a pixel nothing is drawn.
TEST(CanvasFont, CellHeightRule) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const char* face : {"Arial", "Times New Roman", "Comic Sans MS"})
        for (double res : {78.0, 300.0, 1200.0})
            for (int points : {8, 36}) {
                TAsCanvas c(TCanvasKind::Bitmap, &image, res, res);
                c.Font = {face, points};
                const double cell = std::lround(points / 72.0 * res);
                const double h = c.TextHeight("X") * res;
                EXPECT_TRUE(h <= cell && h >= 0.9 * cell) << face << " " << res << " " << points << ": " << h;
            }
    EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family(), "Comic Neue");
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Times New Roman")).family(), "Liberation Serif");
    TAsCanvas tiny(TCanvasKind::Preview, &image, 10, 10);
    tiny.Font.Size = 3;  // 0.4 pixel
    EXPECT_EQ(tiny.TextHeight("X"), 0.0);
    tiny.TextOut(0.1, 0.1, "XXXX");
    tiny.End();
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
}

int Ink(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

// Pens are at least one pixel, a zero-length line is a round dot as wide as the pen, and
// arcs run counter-clockwise as seen from start to end.
TEST(CanvasDrawing, PensDotsAndArcs) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TAsCanvas c(TCanvasKind::Bitmap, &image, 100, 100);
        c.Pen.Width = 0.0001;
        c.MoveTo(0.1, 0.1);
        c.LineTo(1.9, 0.1);
        c.Pen.Width = 0.2;
        c.MoveTo(1.0, 1.0);
        c.LineTo(1.0, 1.0);
        c.Pen.Width = 0.01;
        c.Arc({0.2, 1.2, 0.8, 1.8}, {0.5, 1.0}, {0.5, 2.0});  // top to bottom: the left half
    }
    EXPECT_GT(Ink(image, {20, 10, 160, 1}), 150);
    EXPECT_EQ(Ink(image, {20, 12, 160, 3}), 0);
    EXPECT_NEAR(Ink(image, {85, 85, 30, 30}), 314, 40);  // a disc of radius 10
    EXPECT_GT(Ink(image, {18, 145, 5, 10}), 0);
    EXPECT_EQ(Ink(image, {77, 145, 5, 10}), 0);
}

// Fitting uses 97% of the device, keeps the aspect and centres the rectangle; an empty
// rectangle counts as 0.1 inch; the printer refuses.
TEST(CanvasFit, CentresAtScale) {
    auto c = TAsCanvas::NewBitmap(400, 200);
    ASSERT_TRUE(c->FitRect({1.0, 1.0, 5.0, 2.0}, 1));
    EXPECT_NEAR(c->ResolutionX(), 97.0, 1e-9);
    EXPECT_EQ(c->PixelX(3.0), 200);
    EXPECT_EQ(c->PixelY(1.5), 100);
    ASSERT_TRUE(c->FitRect({2.0, 2.0, 2.0, 2.0}));
    EXPECT_NEAR(c->ResolutionY(), 200 / 0.1 * 0.97, 1e-6);
    TSimulatedPrinter printer;
    auto p = TAsCanvas::ForSimulatedPrinter(printer);
    EXPECT_FALSE(p->FitRect({0, 0, 1, 1}));
    EXPECT_EQ(p->LastError(), FitRefusedOnPrinterText);
}

// Files get the kind's extension when the name has no "."; pictures save only once closed.
TEST(CanvasFiles, ExtensionsAndClosing) {
    QTemporaryDir dir;
    auto bitmap = TAsCanvas::NewBitmap(30, 20);
    ASSERT_TRUE(bitmap->SaveBitmap(dir.filePath("grid")));
    EXPECT_TRUE(QFile::exists(dir.filePath("grid.BMP")));
    std::vector<std::pair<TVectorFormat, QString>> formats{{TVectorFormat::Svg, "pic.SVG"}};
    if (TAsCanvas::EmfAvailable()) formats.push_back({TVectorFormat::Emf, "pic.EMF"});
    for (const auto& [format, saved] : formats) {
        auto picture = TAsCanvas::NewVectorPicture(2.0, 1.0, format);
        picture->MoveTo(0.1, 0.1);
        picture->LineTo(1.9, 0.9);
        EXPECT_FALSE(picture->SavePicture(dir.filePath("pic")));
        EXPECT_EQ(picture->LastError(), MetafileStillOpenText);
        picture->ClosePicture();
        ASSERT_TRUE(picture->SavePicture(dir.filePath("pic")));
        EXPECT_GT(QFileInfo(dir.filePath(saved)).size(), 100);
    }
}

// Only raster devices AND the marker into the page; the others get the letters redrawn.
TEST(CanvasDrawing, MaskModeByDevice) {
    QImage image(10, 10, QImage::Format_RGB32);
    EXPECT_TRUE(TAsCanvas(TCanvasKind::Bitmap, &image, 100, 100).SupportsMaskMode());
    EXPECT_FALSE(TAsCanvas::NewVectorPicture(1, 1)->SupportsMaskMode());
    QTemporaryDir dir;
    EXPECT_FALSE(TAsCanvas::NewPdf(dir.filePath("x.pdf"), "a4")->SupportsMaskMode());
}

}  // namespace
}  // namespace vorlix::test
