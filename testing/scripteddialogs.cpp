#include "scripteddialogs.h"

#include <QDialog>
#include <QPrinter>

namespace vorlix::shell {

namespace {

QString NextAnswer(std::deque<QString>& answers) {
    if (answers.empty()) return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

}  // namespace

QString TScriptedFileDialogs::OpenFileName(QWidget*, const TFileDialogRequest& request) {
    Requests.push_back(request);
    return NextAnswer(Answers);
}

QString TScriptedFileDialogs::SaveFileName(QWidget*, const TFileDialogRequest& request) {
    if (!ChosenFilters.empty()) {
        request.ChosenFilter = ChosenFilters.front();
        ChosenFilters.pop_front();
    }
    Requests.push_back(request);
    return NextAnswer(Answers);
}

std::optional<QColor> TScriptedColorFontDialogs::ChooseColor(QWidget*, const QColor&) {
    if (Colors.empty()) return std::nullopt;
    auto c = Colors.front();
    Colors.pop_front();
    return c;
}

std::optional<QFont> TScriptedColorFontDialogs::ChooseFont(QWidget*, const QFont&) {
    if (Fonts.empty()) return std::nullopt;
    auto f = Fonts.front();
    Fonts.pop_front();
    return f;
}

bool TScriptedPrinterDialogs::SetupPrinter(QWidget*, QPrinter& printer) {
    ++SetupsShown;
    if (Answers.empty()) return false;
    const std::function<bool(QPrinter&)> answer = std::move(Answers.front());
    Answers.pop_front();
    return answer && answer(printer);
}

int TScriptedModalRunner::Run(QDialog& dialog) {
    Shown << dialog.objectName();
    if (Answer) return Answer(dialog);
    return QDialog::Rejected;
}

}  // namespace vorlix::shell
