#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "emfpaintdevice.h"
#include "emfrecords.h"
#include "emfwalker.h"

using namespace vorlix;
using namespace vorlix::emf;
using vorlix::test::TEmfRecordView;
using vorlix::test::TEmfWalker;

namespace {

// Fonts and pixmaps need a GUI application; gtest_main gives no place to make one.
class TQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QGuiApplication::instance()) app_ = new QGuiApplication(argc_, argv_);
    }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "emf_tests";
    static inline char* argv_[] = {name_, nullptr};
    QGuiApplication* app_ = nullptr;
};
const auto* const QtEnvironment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

TEmfWalker Paint(QSize size, double dpi, const std::function<void(QPainter&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteEmf(buffer, size, dpi, paint));
    return TEmfWalker(buffer.data());
}

// The types of the records that put ink on the page, in order.
std::vector<std::uint32_t> DrawingTypes(const TEmfWalker& emf) {
    static const std::set<std::uint32_t> drawing = {
        EmrPolygon,   EmrPolyline,   EmrPolyPolyline, EmrPolyPolygon, EmrEllipse,         EmrRectangle,
        EmrRoundRect, EmrExtTextOutW, EmrPolygon16,   EmrPolyline16,  EmrPolyPolyline16, EmrPolyPolygon16,
        EmrStretchDiBits};
    std::vector<std::uint32_t> types;
    for (auto t : emf.Types())
        if (drawing.count(t)) types.push_back(t);
    return types;
}

QRect BoxAt(const TEmfWalker& emf, qsizetype at) {
    return QRect(QPoint(emf.I32(at), emf.I32(at + 4)), QPoint(emf.I32(at + 8), emf.I32(at + 12)));
}

// The pen created last before the record at index `before`: {width, style bits, colour}.
std::array<std::uint32_t, 3> PenBefore(const TEmfWalker& emf, std::size_t before) {
    std::array<std::uint32_t, 3> pen{};
    for (std::size_t i = 0; i < before; ++i) {
        const auto& r = emf.Records()[i];
        if (r.Type == EmrExtCreatePen) pen = {emf.U32(r.Offset + 32), emf.U32(r.Offset + 28), emf.U32(r.Offset + 40)};
    }
    return pen;
}

std::size_t IndexOf(const TEmfWalker& emf, std::uint32_t type) {
    const auto types = emf.Types();
    return std::size_t(std::find(types.begin(), types.end(), type) - types.begin());
}

void SampleDrawing(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(10, 10, 90, 10);
    p.setBrush(QColor(200, 220, 255));
    p.drawRect(10, 20, 30, 20);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(50, 20, 30, 20);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    p.drawText(QPointF(10, 70), QStringLiteral("Word"));
}

// A device that takes `limit` bytes and then fails.
class TFailingDevice : public QIODevice {
public:
    explicit TFailingDevice(qint64 limit) : limit_(limit) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (written >= limit_) return -1;
        const qint64 n = std::min(size, limit_ - written);
        written += n;
        return n;
    }

private:
    qint64 limit_;
};

}  // namespace

// Header fields agree with the byte stream, records chain to exactly the file's end and
// EOF closes it; the same for an empty picture finished without a painter.
TEST(EmfFile, HeaderAndRecordChain) {
    QBuffer empty;
    empty.open(QIODevice::WriteOnly);
    TEmfPaintDevice blank(&empty, QSize(50, 40), 96);
    ASSERT_TRUE(blank.finish());
    EXPECT_TRUE(blank.finish());  // once written, the result stays

    const std::pair<TEmfWalker, double> files[] = {{Paint(QSize(600, 300), 300, SampleDrawing), 300},
                                                   {TEmfWalker(empty.data()), 96}};
    for (const auto& [emf, dpi] : files) {
        const QByteArray& bytes = emf.Bytes();
        ASSERT_FALSE(emf.Records().empty());
        EXPECT_EQ(emf.ChainEnd(), bytes.size());
        for (const auto& r : emf.Records()) EXPECT_EQ(r.Size % 4, 0u) << "record type " << r.Type;

        const auto& header = emf.Records().front();
        EXPECT_EQ(header.Type, EmrHeader);
        EXPECT_EQ(emf.U32(40), HeaderSignature);
        EXPECT_EQ(emf.U32(44), HeaderVersion);
        EXPECT_EQ(emf.U32(48), std::uint32_t(bytes.size()));
        EXPECT_EQ(emf.U32(52), std::uint32_t(emf.Records().size()));
        EXPECT_GE(header.Size, std::uint32_t(HeaderFixedSize));
        EXPECT_EQ(emf.Utf16(emf.U32(64), emf.U32(60)), QStringLiteral(u"Vorlix") + QString(2, QChar(0)));

        // Handle count covers every index a record creates.
        std::uint32_t highest = 0;
        for (auto type : {EmrExtCreatePen, EmrCreateBrushIndirect, EmrExtCreateFontIndirectW})
            for (const auto& r : emf.OfType(type)) highest = std::max(highest, emf.U32(r.Offset + 8));
        EXPECT_EQ(emf.U16(56), highest + 1);

        // The reference device's pixels per millimetre is the picture's resolution.
        EXPECT_NEAR(emf.I32(72) * 25.4 / emf.I32(80), dpi, 1e-9);
        EXPECT_EQ(emf.U32(100), std::uint32_t(emf.I32(80)) * 1000);  // micrometres

        const auto& eof = emf.Records().back();
        EXPECT_EQ(eof.Type, EmrEof);
        EXPECT_EQ(eof.Size, 20u);
        EXPECT_EQ(emf.U32(eof.Offset + 16), 20u);
        EXPECT_EQ(emf.OfType(EmrEof).size(), 1u);
    }

    // Bounds in device units and frame in 0.01 mm, both inclusive.
    const TEmfWalker page = Paint(QSize(600, 300), 300, SampleDrawing);
    EXPECT_EQ(BoxAt(page, 8), QRect(0, 0, 600, 300));
    EXPECT_EQ(BoxAt(page, 24), QRect(0, 0, 5080, 2540));
}

TEST(EmfDrawing, ShapesInOrderWithTheirObjects) {
    const TEmfWalker emf = Paint(QSize(200, 100), 96, SampleDrawing);
    EXPECT_EQ(DrawingTypes(emf),
              (std::vector<std::uint32_t>{EmrPolyline16, EmrRectangle, EmrEllipse, EmrExtTextOutW}));
    const auto types = emf.Types();
    EXPECT_EQ(types[1], EmrSetBkMode);
    EXPECT_EQ(emf.U32(emf.Records()[1].Offset + 8), BkTransparent);

    const std::size_t rect = IndexOf(emf, EmrRectangle);
    EXPECT_EQ(BoxAt(emf, emf.Records()[rect].Offset + 8), QRect(QPoint(10, 20), QPoint(40, 40)));
    // The ellipse is drawn hollow: NULL_BRUSH selected between the two shapes.
    const std::size_t ellipse = IndexOf(emf, EmrEllipse);
    bool nullBrush = false;
    for (std::size_t i = rect; i < ellipse; ++i) {
        const auto& r = emf.Records()[i];
        nullBrush |= r.Type == EmrSelectObject && emf.U32(r.Offset + 8) == StockNullBrush;
    }
    EXPECT_TRUE(nullBrush);
    EXPECT_EQ(PenBefore(emf, rect)[0], 2u);
    EXPECT_EQ(PenBefore(emf, rect)[2], ColorRef(0, 0, 0));
    const auto brush = emf.OfType(EmrCreateBrushIndirect).front();
    EXPECT_EQ(emf.U32(brush.Offset + 16), ColorRef(200, 220, 255));
}

// Translation and scale are applied to coordinates and to pen widths; cosmetic pens stay
// thin. Rounded rectangles are polygons unless asked for as records, whose corners then
// scale with the box; turned ones are polygons always.
TEST(EmfDrawing, TransformsShapesAndPens) {
    const auto paint = [](QPainter& p) {
        p.translate(10, 20);
        p.scale(2, 2);
        p.setPen(QPen(Qt::red, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawRect(QRectF(0, 0, 5, 5));
        p.setPen(QPen(Qt::blue, 0));
        p.drawRoundedRect(QRectF(10, 10, 40, 20), 5, 4);
        p.rotate(30);
        p.drawRoundedRect(QRectF(10, 10, 40, 20), 5, 4);
    };
    const TEmfWalker polygons = Paint(QSize(400, 400), 96, paint);
    EXPECT_EQ(DrawingTypes(polygons), (std::vector<std::uint32_t>{EmrRectangle, EmrPolygon16, EmrPolygon16}));
    const qsizetype loop = polygons.OfType(EmrPolygon16).front().Offset;
    EXPECT_EQ(BoxAt(polygons, loop + 8), QRect(QPoint(30, 40), QPoint(110, 80)));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TEmfPaintDevice device(&buffer, QSize(400, 400), 96);
    device.setRoundRectRecords(true);
    QPainter painter(&device);
    paint(painter);
    ASSERT_TRUE(painter.end());
    const TEmfWalker emf(buffer.data());
    EXPECT_EQ(DrawingTypes(emf), (std::vector<std::uint32_t>{EmrRectangle, EmrRoundRect, EmrPolygon16}));
    const std::size_t rect = IndexOf(emf, EmrRectangle), round = IndexOf(emf, EmrRoundRect);
    EXPECT_EQ(BoxAt(emf, emf.Records()[rect].Offset + 8), QRect(QPoint(10, 20), QPoint(20, 30)));
    EXPECT_EQ(PenBefore(emf, rect)[0], 3u);
    EXPECT_EQ(PenBefore(emf, rect)[1], PsGeometric | PsEndcapRound | PsJoinBevel);
    EXPECT_EQ(PenBefore(emf, round)[0], 1u);
    const qsizetype at = emf.Records()[round].Offset;
    EXPECT_EQ(BoxAt(emf, at + 8), QRect(QPoint(30, 40), QPoint(110, 80)));
    EXPECT_EQ(emf.I32(at + 24), 20);
    EXPECT_EQ(emf.I32(at + 28), 16);
}

// A path with a closed and an open subpath is filled without outline, then stroked:
// the ring closed, the open part not. Coordinates past 16 bits take the 32-bit records.
TEST(EmfDrawing, PathsFillThenStroke) {
    const TEmfWalker emf = Paint(QSize(400, 400), 96, [](QPainter& p) {
        QPainterPath path;
        path.addRect(10, 10, 50, 50);
        path.moveTo(100, 100);
        path.lineTo(150, 120);
        path.lineTo(100, 140);
        p.setBrush(Qt::yellow);
        p.drawPath(path);
        p.drawLine(QPointF(0, 0), QPointF(40000, 5));
    });
    EXPECT_EQ(DrawingTypes(emf),
              (std::vector<std::uint32_t>{EmrPolyPolygon16, EmrPolygon16, EmrPolyline16, EmrPolyline}));
    const std::size_t fill = IndexOf(emf, EmrPolyPolygon16);
    bool nullPen = false;
    for (std::size_t i = 0; i < fill; ++i) {
        const auto& r = emf.Records()[i];
        nullPen |= r.Type == EmrSelectObject && emf.U32(r.Offset + 8) == StockNullPen;
    }
    EXPECT_TRUE(nullPen);
    const auto open = emf.OfType(EmrPolyline16).front();
    EXPECT_EQ(emf.U32(open.Offset + 24), 3u);  // the open part is not closed back
    const auto wide = emf.OfType(EmrPolyline).front();
    EXPECT_EQ(emf.I32(wide.Offset + 28 + 8), 40000);
}

// Text is UTF-16 at the baseline point, with the font's height, weight, slant and face.
TEST(EmfText, Utf16AtBaselineWithFont) {
    const QString text = QStringLiteral(u"ΛΕΞΗ willingly filling little lilies ü");
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(12);
    font.setBold(true);
    font.setItalic(true);
    const TEmfWalker emf = Paint(QSize(400, 200), 96, [&](QPainter& p) {
        p.setPen(QColor(10, 20, 30));
        p.setFont(font);
        p.translate(5, 5);
        p.drawText(QPointF(20, 50), text);
    });
    // Qt hands over one item per script run; together they make the text, on one baseline,
    // each starting where the advances of the one before end.
    QString joined;
    int x = 25;
    for (const TEmfRecordView& r : emf.OfType(EmrExtTextOutW)) {
        const qsizetype at = r.Offset;
        EXPECT_NEAR(emf.I32(at + 36), x, 1);
        EXPECT_EQ(emf.I32(at + 40), 55);
        const auto chars = emf.U32(at + 44);
        joined += emf.Utf16(at + emf.U32(at + 48), chars);
        int sum = 0;
        for (std::uint32_t i = 0; i < chars; ++i) sum += emf.I32(at + emf.U32(at + 72) + 4 * i);
        EXPECT_NEAR(sum, emf.I32(at + 16) - emf.I32(at + 8), 2);  // the laid-out width
        x = emf.I32(at + 36) + sum;
    }
    EXPECT_EQ(joined, text);
    EXPECT_GT(x, 100);

    const auto fonts = emf.OfType(EmrExtCreateFontIndirectW);
    ASSERT_EQ(fonts.size(), 1u);
    const qsizetype f = fonts.front().Offset + 12;
    EXPECT_EQ(emf.I32(f), -16);  // 12 pt at 96 dpi
    EXPECT_EQ(emf.I32(f + 16), 700);
    EXPECT_EQ(emf.Bytes()[f + 20], 1);
    EXPECT_EQ(emf.Utf16(f + 28, 16), QStringLiteral("Liberation Sans") + QChar(0));
    EXPECT_EQ(fonts.front().Size, 332u);
    EXPECT_EQ(emf.U32(emf.OfType(EmrSetTextColor).front().Offset + 8), ColorRef(10, 20, 30));
    EXPECT_EQ(emf.U32(emf.OfType(EmrSetTextAlign).front().Offset + 8), TaBaseline);

    // Turned text has no upright LOGFONT here: it goes as glyph outlines.
    const TEmfWalker turned = Paint(QSize(400, 200), 96, [&](QPainter& p) {
        p.setFont(font);
        p.translate(100, 100);
        p.rotate(90);
        p.drawText(QPointF(0, 0), QStringLiteral("AB"));
    });
    EXPECT_TRUE(turned.OfType(EmrExtTextOutW).empty());
    EXPECT_EQ(DrawingTypes(turned), std::vector<std::uint32_t>{EmrPolyPolygon16});

    // Cell height, when asked for, is positive and larger than the em size.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TEmfPaintDevice device(&buffer, QSize(400, 200), 96);
    device.setFontHeight(TEmfFontHeight::CellHeight);
    QPainter p(&device);
    p.setFont(font);
    p.drawText(QPointF(20, 50), text);
    ASSERT_TRUE(p.end());
    const TEmfWalker cell(buffer.data());
    EXPECT_GT(cell.I32(cell.OfType(EmrExtCreateFontIndirectW).front().Offset + 12), 16);
}

// Playing the records back against an object table: every created index is free, every
// selected or deleted one is live, nothing selected is deleted, nothing is left over.
TEST(EmfObjects, TableStaysConsistentAndSmall) {
    const TEmfWalker emf = Paint(QSize(400, 400), 96, [](QPainter& p) {
        for (int i = 0; i < 30; ++i) {
            p.setPen(QPen(QColor(i * 8, 0, 0), 1 + i % 3));
            p.setBrush(i % 4 ? QBrush(QColor(0, i * 8, 0)) : QBrush());
            p.setFont(QFont(QStringLiteral("Liberation Sans"), 8 + i % 5));
            p.drawRect(i, i, 10, 10);
            p.drawText(QPointF(i, 50), QStringLiteral("A"));
        }
        p.setClipRect(0, 0, 100, 100);
        p.drawLine(0, 0, 200, 200);
        p.setClipRect(50, 0, 10, 10);
        p.drawLine(0, 0, 200, 200);
        p.setClipping(false);
    });
    std::set<std::uint32_t> live;
    std::map<std::uint32_t, std::uint32_t> kindOf;  // handle -> creating record type
    std::map<std::uint32_t, std::uint32_t> selected;  // kind -> handle
    const auto kindOfStock = [](std::uint32_t stock) {
        return stock == StockNullPen ? EmrExtCreatePen : stock == StockNullBrush ? EmrCreateBrushIndirect : EmrExtCreateFontIndirectW;
    };
    for (const auto& r : emf.Records()) {
        const std::uint32_t handle = r.Type == EmrEof ? 0 : emf.U32(r.Offset + 8);
        switch (r.Type) {
            case EmrExtCreatePen:
            case EmrCreateBrushIndirect:
            case EmrExtCreateFontIndirectW:
                ASSERT_GT(handle, 0u);
                ASSERT_FALSE(live.count(handle)) << "index reused while live";
                live.insert(handle);
                kindOf[handle] = r.Type;
                break;
            case EmrSelectObject:
                if (handle & 0x80000000u) {
                    selected[kindOfStock(handle)] = handle;
                } else {
                    ASSERT_TRUE(live.count(handle));
                    selected[kindOf[handle]] = handle;
                }
                break;
            case EmrDeleteObject:
                ASSERT_TRUE(live.count(handle));
                ASSERT_NE(selected[kindOf[handle]], handle) << "deleted while selected";
                live.erase(handle);
                break;
        }
    }
    EXPECT_TRUE(live.empty());
    EXPECT_LE(emf.U16(56), 7);  // pen, brush, font, each with a spare, plus index 0

    // Clipping: the whole page intersected with a rectangle, then the whole page again; a
    // new clip starts from the whole page.
    const auto clips = emf.OfType(EmrExtSelectClipRgn);
    ASSERT_EQ(clips.size(), 4u);
    EXPECT_EQ(emf.U32(clips[0].Offset + 12), RgnAnd);
    EXPECT_EQ(emf.U32(clips[0].Offset + 24), 1u);
    EXPECT_EQ(BoxAt(emf, clips[0].Offset + 48), QRect(QPoint(0, 0), QPoint(100, 100)));
    for (std::size_t i : {1, 3}) {
        EXPECT_EQ(emf.U32(clips[i].Offset + 12), RgnCopy);
        EXPECT_EQ(clips[i].Size, 16u);
    }
    EXPECT_EQ(BoxAt(emf, clips[2].Offset + 48), QRect(QPoint(50, 0), QPoint(60, 10)));
}

TEST(EmfImage, StretchDibitsBottomUpBgr) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(2, 1, qRgba(0, 0, 0, 0));  // transparent: white paper
    const TEmfWalker emf = Paint(QSize(100, 100), 96, [&](QPainter& p) {
        p.translate(10, 10);
        p.drawImage(QRectF(0, 0, 30, 20), image);
    });
    const auto bitmaps = emf.OfType(EmrStretchDiBits);
    ASSERT_EQ(bitmaps.size(), 1u);
    const qsizetype at = bitmaps.front().Offset;
    EXPECT_EQ(emf.I32(at + 24), 10);  // xDest
    EXPECT_EQ(emf.I32(at + 72), 30);  // cxDest
    EXPECT_EQ(emf.I32(at + 76), 20);
    const qsizetype info = at + emf.U32(at + 48), bits = at + emf.U32(at + 56);
    EXPECT_EQ(emf.I32(info + 4), 3);
    EXPECT_EQ(emf.I32(info + 8), 2);
    EXPECT_EQ(emf.U16(info + 14), 24);
    EXPECT_EQ(emf.U32(at + 60), 24u);  // two rows of 9 bytes padded to 12
    const QByteArray& b = emf.Bytes();
    EXPECT_EQ(b.mid(bits, 3), QByteArray("\xff\x00\x00", 3));        // bottom row first: blue, as BGR
    EXPECT_EQ(b.mid(bits + 6, 3), QByteArray("\xff\xff\xff", 3));    // transparent over white
    EXPECT_EQ(b.mid(bits + 12, 3), QByteArray("\x00\x00\xff", 3));   // top row: red
}

// The write reports any failure of the output: none taken, some taken, all but the last
// byte taken, a device not open for writing. Everything taken succeeds.
TEST(EmfOutput, FailingDeviceReportsFailure) {
    QBuffer reference;
    reference.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteEmf(reference, QSize(200, 100), 96, SampleDrawing));
    const qint64 size = reference.data().size();

    for (qint64 limit : {qint64(0), qint64(100), size - 1}) {
        TFailingDevice device(limit);
        EXPECT_FALSE(WriteEmf(device, QSize(200, 100), 96, SampleDrawing)) << "limit " << limit;
    }
    TFailingDevice roomy(size);
    EXPECT_TRUE(WriteEmf(roomy, QSize(200, 100), 96, SampleDrawing));
    EXPECT_EQ(roomy.written, size);

    QBuffer closed;
    TEmfPaintDevice device(&closed, QSize(200, 100), 96);
    QPainter painter(&device);
    SampleDrawing(painter);
    EXPECT_FALSE(painter.end());
    EXPECT_FALSE(device.finish());
    EXPECT_FALSE(QPainter().begin(&device));  // finished: nothing more to draw on
}
