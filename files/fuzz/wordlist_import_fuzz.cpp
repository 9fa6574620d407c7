// libFuzzer entry: the first byte chooses the import's kind and settings, the rest is the file.
#include <cstdint>
#include <cstdlib>

#include "fuzzchecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    if (!vorlix::fuzz::WordListImportHoldsLimits(data[0], bytes)) std::abort();
    return 0;
}
