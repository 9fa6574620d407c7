// A device that passes `limit` bytes on and then refuses every write: a full disk.
#pragma once

#include <algorithm>

#include <QIODevice>

namespace vorlix::test {

class TFailingDevice : public QIODevice {
public:
    TFailingDevice(QIODevice& out, qint64 limit) : out_(out), limit_(limit) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, limit_);
        limit_ -= n;
        return n > 0 && out_.write(data, n) == n ? n : -1;
    }

private:
    QIODevice& out_;
    qint64 limit_;
};

}  // namespace vorlix::test
