#include "emfrecords.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace vorlix::emf {

TEmfRecord::TEmfRecord(std::uint32_t type) {
    U32(type);
    U32(0);
}

TEmfRecord& TEmfRecord::U8(std::uint8_t v) {
    data_.append(char(v));
    return *this;
}

TEmfRecord& TEmfRecord::U16(std::uint16_t v) {
    data_.append(char(v & 0xFF));
    data_.append(char(v >> 8));
    return *this;
}

TEmfRecord& TEmfRecord::U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) data_.append(char((v >> shift) & 0xFF));
    return *this;
}

TEmfRecord& TEmfRecord::F32(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return U32(bits);
}

TEmfRecord& TEmfRecord::Utf16(const QString& text) {
    for (QChar c : text) U16(c.unicode());
    return *this;
}

TEmfRecord& TEmfRecord::Bytes(const QByteArray& bytes) {
    data_.append(bytes);
    return *this;
}

TEmfRecord& TEmfRecord::Zeros(int count) {
    data_.append(count, '\0');
    return *this;
}

TEmfRecord& TEmfRecord::PadTo4() {
    return Zeros(int((4 - data_.size() % 4) % 4));
}

QByteArray TEmfRecord::Take() {
    PadTo4();
    const auto size = std::uint32_t(data_.size());
    for (int i = 0; i < 4; ++i) data_[4 + i] = char((size >> (8 * i)) & 0xFF);
    return std::move(data_);
}

namespace {

bool FitsInt16(const QPolygon& points) {
    return std::all_of(points.begin(), points.end(), [](QPoint p) {
        return p.x() >= std::numeric_limits<std::int16_t>::min() && p.x() <= std::numeric_limits<std::int16_t>::max() &&
               p.y() >= std::numeric_limits<std::int16_t>::min() && p.y() <= std::numeric_limits<std::int16_t>::max();
    });
}

// Inclusive, as RectL.
QRect BoundsOf(const std::vector<QPolygon>& polygons) {
    QRect bounds;
    for (const QPolygon& polygon : polygons) bounds |= polygon.boundingRect();
    return bounds;
}

void AppendPoints(TEmfRecord& record, const QPolygon& points, bool small) {
    for (QPoint p : points) {
        if (small)
            record.U16(std::uint16_t(std::int16_t(p.x()))).U16(std::uint16_t(std::int16_t(p.y())));
        else
            record.Point(p);
    }
}

void AppendBounds(TEmfRecord& record, const QRect& bounds) {
    record.Box(bounds.left(), bounds.top(), bounds.right(), bounds.bottom());
}

}  // namespace

QByteArray PolyRecord(bool closed, const QPolygon& points) {
    const bool small = FitsInt16(points);
    const std::uint32_t type = closed ? (small ? EmrPolygon16 : EmrPolygon) : (small ? EmrPolyline16 : EmrPolyline);
    TEmfRecord record(type);
    AppendBounds(record, points.boundingRect());
    record.U32(std::uint32_t(points.size()));
    AppendPoints(record, points, small);
    return record.Take();
}

QByteArray PolyPolyRecord(bool closed, const std::vector<QPolygon>& polygons) {
    const bool small = std::all_of(polygons.begin(), polygons.end(), FitsInt16);
    const std::uint32_t type =
        closed ? (small ? EmrPolyPolygon16 : EmrPolyPolygon) : (small ? EmrPolyPolyline16 : EmrPolyPolyline);
    TEmfRecord record(type);
    AppendBounds(record, BoundsOf(polygons));
    std::uint32_t total = 0;
    for (const QPolygon& polygon : polygons) total += std::uint32_t(polygon.size());
    record.U32(std::uint32_t(polygons.size())).U32(total);
    for (const QPolygon& polygon : polygons) record.U32(std::uint32_t(polygon.size()));
    for (const QPolygon& polygon : polygons) AppendPoints(record, polygon, small);
    return record.Take();
}

void TEmfRecordStream::Append(const QByteArray& record) {
    body_.append(record);
    ++records_;
}

std::uint32_t TEmfRecordStream::AllocateHandle() {
    const auto free = std::find(inUse_.begin() + 1, inUse_.end(), false);
    if (free != inUse_.end()) {
        *free = true;
        return std::uint32_t(free - inUse_.begin());
    }
    inUse_.push_back(true);
    return std::uint32_t(inUse_.size() - 1);
}

void TEmfRecordStream::FreeHandle(std::uint32_t handle) {
    if (handle > 0 && handle < inUse_.size()) inUse_[handle] = false;
}

QByteArray TEmfRecordStream::Compose(const TFrame& frame) const {
    const int width = std::max(1, frame.Units.width());
    const int height = std::max(1, frame.Units.height());
    const double dpi = frame.Dpi > 0 ? frame.Dpi : 96;
    const auto hundredthsMm = [dpi](int units) { return int(std::lround(units * 2540.0 / dpi)); };

    // Readers scale by the reference device's pixels per millimetre, and millimetres are
    // whole numbers: a device 5 inches (127 mm) at a time keeps that ratio exact.
    int blocks = 1;
    while (5.0 * blocks * dpi < std::max(width, height)) ++blocks;
    const int refPixels = int(std::lround(5.0 * blocks * dpi));
    const int refMm = 127 * blocks;

    QString description = frame.Description;
    if (!description.isEmpty()) description += QString(2, QChar(0));  // "name\0\0"

    TEmfRecord header(EmrHeader);
    header.Box(0, 0, width - 1, height - 1);
    header.Box(0, 0, hundredthsMm(width) - 1, hundredthsMm(height) - 1);
    header.U32(HeaderSignature).U32(HeaderVersion);
    const int descriptionBytes = int(description.size()) * 2;
    const int headerSize = HeaderFixedSize + (descriptionBytes + 3) / 4 * 4;
    constexpr int EofSize = 20;
    header.U32(std::uint32_t(headerSize + body_.size() + EofSize));
    header.U32(std::uint32_t(records_ + 2));
    header.U16(std::uint16_t(std::min<int>(HandleCount(), 0xFFFF))).U16(0);
    header.U32(std::uint32_t(description.size())).U32(description.isEmpty() ? 0 : HeaderFixedSize);
    header.U32(0);  // no palette
    header.I32(refPixels).I32(refPixels).I32(refMm).I32(refMm);
    header.U32(0).U32(0).U32(0);  // no pixel format, no OpenGL
    header.U32(std::uint32_t(refMm * 1000)).U32(std::uint32_t(refMm * 1000));
    header.Utf16(description);

    TEmfRecord eof(EmrEof);
    eof.U32(0).U32(16).U32(EofSize);  // no palette entries; SizeLast repeats the size

    QByteArray out = header.Take();
    out.reserve(out.size() + body_.size() + EofSize);
    out.append(body_);
    out.append(eof.Take());
    return out;
}

}  // namespace vorlix::emf
