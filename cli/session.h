// What every puzzle command starts from: a new puzzle with the chosen defaults, the builder
// its grids come from, messages on standard error, and for the drawing commands a GUI
// application.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "consolehost.h"
#include "preferences.h"
#include "puzzle.h"
#include "puzzlebuilder.h"
#include "report.h"

class QGuiApplication;

namespace vorlix {
class TProgramRun;
}

namespace vorlix::cli {

// Qt's own notes (missing runtime folders, font fallbacks) would break the rule of one line
// per problem on standard error: only its critical messages are shown.
void FilterQtMessages();

// A command-line argument (UTF-8, ill-formed bytes as U+FFFD) as the model's text.
QString ArgumentText(const std::string& argument);

class PuzzleSession {
public:
    // usePreferences: new puzzles take the user's stored defaults instead of the built-in
    // first-run defaults. accidental: the accidental-word level of builds and transforms
    // instead of the preferred one (taboo without the store); the all-words level loads the
    // main dictionary and throws UsageError when there is none.
    PuzzleSession(std::ostream& err, bool usePreferences, std::optional<int> accidental = std::nullopt);
    ~PuzzleSession();

    ConsoleMessageHost& Host() { return host_; }
    const TPreferences& Preferences() const;
    // Builds and transforms of this run draw from its generator.
    TPuzzleBuilder& Builder() { return builder_; }
    // The puzzle the command works on: a new one until Open.
    TPuzzle& Puzzle() { return puzzle_; }

    // Each line on standard error.
    void Print(const TReport& report);
    // Opens the file as the Open command does, its messages on standard error. Throws
    // UsageError when the file cannot be read; false when the reader refused it.
    bool Open(const std::string& path, std::istream& standardInput);
    // Saves as the Save command does; false after its message.
    bool Save(const std::string& path);

private:
    ConsoleMessageHost host_;
    std::unique_ptr<TProgramRun> run_;  // preferences, store and dictionaries
    TPuzzleBuilder builder_;
    TPuzzle puzzle_;
};

// Fonts, painters and printers need a QGuiApplication. Without a platform chosen by the
// user it runs offscreen, so drawing works without a display.
class GuiApplication {
public:
    GuiApplication();
    ~GuiApplication();
    GuiApplication(const GuiApplication&) = delete;
    GuiApplication& operator=(const GuiApplication&) = delete;

private:
    int argc_ = 1;
    char name_[11] = "vorlix-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace vorlix::cli
