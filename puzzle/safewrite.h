// All-or-nothing file output for every writer of the program: the bytes go to a temporary
// beside the target, every write, the flush to disk and the rename are checked, and only
// then does the new file replace the old one. On any failure the old file stays and the
// temporary is removed.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringView>

#include <string_view>

namespace vorlix {

// What went wrong, in the system's words; empty on success.
struct TWriteResult {
    int Errno = 0;
    QString Reason;
    bool Ok() const { return Reason.isEmpty(); }
    explicit operator bool() const { return Ok(); }
};

// Output names keep their bytes: a byte that is not UTF-8 travels inside a QString as a
// lone low surrogate U+DC80..U+DCFF and is turned back into that byte when the file is
// opened.
QString PathFromNativeBytes(std::string_view bytes);
QByteArray NativePathBytes(QStringView path);
// The name for a message: such bytes are shown as \xNN, control characters as well.
QString DisplayPath(QStringView path);

// "name: reason", the second line of every write-failure message.
QString WriteFailureDetail(QStringView path, const TWriteResult& result);

// A device writing through a temporary. Open checks the target (only a regular file or a
// new name is replaced; symbolic links are followed to what they point at), Commit makes
// the file appear, destruction without Commit discards it.
class TSafeFile : public QIODevice {
public:
    explicit TSafeFile(QString path);
    ~TSafeFile() override;
    TSafeFile(const TSafeFile&) = delete;
    TSafeFile& operator=(const TSafeFile&) = delete;

    bool Open();
    bool Commit();
    void Cancel();
    const TWriteResult& Result() const { return result_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool Fail(int error, QString reason = {});
    void Discard();  // closes and removes the temporary, the device left as it is

    QString path_;
    QByteArray target_;  // the resolved target's bytes
    QByteArray temp_;
    int fd_ = -1;
    TWriteResult result_;
};

// The whole output at once.
TWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes);

}  // namespace vorlix
