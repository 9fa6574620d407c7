// One run of the desktop program: the run's preferences, model and dictionaries, every
// window in creation order, and the start-up sequence up to the event loop.
#pragma once

#include <functional>
#include <memory>

#include <QString>
#include <QStringList>

#include "services.h"
#include "windows.h"

namespace vorlix {
class TPreferencesStore;
class TProgramRun;
class TPuzzleModel;
struct TPreferences;
}  // namespace vorlix

namespace vorlix::shell {

class TRecovery;
class TWebFm;

class TProgram {
public:
    // iniFileName empty: the user's own preferences store.
    TProgram(const TServices& services, const QString& iniFileName = {});
    ~TProgram();

    TWebFm& Main() const { return *main_; }
    TSecondaryWindows& Windows() { return windows_; }
    TProgramRun& Run() const { return *run_; }
    TPuzzleModel& Model() const;
    TPreferencesStore& Store() const;

    // Start-up from the windows' creation to StartupComplete. The splash pause runs on the
    // clock, so this returns before the sequence ends; whenDone runs at its end.
    void Start(const QStringList& arguments, std::function<void()> whenDone = {});
    bool Started() const { return started_; }
    // Made once start-up is complete; null before.
    TRecovery* Recovery() const { return recovery_; }

private:
    void CreateWindows();
    void AfterSplash(const QStringList& arguments);
    // False, after telling the user, when the start-up argument names no readable file.
    bool CommandLineFileReadable(const QString& path);
    // Offers a copy left by a run that did not end cleanly, then keeps copying this run's.
    void StartRecovery();

    TServices services_;
    std::unique_ptr<TProgramRun> run_;
    std::unique_ptr<TWebFm> main_;
    TSecondaryWindows windows_;
    QString iniFileName_;
    TRecovery* recovery_ = nullptr;  // a child of the main window
    std::function<void()> whenDone_;
    bool started_ = false;
};

// The message for a folder given as the start-up argument.
QString FolderGivenMessage(const QString& path);

// Fades a window's opacity in or out over ms milliseconds (busy, as the start-up wants).
void FadeIn(QWidget& window, int ms, const TClock& clock);
void FadeOut(QWidget& window, int ms, const TClock& clock);
// The opacity 0..255 after elapsed of duration milliseconds.
int FadeOpacity(qint64 elapsed, int duration, bool fadeIn);

}  // namespace vorlix::shell
