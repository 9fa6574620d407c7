// libFuzzer entry: arbitrary bytes as a puzzle file, then every export of it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>

#include "exportchecks.h"

// The font libraries keep their caches for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libfreetype.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Pictures need a GUI application; nothing is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "exports_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString problem = vorlix::fuzz::ExportProblem(bytes);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "export problem: %s\n", problem.toUtf8().constData());
        std::abort();
    }
    return 0;
}
