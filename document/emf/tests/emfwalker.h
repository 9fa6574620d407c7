// Reads back what the writer produced: the record chain and little-endian fields.
#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QtEndian>

namespace vorlix::test {

struct TEmfRecordView {
    std::uint32_t Type = 0;
    std::uint32_t Size = 0;
    qsizetype Offset = 0;
};

class TEmfWalker {
public:
    explicit TEmfWalker(QByteArray bytes) : bytes_(std::move(bytes)) {
        qsizetype at = 0;
        while (at + 8 <= bytes_.size()) {
            const TEmfRecordView r{U32(at), U32(at + 4), at};
            if (r.Size < 8 || at + r.Size > bytes_.size()) break;
            records_.push_back(r);
            at += r.Size;
        }
        end_ = at;
    }

    const QByteArray& Bytes() const { return bytes_; }
    const std::vector<TEmfRecordView>& Records() const { return records_; }
    // Where the chain of record sizes stopped: the file size when it is intact.
    qsizetype ChainEnd() const { return end_; }

    std::uint32_t U32(qsizetype at) const { return qFromLittleEndian<quint32>(bytes_.constData() + at); }
    std::int32_t I32(qsizetype at) const { return std::int32_t(U32(at)); }
    std::uint16_t U16(qsizetype at) const { return qFromLittleEndian<quint16>(bytes_.constData() + at); }
    std::int16_t I16(qsizetype at) const { return std::int16_t(U16(at)); }
    QString Utf16(qsizetype at, qsizetype count) const {
        QString s;
        for (qsizetype i = 0; i < count; ++i) s.append(QChar(U16(at + 2 * i)));
        return s;
    }

    std::vector<std::uint32_t> Types() const {
        std::vector<std::uint32_t> types;
        for (const auto& r : records_) types.push_back(r.Type);
        return types;
    }
    std::vector<TEmfRecordView> OfType(std::uint32_t type) const {
        std::vector<TEmfRecordView> out;
        for (const auto& r : records_)
            if (r.Type == type) out.push_back(r);
        return out;
    }

private:
    QByteArray bytes_;
    std::vector<TEmfRecordView> records_;
    qsizetype end_ = 0;
};

}  // namespace vorlix::test
