#include "session.h"

#include <iostream>

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include "ascanvas.h"
#include "command.h"
#include "dictionaries.h"
#include "mainwordset.h"
#include "preferences_store.h"
#include "puzzlefile.h"
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

QString ArgumentText(const std::string& argument) { return QString::fromStdU16String(DecodeUtf8(argument)); }

PuzzleSession::PuzzleSession(std::ostream& err, bool usePreferences, std::optional<int> accidental) : host_(err) {
    if (usePreferences) {
        // The command line only reads the store, so the warning that it cannot be written
        // does not apply.
        class ReadOnlyHost : public IMessageHost {
        public:
            explicit ReadOnlyHost(IMessageHost& inner) : inner_(inner) {}
            MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override {
                if (text == ToWide(StoreWarningText())) return FirstAnswerOf(buttons);
                return inner_.ShowMessage(kind, text, buttons);
            }

        private:
            IMessageHost& inner_;
        } readOnly(host_);
        TPreferencesStore store(readOnly);
        store.LoadPuzzleDefaults(prefs_);
        // The preferred sharing level is kept among the window's keys.
        store.LoadWindowPreferences(prefs_);
    } else {
        // The desktop program's first-run choice.
        prefs_.AccidentPrevent = AccidentalTaboo;
    }
    if (accidental) prefs_.AccidentPrevent = *accidental;
    model_ = std::make_unique<TPuzzleModel>(host_, prefs_);
    if (prefs_.AccidentPrevent == AccidentalAllWords) {
        // The engine would quietly check the taboo words only; the user asked for more.
        dictionaries_ = std::make_unique<spelling::TSpellingDictionaries>();
        dictionaries_->SetLocations(spelling::DefaultDictionaryLocations());
        dictionaries_->LoadDictionaries();
        if (dictionaries_->MainWordCount() == 0)
            throw UsageError("the main dictionary " + dictionaries_->Locations().MainFile.toLocal8Bit().toStdString() +
                             " cannot be read, which --accidental all needs");
        mainWords_ = std::make_unique<spelling::TMainDictionaryWordSet>(*dictionaries_);
        model_->SetMainDictionary(mainWords_.get());
    }
    model_->ResetToNewPuzzle();
}

PuzzleSession::~PuzzleSession() = default;

bool PuzzleSession::Open(const std::string& path, std::istream& standardInput) {
    const std::string bytes = ReadInputFile(path, standardInput);
    return OpenPuzzleBytes(*model_, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                           QString::fromLocal8Bit(path));
}

bool PuzzleSession::Save(const std::string& path) { return SavePuzzleFile(*model_, PathFromNativeBytes(path)); }

GuiApplication::GuiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    InstallFontSubstitutes();
}

GuiApplication::~GuiApplication() = default;

}  // namespace vorlix::cli
