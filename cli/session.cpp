#include "session.h"

#include <algorithm>
#include <iostream>

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include "ascanvas.h"
#include "command.h"
#include "programrun.h"
#include "preferences_store.h"
#include "puzzlefile.h"
#include "puzzledefaults.h"
#include "safewrite.h"
#include "utf8.h"
#include "wordinput.h"

namespace vorlix::cli {

namespace {

void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << ProgramName << ": " << message.toLocal8Bit().constData() << std::endl;
}

}  // namespace

void FilterQtMessages() { qInstallMessageHandler(QtMessage); }

QString ArgumentText(const std::string& argument) { return QString::fromStdU16String(Utf8Text(argument)); }

PuzzleSession::PuzzleSession(std::ostream& err, bool usePreferences, std::optional<int> accidental)
    : host_(err), run_(std::make_unique<TProgramRun>(host_)) {
    TPreferences& prefs = run_->Preferences();
    if (usePreferences) {
        TReport report;
        run_->Store().LoadPuzzleDefaults(prefs, report);
        // The preferred sharing level is kept among the window's keys.
        run_->Store().LoadWindowPreferences(prefs, report);
        // The command line only reads the store, so the warning that it cannot be written
        // does not apply.
        std::erase_if(report.Lines, [](const TReportLine& line) { return line.Text == StoreWarningText(); });
        Print(report);
    } else {
        // The desktop program's first-run choice.
        prefs.AccidentPrevent = AccidentalTaboo;
    }
    if (accidental) prefs.AccidentPrevent = *accidental;
    builder_.SetAccidentalLevel(prefs.AccidentPrevent);
    if (prefs.AccidentPrevent == AccidentalAllWords) {
        // The engine would quietly check the taboo words only; the user asked for more.
        spelling::TSpellingDictionaries& dictionaries = run_->Dictionaries();
        dictionaries.LoadDictionaries();
        if (dictionaries.MainWordCount() == 0)
            throw UsageError("the main dictionary " + dictionaries.Locations().MainFile.toLocal8Bit().toStdString() +
                             " cannot be read, which --accidental all needs");
        builder_.SetMainDictionary(&run_->MainDictionaryWords());
    }
    puzzle_ = NewPuzzle(prefs);
}

const TPreferences& PuzzleSession::Preferences() const { return run_->Preferences(); }

PuzzleSession::~PuzzleSession() = default;

void PuzzleSession::Print(const TReport& report) { ShowReport(host_, report); }

bool PuzzleSession::Open(const std::string& path, std::istream& standardInput) {
    const std::string bytes = ReadInputFile(path, standardInput);
    const QByteArray file(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString name = QString::fromLocal8Bit(path);
    // What the file leaves out keeps a new puzzle's defaults.
    TReadResult<TPuzzle> read = ReadPuzzleBytes(file, name, NewPuzzle(run_->Preferences()));
    if (read.Value) puzzle_ = std::move(*read.Value);
    Print(read.Report);
    return read.Value.has_value();
}

bool PuzzleSession::Save(const std::string& path) {
    TReport report;
    const bool saved = SavePuzzleFile(puzzle_, PathFromNativeBytes(path), report);
    Print(report);
    return saved;
}

GuiApplication::GuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    InstallFontSubstitutes();
}

GuiApplication::~GuiApplication() = default;

}  // namespace vorlix::cli
