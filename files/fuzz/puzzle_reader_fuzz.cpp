// libFuzzer entry: arbitrary bytes as a puzzle file.
#include <cstdint>
#include <cstdlib>

#include "fuzzchecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Built once: a model is large, and every open resets it completely.
    static vorlix::fuzz::TYesHost host;
    static vorlix::TPreferences prefs;
    static vorlix::TPuzzleModel first(host, prefs);
    static vorlix::TPuzzleModel second(host, prefs);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!vorlix::fuzz::PuzzleBytesAreStable(bytes, first, second)) std::abort();
    return 0;
}
