// The all-or-nothing writer on a real failing file system (a file-size limit in a child
// process) and on the paths that must be refused.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "safewrite.h"

using namespace vorlix;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// The writer's result in a child whose files may grow to limit bytes at most, as "errno
// reason" text through a pipe.
QString WriteUnderLimit(const QString& path, const QByteArray& bytes, rlim_t limit, bool streamed) {
    int pipeFd[2];
    if (pipe(pipeFd) != 0) return QStringLiteral("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit fsize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fsize);
        TWriteResult result;
        if (streamed) {
            // Many small writes, as the PDF and picture writers make them.
            TSafeFile file(path);
            if (file.Open()) {
                for (qsizetype at = 0; at < bytes.size() && file.write(bytes.mid(at, 7)) == bytes.mid(at, 7).size();)
                    at += 7;
                file.Commit();
            }
            result = file.Result();
        } else {
            result = WriteFileAtomically(path, bytes);
        }
        const QByteArray text = QByteArray::number(result.Errno) + ' ' + result.Reason.toUtf8();
        (void)!write(pipeFd[1], text.constData(), std::size_t(text.size()));
        _exit(0);
    }
    close(pipeFd[1]);
    QByteArray text;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFd[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(pipeFd[0]);
    waitpid(child, nullptr, 0);
    return QString::fromUtf8(text);
}

}  // namespace

// Protects: a write that fails at any point, first byte, middle or last block, keeps the old
// file byte for byte, leaves no temporary and returns the system's reason; one that fits
// replaces the file completely. Whole and streamed writes alike.
TEST(SafeWrite, FailingDiskKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.bin"));
    const QByteArray big(20000, 'n');
    const std::pair<rlim_t, bool> limits[] = {{1, false}, {4096, false}, {16384, false}, {19999, false},
                                              {1, true},  {8000, true},  {19999, true}};
    for (const auto& [limit, streamed] : limits) {
        Put(path, "old contents");
        const QString result = WriteUnderLimit(path, big, limit, streamed);
        EXPECT_TRUE(result.startsWith(QString::number(EFBIG) + u' ')) << limit << " " << result.toStdString();
        EXPECT_EQ(ReadAll(path), QByteArray("old contents")) << limit;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.bin")})
            << limit;
    }
    EXPECT_EQ(WriteUnderLimit(path, big, 20000, true), QStringLiteral("0 "));
    EXPECT_EQ(ReadAll(path), big);
}

// Protects: what is not a regular file is never replaced, each refusal with its own reason:
// a folder, a FIFO, a missing folder, a name too long, a loop of links, a device.
TEST(SafeWrite, RefusedTargets) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString loop = dir.filePath(QStringLiteral("loop"));
    ASSERT_EQ(symlink("loop", QFile::encodeName(loop).constData()), 0);
    const std::pair<QString, int> cases[] = {
        {dir.path(), EISDIR},
        {fifo, EINVAL},
        {dir.filePath(QStringLiteral("missing/out.txt")), ENOENT},
        {dir.filePath(QString(300, u'n')), ENAMETOOLONG},
        {loop, ELOOP},
        {QString(), ENOENT},
    };
    for (const auto& [path, error] : cases) {
        const TWriteResult result = WriteFileAtomically(path, "new");
        EXPECT_EQ(result.Errno, error) << path.toStdString() << " " << result.Reason.toStdString();
        EXPECT_FALSE(result.Reason.isEmpty());
    }
    struct stat st {};
    ASSERT_EQ(lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2);

    // A device of our own (making one needs root): a faulty writer must never get near the
    // system's /dev/null.
    const QByteArray device = QFile::encodeName(dir.filePath(QStringLiteral("null")));
    if (mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_EQ(WriteFileAtomically(QFile::decodeName(device), "new").Errno, EINVAL);
        ASSERT_EQ(lstat(device.constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }
}

// Protects: a symbolic link is followed as cp does (its target replaced, the link kept,
// also through a relative chain); a replaced file keeps its permissions; a name whose
// temporary would be too long is still written.
TEST(SafeWrite, LinksPermissionsAndLongNames) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    const QString target = dir.filePath(QStringLiteral("sub/target.txt"));
    Put(target, "old");
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_EQ(symlink("sub/target.txt", QFile::encodeName(dir.filePath(QStringLiteral("first"))).constData()), 0);
    ASSERT_EQ(symlink("first", QFile::encodeName(dir.filePath(QStringLiteral("second"))).constData()), 0);
    ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("second")), "new").Ok());
    EXPECT_EQ(ReadAll(target), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("second"))).isSymLink());
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    const QString longName = dir.filePath(QString(250, u'n'));
    Put(longName, "old");
    EXPECT_TRUE(WriteFileAtomically(longName, "new").Ok());
    EXPECT_EQ(ReadAll(longName), QByteArray("new"));
}

// Protects: output names keep their bytes through a QString, and messages show the bytes
// that are not UTF-8 (and control characters) as \xNN.
TEST(SafeWrite, NamesKeepTheirBytes) {
    const std::string names[] = {"plain.txt", "caf\xC3\xA9.txt", "raw\xFF\xFE.txt", "cut\xE2\x82.txt",
                                 "\xED\xA0\x80surrogate.txt"};
    for (const std::string& name : names)
        EXPECT_EQ(NativePathBytes(PathFromNativeBytes(name)).toStdString(), name);
    EXPECT_EQ(DisplayPath(PathFromNativeBytes("raw\xFF\x1b.txt")), QStringLiteral("raw\\xff\\x1b.txt"));
    QTemporaryDir dir;
    const std::string raw = QFile::encodeName(dir.path()).toStdString() + "/raw\xFF.txt";
    ASSERT_TRUE(WriteFileAtomically(PathFromNativeBytes(raw), "x").Ok());
    EXPECT_EQ(access(raw.c_str(), F_OK), 0);
}
