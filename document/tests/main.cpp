// The drawing tests need a GUI application for fonts; offscreen needs no display.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "ascanvas.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vorlix::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
