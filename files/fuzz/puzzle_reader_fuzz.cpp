// libFuzzer entry: arbitrary bytes as a puzzle file.
#include <cstdint>
#include <cstdlib>

#include "fuzzchecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!vorlix::fuzz::PuzzleBytesAreStable(bytes)) std::abort();
    return 0;
}
