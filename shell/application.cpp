// The start-up sequence: windows in creation order, preferences, the start routine, the
// splash with its fades and pause, the command-line puzzle and the first-run tour.
#include "application.h"

#include <QApplication>
#include <QFileInfo>
#include <QThread>

#include "contactusfm.h"
#include "exportfm.h"
#include "hintfm.h"
#include "importfm.h"
#include "layoutfm.h"
#include "openingscreenfm.h"
#include "preferences.h"
#include "preferences_store.h"
#include "programrun.h"
#include "previewfm.h"
#include "puzzlefile.h"
#include "puzzlemodel.h"
#include "recovery.h"
#include "savequeryfm.h"
#include "spellingdlg.h"
#include "webfm.h"

namespace vorlix::shell {

constexpr int FadeMs = 200;
constexpr int SplashMs = 2000;
constexpr int FadeGiveUpMs = 2000;

int FadeOpacity(qint64 elapsed, int duration, bool fadeIn) {
    if (duration <= 0) return fadeIn ? 255 : 0;
    const double share = fadeIn ? elapsed * 255.0 / duration : (duration - elapsed) * 255.0 / duration;
    return std::clamp(static_cast<int>(std::lround(share)), 0, 255);
}

namespace {

void Fade(QWidget& window, int ms, const TClock& clock, bool fadeIn) {
    const qint64 start = clock.Elapsed();
    for (;;) {
        const qint64 elapsed = clock.Elapsed() - start;
        const int opacity = FadeOpacity(elapsed, ms, fadeIn);
        window.setWindowOpacity(opacity / 255.0);
        if ((fadeIn && opacity >= 255) || (!fadeIn && opacity <= 0) || elapsed > FadeGiveUpMs) break;
        clock.Sleep(5);
    }
}

}  // namespace

void FadeIn(QWidget& window, int ms, const TClock& clock) { Fade(window, ms, clock, true); }
void FadeOut(QWidget& window, int ms, const TClock& clock) { Fade(window, ms, clock, false); }

TProgram::TProgram(const TServices& services, const QString& iniFileName)
    : services_(services), run_(std::make_unique<TProgramRun>(services.Messages, iniFileName)),
      iniFileName_(iniFileName) {
    CreateWindows();
}

TPuzzleModel& TProgram::Model() const { return run_->Model(); }
TPreferencesStore& TProgram::Store() const { return run_->Store(); }

TProgram::~TProgram() {
    // The secondary windows are children of the main window or top-levels of their own.
    delete windows_.OpeningScreen;
    main_.reset();
}

void TProgram::CreateWindows() {
    main_ = std::make_unique<TWebFm>(run_->Model(), run_->Store(), services_);
    main_->SetSecondaryWindows(&windows_);
    main_->CreationStep();
    windows_.OpeningScreen = new TOpeningScreenFm();
    TReport report;
    run_->Store().LoadPuzzleDefaults(run_->Preferences(), report);
    ShowReport(services_.Messages, report);
    windows_.Layout = new TLayoutFm(*main_);
    windows_.Import = new TImportFm(main_.get());
    windows_.Preview = new TPreviewFm(*main_);
    windows_.SaveQuery = new TOkayToProceedAfterSaveQueryFm(*main_);
    windows_.Hint = new THintFm(main_.get());
    windows_.Export = new TExportFm(*main_);
    windows_.Spelling = new TSpellingDlg(*main_, run_->Dictionaries());
    windows_.ContactUs = new TContactUsFm(main_.get());
}

QString FolderGivenMessage(const QString& path) {
    return path + QStringLiteral(" is a folder, not a puzzle file. Vorlix starts with a new puzzle.");
}

bool TProgram::CommandLineFileReadable(const QString& path) {
    // The open itself would fail quietly; whoever double-clicked a name must hear why.
    const QFileInfo info(path);
    QString text;
    MessageKind kind = MessageKind::Warning;
    if (path.isEmpty() || !info.exists()) {
        text = PuzzleNotFoundMessage(path);
        kind = MessageKind::Information;
    } else if (info.isDir()) {
        text = FolderGivenMessage(path);
    } else if (!info.isFile() || !info.isReadable()) {
        text = PuzzleReadErrorMessage(path);
    } else {
        return true;
    }
    services_.Messages.ShowMessage(kind, text.toStdU16String(), MessageButtons::Ok);
    return false;
}

void TProgram::Start(const QStringList& arguments, std::function<void()> whenDone) {
    whenDone_ = std::move(whenDone);
    main_->StartRoutine();
    TOpeningScreenFm& splash = *windows_.OpeningScreen;
    splash.setWindowOpacity(0.0);
    main_->setWindowOpacity(0.0);
    splash.show();
    main_->show();
    splash.raise();  // without a window manager the last window shown would cover it
    main_->repaint();
    main_->FocusCreatePanel();
    if (!arguments.isEmpty() && CommandLineFileReadable(arguments.first()))
        main_->OpenFromCommandLine(arguments.first());
    main_->repaint();
    splash.repaint();
    FadeIn(splash, FadeMs, services_.Clock);
    QCoreApplication::processEvents();
    // The splash pause runs on a timer, so the windows keep painting meanwhile.
    services_.Clock.After(SplashMs, main_.get(), [this, arguments] { AfterSplash(arguments); });
}

void TProgram::AfterSplash(const QStringList&) {
    TOpeningScreenFm& splash = *windows_.OpeningScreen;
    FadeIn(*main_, FadeMs, services_.Clock);
    FadeOut(splash, FadeMs, services_.Clock);
    splash.hide();
    if (main_->isMaximized()) main_->update();
    StartRecovery();
    TPreferences& prefs = run_->Preferences();
    if (!prefs.HintsShown.contains(QLatin1String("Tour"))) {
        prefs.HintsShown = QStringLiteral("Tour");
        main_->ShowTour(QStringLiteral("Intro"));
    }
    main_->FinishStartup();
    windows_.Layout->ReapplyFontSizes();
    started_ = true;
    if (whenDone_) whenDone_();
}

void TProgram::StartRecovery() {
    recovery_ = new TRecovery(run_->Model(), services_.Clock, RecoveryFolderFor(iniFileName_), main_.get());
    QObject::connect(main_.get(), &TWebFm::CleanExit, recovery_, &TRecovery::Discard);
    if (!recovery_->OfferRestore(services_.Messages)) return;
    TPuzzleModel& model = run_->Model();
    main_->LoadPagesFromModel();
    model.Finished = model.Puzzle().Grid().Constructed;
    if (model.Finished) main_->RefreshPuzzleViews();
    main_->TurnPage(QString::fromLatin1(model.Finished ? "Finished" : "Design"));
}

}  // namespace vorlix::shell
