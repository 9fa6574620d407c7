// The EMF writer read back record by record: the header and record chain, shapes, pens and
// transforms, text as UTF-16, and a failing output.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QtEndian>

#include "emfpaintdevice.h"
#include "emfrecords.h"
#include "failingdevice.h"

using namespace vorlix;
using namespace vorlix::emf;

namespace {

struct TRecord {
    std::uint32_t Type = 0, Size = 0;
    qsizetype Offset = 0;
};

// The record chain and little-endian fields of what the writer produced.
struct TEmf {
    QByteArray Bytes;
    std::vector<TRecord> Records;
    qsizetype ChainEnd = 0;  // where the chain of record sizes stopped: the file size when intact

    explicit TEmf(QByteArray bytes) : Bytes(std::move(bytes)) {
        while (ChainEnd + 8 <= Bytes.size()) {
            const TRecord r{U32(ChainEnd), U32(ChainEnd + 4), ChainEnd};
            if (r.Size < 8 || ChainEnd + r.Size > Bytes.size()) break;
            Records.push_back(r);
            ChainEnd += r.Size;
        }
    }
    std::uint32_t U32(qsizetype at) const { return qFromLittleEndian<quint32>(Bytes.constData() + at); }
    std::int32_t I32(qsizetype at) const { return std::int32_t(U32(at)); }
    std::uint16_t U16(qsizetype at) const { return qFromLittleEndian<quint16>(Bytes.constData() + at); }
    QString Utf16(qsizetype at, qsizetype count) const {
        QString s;
        for (qsizetype i = 0; i < count; ++i) s.append(QChar(U16(at + 2 * i)));
        return s;
    }
    QRect Box(qsizetype at) const { return QRect(QPoint(I32(at), I32(at + 4)), QPoint(I32(at + 8), I32(at + 12))); }
    std::vector<TRecord> OfType(std::uint32_t type) const {
        std::vector<TRecord> out;
        std::copy_if(Records.begin(), Records.end(), std::back_inserter(out), [&](const TRecord& r) { return r.Type == type; });
        return out;
    }
    std::size_t IndexOf(std::uint32_t type) const {
        return std::size_t(std::find_if(Records.begin(), Records.end(), [&](const TRecord& r) { return r.Type == type; }) -
                           Records.begin());
    }
    // The types of the records that put ink on the page, in order.
    std::vector<std::uint32_t> DrawingTypes() const {
        static const std::set<std::uint32_t> drawing = {
            EmrPolygon,   EmrPolyline,   EmrPolyPolyline, EmrPolyPolygon, EmrEllipse,         EmrRectangle,
            EmrRoundRect, EmrExtTextOutW, EmrPolygon16,   EmrPolyline16,  EmrPolyPolyline16, EmrPolyPolygon16,
            EmrStretchDiBits};
        std::vector<std::uint32_t> types;
        for (const TRecord& r : Records)
            if (drawing.count(r.Type)) types.push_back(r.Type);
        return types;
    }
    // The pen created last before the record at index `before`: {width, style bits}.
    std::pair<std::uint32_t, std::uint32_t> PenBefore(std::size_t before) const {
        std::pair<std::uint32_t, std::uint32_t> pen{};
        for (std::size_t i = 0; i < before; ++i)
            if (Records[i].Type == EmrExtCreatePen) pen = {U32(Records[i].Offset + 32), U32(Records[i].Offset + 28)};
        return pen;
    }
};

TEmf Paint(QSize size, double dpi, const std::function<void(QPainter&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteEmf(buffer, size, dpi, paint));
    return TEmf(buffer.data());
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

}  // namespace

// Header fields agree with the byte stream, records chain to exactly the file's end and
// EOF closes it; the same for an empty picture finished without a painter.
TEST(EmfFile, HeaderAndRecordChain) {
    QBuffer empty;
    empty.open(QIODevice::WriteOnly);
    TEmfPaintDevice blank(&empty, QSize(50, 40), 96);
    ASSERT_TRUE(blank.finish());
    EXPECT_TRUE(blank.finish());  // once written, the result stays

    const std::pair<TEmf, double> files[] = {{Paint(QSize(600, 300), 300, SampleDrawing), 300}, {TEmf(empty.data()), 96}};
    for (const auto& [emf, dpi] : files) {
        ASSERT_FALSE(emf.Records.empty());
        EXPECT_EQ(emf.ChainEnd, emf.Bytes.size());
        for (const TRecord& r : emf.Records) EXPECT_EQ(r.Size % 4, 0u) << "record type " << r.Type;
        EXPECT_EQ(emf.Records.front().Type, EmrHeader);
        EXPECT_EQ(emf.U32(40), HeaderSignature);
        EXPECT_EQ(emf.U32(44), HeaderVersion);
        EXPECT_EQ(emf.U32(48), std::uint32_t(emf.Bytes.size()));
        EXPECT_EQ(emf.U32(52), std::uint32_t(emf.Records.size()));
        EXPECT_EQ(emf.Utf16(emf.U32(64), emf.U32(60)), QStringLiteral(u"Vorlix") + QString(2, QChar(0)));
        // Handle count covers every index a record creates.
        std::uint32_t highest = 0;
        for (auto type : {EmrExtCreatePen, EmrCreateBrushIndirect, EmrExtCreateFontIndirectW})
            for (const TRecord& r : emf.OfType(type)) highest = std::max(highest, emf.U32(r.Offset + 8));
        EXPECT_EQ(emf.U16(56), highest + 1);
        // The reference device's pixels per millimetre is the picture's resolution.
        EXPECT_NEAR(emf.I32(72) * 25.4 / emf.I32(80), dpi, 1e-9);
        EXPECT_EQ(emf.Records.back().Type, EmrEof);
        EXPECT_EQ(emf.OfType(EmrEof).size(), 1u);
    }
    // Bounds in device units and frame in 0.01 mm, both inclusive.
    EXPECT_EQ(files[0].first.Box(8), QRect(0, 0, 600, 300));
    EXPECT_EQ(files[0].first.Box(24), QRect(0, 0, 5080, 2540));
}

// Shapes in order with their pens and brushes, hollow ones with NULL_BRUSH; translation and scale
// apply to coordinates and pen widths, cosmetic pens stay thin, a turned rounded box is a polygon;
// coordinates past 16 bits take the 32-bit records.
TEST(EmfDrawing, ShapesPensAndTransforms) {
    const TEmf emf = Paint(QSize(200, 100), 96, SampleDrawing);
    EXPECT_EQ(emf.DrawingTypes(), (std::vector<std::uint32_t>{EmrPolyline16, EmrRectangle, EmrEllipse, EmrExtTextOutW}));
    const std::size_t rect = emf.IndexOf(EmrRectangle);
    EXPECT_EQ(emf.Box(emf.Records[rect].Offset + 8), QRect(QPoint(10, 20), QPoint(40, 40)));
    EXPECT_TRUE(std::any_of(emf.Records.begin() + rect, emf.Records.begin() + emf.IndexOf(EmrEllipse),
                            [&](const TRecord& r) { return r.Type == EmrSelectObject && emf.U32(r.Offset + 8) == StockNullBrush; }));
    EXPECT_EQ(emf.PenBefore(rect).first, 2u);
    EXPECT_EQ(emf.U32(emf.OfType(EmrCreateBrushIndirect).front().Offset + 16), ColorRef(200, 220, 255));

    const TEmf turned = Paint(QSize(400, 400), 96, [](QPainter& p) {
        p.translate(10, 20);
        p.scale(2, 2);
        p.setPen(QPen(Qt::red, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawRect(QRectF(0, 0, 5, 5));
        p.setPen(QPen(Qt::blue, 0));
        p.rotate(30);
        p.drawRoundedRect(QRectF(10, 10, 40, 20), 5, 4);
        p.resetTransform();
        p.drawLine(QPointF(0, 0), QPointF(40000, 5));
    });
    EXPECT_EQ(turned.DrawingTypes(), (std::vector<std::uint32_t>{EmrRectangle, EmrPolygon16, EmrPolyline}));
    EXPECT_EQ(turned.I32(turned.OfType(EmrPolyline).front().Offset + 28 + 8), 40000);
    const std::size_t box = turned.IndexOf(EmrRectangle);
    EXPECT_EQ(turned.Box(turned.Records[box].Offset + 8), QRect(QPoint(10, 20), QPoint(20, 30)));
    EXPECT_EQ(turned.PenBefore(box), std::make_pair(3u, std::uint32_t(PsGeometric | PsEndcapRound | PsJoinBevel)));
    EXPECT_EQ(turned.PenBefore(turned.IndexOf(EmrPolygon16)).first, 1u);
}

// Text is UTF-16 at the baseline point, with the font's height, weight, slant and face.
TEST(EmfText, Utf16AtBaselineWithFont) {
    const QString text = QStringLiteral(u"ΛΕΞΗ willingly filling little lilies ü");
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(12);
    font.setBold(true);
    font.setItalic(true);
    const TEmf emf = Paint(QSize(400, 200), 96, [&](QPainter& p) {
        p.setPen(QColor(10, 20, 30));
        p.setFont(font);
        p.translate(5, 5);
        p.drawText(QPointF(20, 50), text);
    });
    // Qt hands over one item per script run; together they make the text, on one baseline,
    // each starting where the advances of the one before end.
    QString joined;
    int x = 25;
    for (const TRecord& r : emf.OfType(EmrExtTextOutW)) {
        const qsizetype at = r.Offset;
        EXPECT_NEAR(emf.I32(at + 36), x, 1);
        EXPECT_EQ(emf.I32(at + 40), 55);
        const auto chars = emf.U32(at + 44);
        joined += emf.Utf16(at + emf.U32(at + 48), chars);
        int sum = 0;
        for (std::uint32_t i = 0; i < chars; ++i) sum += emf.I32(at + emf.U32(at + 72) + 4 * i);
        x = emf.I32(at + 36) + sum;
    }
    EXPECT_EQ(joined, text);
    EXPECT_GT(x, 100);
    const auto fonts = emf.OfType(EmrExtCreateFontIndirectW);
    ASSERT_EQ(fonts.size(), 1u);
    const qsizetype f = fonts.front().Offset + 12;
    EXPECT_EQ(emf.I32(f), -16);  // 12 pt at 96 dpi
    EXPECT_EQ(emf.I32(f + 16), 700);
    EXPECT_EQ(emf.Bytes[f + 20], 1);
    EXPECT_EQ(emf.Utf16(f + 28, 16), QStringLiteral("Liberation Sans") + QChar(0));
    EXPECT_EQ(emf.U32(emf.OfType(EmrSetTextColor).front().Offset + 8), ColorRef(10, 20, 30));
}

// The write reports any failure of the output: none taken, some taken, all but the last
// byte taken, a device not open for writing. Everything taken succeeds.
TEST(EmfOutput, FailingDeviceReportsFailure) {
    const qint64 size = Paint(QSize(200, 100), 96, SampleDrawing).Bytes.size();
    for (qint64 limit : {qint64(0), qint64(100), size - 1}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        test::TFailingDevice device(out, limit);
        EXPECT_FALSE(WriteEmf(device, QSize(200, 100), 96, SampleDrawing)) << "limit " << limit;
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    test::TFailingDevice roomy(out, size);
    EXPECT_TRUE(WriteEmf(roomy, QSize(200, 100), 96, SampleDrawing));
    EXPECT_EQ(out.data().size(), size);

    QBuffer closed;
    TEmfPaintDevice device(&closed, QSize(200, 100), 96);
    QPainter painter(&device);
    SampleDrawing(painter);
    EXPECT_FALSE(painter.end());
    EXPECT_FALSE(device.finish());
    EXPECT_FALSE(QPainter().begin(&device));  // finished: nothing more to draw on
}

// Fonts need a GUI application; offscreen needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
