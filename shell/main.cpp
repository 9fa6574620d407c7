// vorlix: the desktop program.
#include <QApplication>

#include "application.h"
#include "logo.h"
#include "services.h"
#include "webfm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
    program.Start(QApplication::arguments().mid(1));
    return QApplication::exec();
}
