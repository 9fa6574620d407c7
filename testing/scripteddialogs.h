// Scripted twins of the windows' dialogs and modal runner: each records what it was asked
// and answers from a script, so the windows' tests run without a user.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "scriptedhost.h"
#include "services.h"

namespace vorlix::shell {

using vorlix::TScriptedMessageHost;

// Each call takes the next entry (empty = cancel) and records what was asked.
class TScriptedFileDialogs : public IFileDialogs {
public:
    std::deque<QString> Answers;  // once they run out, cancel
    std::deque<int> ChosenFilters;  // a save dialog's chosen file type; once they run out, unknown
    std::vector<TFileDialogRequest> Requests;
    QString OpenFileName(QWidget* parent, const TFileDialogRequest& request) override;
    QString SaveFileName(QWidget* parent, const TFileDialogRequest& request) override;
};

class TScriptedColorFontDialogs : public IColorFontDialogs {
public:
    std::deque<std::optional<QColor>> Colors;
    std::deque<std::optional<QFont>> Fonts;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
};

// Says whether a printer exists and answers each set-up dialog in turn (an empty entry
// cancels; one that runs out cancels too).
class TScriptedPrinterDialogs : public IPrinterDialogs {
public:
    bool Installed = false;
    std::deque<std::function<bool(QPrinter&)>> Answers;
    int SetupsShown = 0;
    bool PrinterInstalled() override { return Installed; }
    bool SetupPrinter(QWidget* parent, QPrinter& printer) override;
};

// Records each document the program asked the desktop to open.
class TScriptedDesktopOpener : public IDesktopOpener {
public:
    std::vector<QUrl> Opened;
    bool Result = true;
    bool OpenUrl(const QUrl& url) override {
        Opened.push_back(url);
        return Result;
    }
};

// Records the modal windows and, when given, lets a test act on each before it closes.
class TScriptedModalRunner : public TModalRunner {
public:
    QStringList Shown;  // objectName of each window, in order
    std::function<int(QDialog&)> Answer;  // default: reject at once
    int Run(QDialog& dialog) override;
};

}  // namespace vorlix::shell
