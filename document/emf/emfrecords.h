// Byte-level building blocks of an Enhanced Metafile: record numbers, GDI constants,
// one record under construction, and the stream of records with its object table.
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

namespace vorlix::emf {

// Record types.
enum : std::uint32_t {
    EmrHeader = 1,
    EmrPolygon = 3,
    EmrPolyline = 4,
    EmrPolyPolyline = 7,
    EmrPolyPolygon = 8,
    EmrEof = 14,
    EmrSetBkMode = 18,
    EmrSetPolyFillMode = 19,
    EmrSetTextAlign = 22,
    EmrSetTextColor = 24,
    EmrMoveToEx = 27,
    EmrSelectObject = 37,
    EmrCreatePen = 38,
    EmrCreateBrushIndirect = 39,
    EmrDeleteObject = 40,
    EmrEllipse = 42,
    EmrRectangle = 43,
    EmrRoundRect = 44,
    EmrLineTo = 54,
    EmrExtSelectClipRgn = 75,
    EmrStretchDiBits = 81,
    EmrExtCreateFontIndirectW = 82,
    EmrExtTextOutW = 84,
    EmrPolygon16 = 86,
    EmrPolyline16 = 87,
    EmrPolyPolyline16 = 90,
    EmrPolyPolygon16 = 91,
    EmrExtCreatePen = 95,
};

constexpr std::uint32_t HeaderSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t HeaderVersion = 0x00010000;
// Header with both extensions (pixel format and micrometres), before the description.
constexpr int HeaderFixedSize = 108;

// Stock objects: selecting one never needs a DELETEOBJECT.
constexpr std::uint32_t StockNullBrush = 0x80000005;
constexpr std::uint32_t StockNullPen = 0x80000008;
constexpr std::uint32_t StockDefaultFont = 0x8000000E;

// Pen style bits.
constexpr std::uint32_t PsSolid = 0, PsDash = 1, PsDot = 2, PsDashDot = 3, PsDashDotDot = 4;
constexpr std::uint32_t PsEndcapRound = 0x000, PsEndcapSquare = 0x100, PsEndcapFlat = 0x200;
constexpr std::uint32_t PsJoinRound = 0x0000, PsJoinBevel = 0x1000, PsJoinMiter = 0x2000;
constexpr std::uint32_t PsGeometric = 0x00010000;

constexpr std::uint32_t BsSolid = 0;
constexpr std::uint32_t BkTransparent = 1;
constexpr std::uint32_t FillAlternate = 1, FillWinding = 2;
constexpr std::uint32_t TaBaseline = 24;  // with TA_LEFT (0) and TA_NOUPDATECP (0)
constexpr std::uint32_t GmCompatible = 1;
constexpr std::uint32_t RgnAnd = 1, RgnCopy = 5;
constexpr std::uint32_t SrcCopy = 0x00CC0020;
constexpr std::uint32_t FontFaceChars = 32;  // LOGFONTW face name, terminator included

// COLORREF: 0x00BBGGRR.
constexpr std::uint32_t ColorRef(int r, int g, int b) {
    return std::uint32_t(r & 0xFF) | std::uint32_t(g & 0xFF) << 8 | std::uint32_t(b & 0xFF) << 16;
}

// One record: Type and Size first, Size patched when the record is taken.
class TEmfRecord {
public:
    explicit TEmfRecord(std::uint32_t type);

    TEmfRecord& U8(std::uint8_t v);
    TEmfRecord& U16(std::uint16_t v);
    TEmfRecord& U32(std::uint32_t v);
    TEmfRecord& I32(std::int32_t v) { return U32(std::uint32_t(v)); }
    TEmfRecord& F32(float v);
    TEmfRecord& Point(QPoint p) { return I32(p.x()).I32(p.y()); }
    // RectL, inclusive on all sides as the format stores bounds.
    TEmfRecord& Box(int left, int top, int right, int bottom) { return I32(left).I32(top).I32(right).I32(bottom); }
    TEmfRecord& Utf16(const QString& text);
    TEmfRecord& Bytes(const QByteArray& bytes);
    TEmfRecord& Zeros(int count);
    TEmfRecord& PadTo4();

    int Size() const { return int(data_.size()); }
    // Pads to a multiple of 4 and writes the Size field.
    QByteArray Take();

private:
    QByteArray data_;
};

// EMR_POLYLINE16 / EMR_POLYGON16 or their 32-bit forms when a coordinate is too large.
QByteArray PolyRecord(bool closed, const QPolygon& points);
// EMR_POLYPOLYLINE16 / EMR_POLYPOLYGON16, or the 32-bit forms.
QByteArray PolyPolyRecord(bool closed, const std::vector<QPolygon>& polygons);

// The records of one picture and its object table. Index 0 of the table is reserved;
// freed indexes are reused so the table stays as small as the drawing allows.
class TEmfRecordStream {
public:
    void Append(const QByteArray& record);
    void Append(TEmfRecord& record) { Append(record.Take()); }

    std::uint32_t AllocateHandle();
    void FreeHandle(std::uint32_t handle);

    int RecordCount() const { return records_; }
    // Largest index ever used plus one, as the header's handle count wants it.
    int HandleCount() const { return int(inUse_.size()); }
    const QByteArray& Body() const { return body_; }

    struct TFrame {
        QSize Units;      // picture size in device units
        double Dpi = 96;  // device units per inch
        QString Description;
    };
    // Header, the records so far and EMR_EOF.
    QByteArray Compose(const TFrame& frame) const;

private:
    QByteArray body_;
    int records_ = 0;
    std::vector<bool> inUse_{true};  // index 0 reserved
};

}  // namespace vorlix::emf
