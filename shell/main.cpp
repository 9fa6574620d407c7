// vorlix: the desktop program.
#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QTimer>

#include "application.h"
#include "logo.h"
#include "services.h"
#include "programrun.h"
#include "webfm.h"
#include "windows.h"

namespace {

// When VORLIX_STARTUP_REPORT names a file, the program writes there what it found once
// start-up is complete (the puzzle opened, the spelling dictionary) and ends: the check
// of an installed copy.
void WriteStartupReport(vorlix::shell::TProgram& program, const QString& path) {
    auto& dictionaries = program.Run().Dictionaries();
    dictionaries.LoadDictionaries();
    QFile report(path);
    if (report.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const auto line = [&report](const char* key, const QString& value) {
            report.write(key);
            report.write("=");
            report.write(value.toUtf8());
            report.write("\n");
        };
        line("puzzle", program.Model().CurrentFileName());
        line("page", program.Main().CurrentPageName());
        line("dictionary", dictionaries.Locations().MainFile);
        line("words", QString::number(dictionaries.MainWordCount()));
        line("userdictionary", dictionaries.Locations().UserFile);
    }
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

// VORLIX_DARK_DESKTOP=1 (for screenshots and checks only) starts under a dark palette,
// as a dark desktop theme would.
void UseDarkDesktopForChecks() {
    if (qEnvironmentVariable("VORLIX_DARK_DESKTOP") != QLatin1String("1")) return;
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette p;
    const QColor text(0xF0, 0xF0, 0xF0);
    p.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
    QApplication::setPalette(p);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UseDarkDesktopForChecks();
    QApplication::setApplicationName(QStringLiteral("Vorlix"));
    QApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QApplication::setWindowIcon(vorlix::shell::VorlixIcon());

    vorlix::shell::TWidgetMessageHost messages;
    vorlix::shell::TWidgetFileDialogs files;
    vorlix::shell::TWidgetColorFontDialogs colorsFonts;
    vorlix::shell::TClock clock;
    vorlix::shell::TModalRunner modal;
    vorlix::shell::TProgram program({messages, files, colorsFonts, clock, modal});
    messages.SetParent(&program.Main());
    const QString report = qEnvironmentVariable("VORLIX_STARTUP_REPORT");
    std::function<void()> whenStarted;
    if (!report.isEmpty()) whenStarted = [&program, report] { WriteStartupReport(program, report); };
    program.Start(QApplication::arguments().mid(1), whenStarted);
    return QApplication::exec();
}
