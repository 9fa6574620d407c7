// What a page may ask of the window that holds it. Pages know this interface, never the main
// window or one another: what one page changes reaches the others through the model.
#pragma once

#include <QString>

class QWidget;

namespace vorlix {
class TPuzzleDocument;
class TPuzzleModel;
struct TPreferences;
}  // namespace vorlix

namespace vorlix::shell {

struct TColorScheme;
struct TServices;

class IPageHost {
public:
    virtual ~IPageHost() = default;

    // --- What the run holds.
    virtual TPuzzleModel& Model() const = 0;
    virtual TPreferences& Preferences() const = 0;
    virtual const TServices& Services() const = 0;
    // The document of the puzzle on screen, laid out for the current printer.
    virtual TPuzzleDocument& Document() const = 0;

    // --- Turning pages.
    virtual void TurnPage(const QString& pageName) = 0;
    // A Program Map link: the page, or a hint beside link when it is open already.
    virtual void OpenMapPage(const QString& pageName, QWidget* link) = 0;
    virtual void TurnPageContinue() = 0;
    virtual void Back() = 0;
    virtual QString CurrentPageName() const = 0;

    // --- Commands.
    virtual void NewCommand() = 0;
    virtual void OpenCommand() = 0;
    virtual void CreatePuzzle() = 0;
    virtual void RebuildPuzzle() = 0;
    virtual void RefreshPuzzleViews() = 0;
    // The spelling dialog over every text of the puzzle; automatic closes it once done.
    virtual void RunSpellingCheck(bool automatic) = 0;
    virtual void SavePreferences() = 0;

    // --- Other windows.
    // The hint window beside a control: x at its middle, y at its top.
    virtual void ShowHintBeside(QWidget* anchor, const QString& text, int seconds) = 0;
    virtual void ShowTour(const QString& mode) = 0;
    virtual void ShowExample(const QString& kind) = 0;
    virtual void ShowAppearance(const QString& section = {}) = 0;
    virtual void ShowExport() = 0;
    virtual void ShowPreview() = 0;
    // The window that puts many puzzles into one print-ready book.
    virtual void MakeBook() = 0;
    virtual void RepaintPreviews() = 0;
    // The printer or its paper changed: the previews take the new page.
    virtual void PrinterChanged() = 0;

    // --- How the windows look.
    virtual const TColorScheme& Scheme() const = 0;
    virtual int ColorSchemeIndex() const = 0;
    virtual void ApplyColourScheme(int position) = 0;
    virtual bool UnderlinedLinks() const = 0;
    virtual void SetUnderlinedLinks(bool on) = 0;
    virtual bool ProgramMapShown() const = 0;
    virtual void SetProgramMapShown(bool shown, bool animate = true) = 0;
    virtual int EditTextSize() const = 0;
    virtual void ApplyEditTextSize(int points) = 0;

    // --- The run's state.
    virtual bool StartupComplete() const = 0;
    // The program is closing: pauses and hints are cut short.
    virtual bool Terminating() const = 0;
    virtual bool WindowShown() const = 0;
};

}  // namespace vorlix::shell
