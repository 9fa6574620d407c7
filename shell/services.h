// The seams between the windows and the world: message boxes, file, colour and font dialogs,
// and the one clock behind every pause. Tests supply scripted versions (testing/).
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "messages.h"

class QDialog;
class QObject;
class QPrinter;
class QUrl;
class QWidget;

namespace vorlix::shell {

// What a file dialog is asked for. Filter uses the "Text (*.a)|*.A|All (*.*)|*.*" form.
struct TFileDialogRequest {
    QString Title;
    QString Filter;
    QString DefaultSuffix;  // without the dot
    QString FileName;       // the name shown first (may hold a folder)
    bool ConfirmOverwrite = true;
    int FilterIndex = 0;    // the file type offered first (0-based)
    // Set by a save dialog: the file type the user left chosen (0-based), -1 when unknown.
    // The extension added to a bare name follows it.
    mutable int ChosenFilter = -1;
};

// name, with the extension of the chosen file type added when name has none (the type's
// first pattern; nothing for "*.*" or an unknown choice).
QString WithChosenSuffix(const QString& name, const TFileDialogRequest& request);

// A "Name (*.ws)|*.WS|..." filter as Qt's "Name (*.ws *.WS);;..." list; patterns are
// offered in both cases, since Linux file names are case-sensitive.
QString QtFileFilter(const QString& filter);

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual QString SaveFileName(QWidget* parent, const TFileDialogRequest& request) = 0;
};

class IColorFontDialogs {
public:
    virtual ~IColorFontDialogs() = default;
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
};

// Every pause and delay of the windows. Delays run as timers, so the window keeps
// painting and answering meanwhile; a scale of 0 (tests) runs them at once, in order.
class TClock {
public:
    explicit TClock(double scale = 1.0) : scale_(scale) { started_.start(); }
    double Scale() const { return scale_; }
    void SetScale(double scale) { scale_ = scale; }
    // Runs action after ms milliseconds, unless context was destroyed meanwhile.
    void After(int ms, QObject* context, std::function<void()> action) const;
    // Milliseconds since the clock was made, scaled (fades measure with it).
    qint64 Elapsed() const;
    // A real-time wait that keeps the events flowing (used only by fades).
    void Sleep(int ms) const;

    // Manual time (tests that count milliseconds): delays asked for from now on wait
    // until Advance moves the time past them; Elapsed reports the manual time.
    void SetManual(bool manual);
    bool Manual() const { return manual_; }
    // Moves manual time on by ms, running every delay that falls due in time order
    // (delays asked for meanwhile included). Sleep moves it without running any.
    void Advance(int ms);

private:
    struct TPendingDelay {
        qint64 Due;
        quint64 Order;
        QPointer<QObject> Context;
        std::function<void()> Action;
    };

    double scale_;
    QElapsedTimer started_;
    bool manual_ = false;
    mutable qint64 manualNow_ = 0;
    mutable quint64 nextOrder_ = 0;
    mutable std::vector<TPendingDelay> pending_;
};

// A one-shot timer on the clock that keeps its delay. Setting the delay it already has,
// or starting it while it runs, leaves the countdown alone; a different delay restarts
// a running countdown.
class TClockTimer : public QObject {
public:
    TClockTimer(const TClock& clock, std::function<void()> onTimeout, QObject* parent = nullptr);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    void Start();
    void Stop();
    bool IsActive() const { return active_; }

private:
    void Schedule();

    const TClock* clock_;
    std::function<void()> onTimeout_;
    int interval_ = 1000;
    bool active_ = false;
    quint64 countdown_ = 0;  // tells a stale countdown from the current one
};

// The real dialogs and message boxes.
class TWidgetMessageHost : public IMessageHost {
public:
    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

class TWidgetFileDialogs : public IFileDialogs {
public:
    QString OpenFileName(QWidget* parent, const TFileDialogRequest& request) override;
    QString SaveFileName(QWidget* parent, const TFileDialogRequest& request) override;
};

class TWidgetColorFontDialogs : public IColorFontDialogs {
public:
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
};

// The printing service as the windows see it: whether any printer is installed, and the
// system's printer set-up dialog.
class IPrinterDialogs {
public:
    virtual ~IPrinterDialogs() = default;
    virtual bool PrinterInstalled() = 0;
    // Lets the user choose the printer and its paper on printer; false when cancelled.
    virtual bool SetupPrinter(QWidget* parent, QPrinter& printer) = 0;
};

class TWidgetPrinterDialogs : public IPrinterDialogs {
public:
    bool PrinterInstalled() override;
    bool SetupPrinter(QWidget* parent, QPrinter& printer) override;
};

// The real printing service, for windows given no other.
IPrinterDialogs& SystemPrinterDialogs();

// Opens a local document, such as the manual, in the desktop's own viewer or browser.
class IDesktopOpener {
public:
    virtual ~IDesktopOpener() = default;
    // False when the desktop found nothing to open it with.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

class TSystemDesktopOpener : public IDesktopOpener {
public:
    bool OpenUrl(const QUrl& url) override;
};

IDesktopOpener& SystemDesktopOpener();

// Runs a modal window. Tests record which window was shown and answer it themselves.
class TModalRunner {
public:
    virtual ~TModalRunner() = default;
    virtual int Run(QDialog& dialog);
};

// The busy cursor for as long as it lives.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// What every window is handed.
struct TServices {
    IMessageHost& Messages;
    IFileDialogs& Files;
    IColorFontDialogs& ColorsFonts;
    TClock& Clock;
    TModalRunner& Modal;
    IPrinterDialogs& Printers = SystemPrinterDialogs();
    IDesktopOpener& Desktop = SystemDesktopOpener();
};

}  // namespace vorlix::shell
