#include "safewrite.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlix {

namespace {

constexpr char16_t EscapedByteBase = 0xDC00;
// Links deeper than this are a loop, as the kernel counts them.
constexpr int MaxLinkDepth = 40;

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Length of a well-formed UTF-8 sequence at bytes[i], or 0.
int Utf8Length(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char b0 = at(i);
    const std::size_t left = bytes.size() - i;
    const auto cont = [&](std::size_t k) { return k < bytes.size() && (at(k) & 0xC0) == 0x80; };
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) return left >= 2 && cont(i + 1) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (left < 3 || !cont(i + 1) || !cont(i + 2)) return 0;
        const unsigned b1 = at(i + 1);
        if (b0 == 0xE0 && b1 < 0xA0) return 0;  // overlong
        if (b0 == 0xED && b1 >= 0xA0) return 0;  // surrogates
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (left < 4 || !cont(i + 1) || !cont(i + 2) || !cont(i + 3)) return 0;
        const unsigned b1 = at(i + 1);
        if (b0 == 0xF0 && b1 < 0x90) return 0;
        if (b0 == 0xF4 && b1 >= 0x90) return 0;
        return 4;
    }
    return 0;
}

bool IsEscapedByte(char16_t c) { return c >= EscapedByteBase + 0x80 && c <= EscapedByteBase + 0xFF; }

QByteArray DirectoryOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    if (slash == 0) return QByteArrayLiteral("/");
    return path.left(slash);
}

QByteArray BaseNameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

// Follows symbolic links as cp does: the file the link names is the one replaced.
int ResolveLinks(QByteArray& path) {
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), target.data(), target.size());
        if (n < 0) return errno;
        if (n >= target.size()) return ENAMETOOLONG;
        target.truncate(n);
        path = target.startsWith('/') ? target : DirectoryOf(path) + '/' + target;
    }
    return ELOOP;
}

QByteArray RandomSuffix() {
    static thread_local std::mt19937_64 random{std::random_device{}() ^ std::uint64_t(::getpid())};
    static constexpr char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray out;
    for (int i = 0; i < 8; ++i) out.append(digits[random() % (sizeof digits - 1)]);
    return out;
}

}  // namespace

QString PathFromNativeBytes(std::string_view bytes) {
    QString out;
    out.reserve(qsizetype(bytes.size()));
    std::size_t i = 0;
    while (i < bytes.size()) {
        const int n = Utf8Length(bytes, i);
        if (n == 0) {
            out.append(QChar(char16_t(EscapedByteBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
        } else {
            out.append(QString::fromUtf8(bytes.data() + i, n));
            i += std::size_t(n);
        }
    }
    return out;
}

QByteArray NativePathBytes(QStringView path) {
    QByteArray out;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsEscapedByte(path[i].unicode())) continue;
        out.append(path.sliced(start, i - start).toUtf8());
        if (i < path.size()) out.append(char(path[i].unicode() - EscapedByteBase));
        start = i + 1;
    }
    return out;
}

QString DisplayPath(QStringView path) {
    QString out;
    for (const QChar c : path) {
        const char16_t u = c.unicode();
        if (IsEscapedByte(u) || u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) {
            const unsigned byte = IsEscapedByte(u) ? unsigned(u - EscapedByteBase) : unsigned(u);
            out += QStringLiteral("\\x") + QString::number(byte, 16).rightJustified(2, u'0');
        } else {
            out += c;
        }
    }
    return out;
}

QString WriteFailureDetail(QStringView path, const TWriteResult& result) {
    return DisplayPath(path) + QStringLiteral(": ") + result.Reason;
}

TSafeFile::TSafeFile(QString path) : path_(std::move(path)) {}

TSafeFile::~TSafeFile() { Cancel(); }

bool TSafeFile::Fail(int error, QString reason) {
    if (result_.Ok()) {
        result_.Errno = error;
        result_.Reason = reason.isEmpty() ? SystemReason(error) : std::move(reason);
    }
    Cancel();
    return false;
}

bool TSafeFile::Open() {
    result_ = {};
    target_ = NativePathBytes(path_);
    if (target_.isEmpty()) return Fail(ENOENT, QStringLiteral("No file name was given"));
    if (target_.contains('\0')) return Fail(EINVAL, QStringLiteral("The file name holds a zero byte"));
    if (const int error = ResolveLinks(target_)) return Fail(error);
    const QByteArray base = BaseNameOf(target_);
    if (base.isEmpty() || base == "." || base == "..") return Fail(EISDIR);
    if (base.size() > NAME_MAX) return Fail(ENAMETOOLONG);

    struct stat st {};
    const bool exists = ::stat(target_.constData(), &st) == 0;
    if (!exists && errno != ENOENT) return Fail(errno);
    if (exists && S_ISDIR(st.st_mode)) return Fail(EISDIR);
    // A device, pipe or socket is never replaced by a plain file.
    if (exists && !S_ISREG(st.st_mode))
        return Fail(EINVAL, QStringLiteral("Not a regular file (a device, pipe or socket); it was left as it is"));

    const QByteArray dir = DirectoryOf(target_);
    // The temporary's name stays within the system's limit however long the target's is.
    const QByteArray stem = base.size() + 16 > NAME_MAX ? QByteArrayLiteral(".vorlix") : '.' + base;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = dir + '/' + stem + '.' + RandomSuffix() + ".tmp";
        // 0666 through the umask for a new file, as any other program would create it.
        fd_ = ::open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            const int error = errno;
            temp_.clear();
            return Fail(error);
        }
    }
    if (fd_ < 0) {
        temp_.clear();
        return Fail(EEXIST);
    }
    if (exists) {
        // The replacement keeps the old file's permissions and, where allowed, its owner.
        (void)::fchmod(fd_, st.st_mode & 07777);
        if (::geteuid() == 0) (void)::fchown(fd_, st.st_uid, st.st_gid);
    }
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 TSafeFile::writeData(const char* data, qint64 size) {
    if (fd_ < 0) return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd_, data + done, std::size_t(size - done), off_t(pos() + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            setErrorString(SystemReason(error));
            // The device stays open until its owner is done with it; the temporary goes now.
            if (result_.Ok()) result_ = {error, SystemReason(error)};
            Discard();
            return -1;
        }
        done += n;
    }
    return done;
}

bool TSafeFile::Commit() {
    if (fd_ < 0) {
        if (result_.Ok()) result_ = {EBADF, SystemReason(EBADF)};
        return false;
    }
    // Delayed allocation reports a full disk only here.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) return Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp_.constData());
        temp_.clear();
        return Fail(error);
    }
    if (::rename(temp_.constData(), target_.constData()) != 0) {
        const int error = errno;
        ::unlink(temp_.constData());
        temp_.clear();
        return Fail(error);
    }
    temp_.clear();
    // The new name itself on disk; not every file system can sync a folder.
    const int dirFd = ::open(DirectoryOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    QIODevice::close();
    return true;
}

void TSafeFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.isEmpty()) {
        ::unlink(temp_.constData());
        temp_.clear();
    }
}

void TSafeFile::Cancel() {
    Discard();
    if (isOpen()) QIODevice::close();
}

TWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes) {
    TSafeFile file(path);
    if (!file.Open()) return file.Result();
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) return file.Result().Ok() ? TWriteResult{EIO, SystemReason(EIO)} : file.Result();
        done += n;
    }
    file.Commit();
    return file.Result();
}

}  // namespace vorlix
