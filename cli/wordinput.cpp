#include "wordinput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <iterator>

#include <fcntl.h>
#include <unistd.h>

#include <QString>

#include "command.h"
#include "safewrite.h"
#include "textcodec.h"

namespace vorlix::cli {

namespace {

std::string TooLarge(const std::string& path) {
    return "cannot read '" + path + "': larger than " + std::to_string(MaxTextFileBytes / (1024 * 1024)) + " MB";
}

}  // namespace

std::string ReadInputFile(const std::string& path, std::istream& standardInput) {
    if (path == "-") {
        std::string bytes{std::istreambuf_iterator<char>(standardInput), std::istreambuf_iterator<char>()};
        if (standardInput.bad()) throw UsageError("cannot read standard input");
        if (static_cast<qint64>(bytes.size()) > MaxTextFileBytes) throw UsageError(TooLarge("standard input"));
        return bytes;
    }
    // A FIFO without a writer would block the open for ever; it reads as empty instead.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw UsageError("cannot read '" + path + "': " + std::strerror(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        throw UsageError("cannot read '" + path + "': " + std::strerror(errno));
    }
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 &&
           static_cast<qint64>(bytes.size()) <= MaxTextFileBytes)
        bytes.append(buffer, got);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    // A directory opens but does not read.
    if (error != 0) throw UsageError("cannot read '" + path + "': " + std::strerror(error));
    if (static_cast<qint64>(bytes.size()) > MaxTextFileBytes) throw UsageError(TooLarge(path));
    return bytes;
}

std::vector<WordInput> ReadWordInputs(const std::vector<std::string>& paths, std::istream& standardInput) {
    std::vector<WordInput> inputs;
    for (const std::string& path : paths) inputs.push_back({path, ReadInputFile(path, standardInput)});
    return inputs;
}

void ImportWordInputs(const std::vector<WordInput>& inputs, const TWordListStyle& style, QStringList& memo,
                      TReport& report) {
    const TContinueQuestion goOn = [] { return true; };
    for (const WordInput& input : inputs) {
        const WordListFileKind kind =
            input.path == "-" ? WordListFileKind::PlainText : WordListFileKindOf(PathFromNativeBytes(input.path));
        const QByteArrayView bytes(input.bytes.data(), static_cast<qsizetype>(input.bytes.size()));
        ImportWordListText(DecodeWordListText(bytes), kind, style, memo, goOn, report);
    }
}

}  // namespace vorlix::cli
