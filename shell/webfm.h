// The main window: toolbar, Program Map and the sixteen pages, opened like a small web site.
// It hosts the pages (IPageHost) and follows the model's signals; every edit goes to the
// model, every page reads from it.
#pragma once

#include <array>
#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "colorscheme.h"
#include "navigation.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "report.h"
#include "services.h"

class QMimeData;
class QUrl;
class QScrollArea;
class QStackedWidget;
class QToolBar;
class QToolButton;

namespace vorlix {
class TPreferencesStore;
class TPuzzleDocument;
struct TPreferences;
}  // namespace vorlix

namespace vorlix::shell {

class TLink;
class TLinkHighlighter;
class TMainMenus;
class TUndoHistory;
class TPage;
class THintFm;
class TOkayToProceedAfterSaveQueryFm;
class TSecondaryWindows;

// The pages in their fixed order; the first is Home.
extern const std::array<const char*, 16> PageNames;

class TWebFm : public QMainWindow, public IPageHost {
    Q_OBJECT
public:
    TWebFm(TPuzzleModel& model, TPreferencesStore& store, const TServices& services, QWidget* parent = nullptr);
    ~TWebFm() override;

    TPuzzleModel& Model() const override { return *model_; }
    TPreferences& Preferences() const override { return model_->Preferences(); }
    const TServices& Services() const override { return services_; }
    TPuzzleDocument& Document() const override { return *document_; }
    TClock& Clock() const { return services_.Clock; }
    TPreferencesStore& Store() const { return *store_; }

    // The other windows of the run, created in start-up order (see application.cpp).
    void SetSecondaryWindows(TSecondaryWindows* windows) { windows_ = windows; }
    TSecondaryWindows* Windows() const { return windows_; }
    THintFm& Hint() const;

    // --- Start-up steps the application runs in order.
    void CreationStep();        // working directory, Home, Solution view
    void StartRoutine();        // preferences applied, new puzzle, empty build
    void FocusCreatePanel();
    bool OpenFromCommandLine(const QString& path);  // true when read; opens Finished, Two Pages
    void FinishStartup();       // StartupComplete; the empty-puzzle check for a command-line puzzle
    bool StartupComplete() const override { return startupComplete_; }
    bool PuzzleFromCommandLine() const { return puzzleFromCommandLine_; }
    bool Terminating() const override { return terminating_; }
    bool WindowShown() const override { return isVisible(); }

    // --- Navigation.
    void TurnPage(const QString& pageName) override;
    void OpenMapPage(const QString& pageName, QWidget* link) override;
    void TurnPageContinue() override;
    void Back() override;
    void Forward();
    void UpdateToolbar();
    void HighlightMapLink(const QString& pageName);
    QString CurrentPageName() const override;
    TPage* CurrentPage() const;
    TPage* PageNamed(const QString& pageName) const;
    template <class T>
    T* PageOf() const {
        for (TPage* p : pages_)
            if (auto* t = dynamic_cast<T*>(p)) return t;
        return nullptr;
    }
    const TPageHistory& History() const { return history_; }
    TLinkHighlighter& Highlighter() const { return *highlighter_; }

    // --- File commands and the save-changes query.
    void NewCommand() override;
    void OpenCommand() override;
    bool SaveCommand();    // true when the puzzle was written
    bool SaveAsCommand();  // true when the puzzle was written
    bool QueryProceed(const QString& actionText);
    // Opens a puzzle file through the save-changes query; false when it was not opened.
    bool OpenFile(const QString& fileName);

    // --- Recent puzzles, newest first.
    const QStringList& RecentFiles() const;
    void AddRecentFile(const QString& fileName);
    // Opens it, or offers to take a missing file off the list.
    void OpenRecentFile(const QString& fileName);

    // --- Menus and keys.
    TUndoHistory& UndoHistory() const { return *undo_; }
    TMainMenus& Menus() const { return *menus_; }
    // Turns to the page unless it is the current one.
    void GoToPage(const QString& pageName);
    // Turns to the page and presses its named button or link, as a click would.
    void PressPageControl(const QString& pageName, const QString& controlName);
    // Selects the next place in the word list that holds text, from the top unless next;
    // false when there is none.
    bool FindInWordList(const QString& text, bool next);
    // The manual in the desktop's browser.
    void ShowManual();
    // The manual shipped beside the program, or an empty text when it is missing.
    static QString ManualPath();

    // --- Drops: puzzle files open, word-list files and text go into the word list.
    // onWordList: dropped on the word list, where a puzzle file gives its words.
    bool CanTakeDrop(const QMimeData& data) const;
    void TakeDrop(const QList<QUrl>& urls, const QString& text, bool onWordList);

    // --- Building and refreshing.
    void CreatePuzzle() override;
    void RebuildPuzzle() override;
    void RefreshPuzzleViews() override;
    // Every page shows the model again (after a reset, an open or an import).
    void LoadPagesFromModel();
    void RunSpellingCheck(bool automatic) override;

    // --- Other windows.
    void ShowHintBeside(QWidget* anchor, const QString& text, int seconds) override;
    void ShowTour(const QString& mode) override;
    void ShowExample(const QString& kind) override;
    void ShowAppearance(const QString& section = {}) override;
    void ShowExport() override;
    void ShowPreview() override;
    // The "Make a Book" window over the current puzzle.
    void MakeBook() override;
    void RepaintPreviews() override;
    void PrinterChanged() override;
    // The finished page's preview, whose size the web page export's grid follows.
    QSize FinishedPreviewSize() const;

    // --- Preferences applied.
    void ApplyColourScheme(int position) override;
    void ApplyLinkStyle();
    void ApplyEditTextSize(int points) override;
    const TColorScheme& Scheme() const override { return ColorSchemeAt(colorScheme_); }
    bool UnderlinedLinks() const override { return underlinedLinks_; }
    void SetUnderlinedLinks(bool on) override;
    void SetProgramMapShown(bool shown, bool animate = true) override;
    int EditTextSize() const override { return editTextSize_; }
    int ColorSchemeIndex() const override { return colorScheme_; }
    bool ProgramMapShown() const override { return programMapShown_; }

    QToolButton* ToolButton(const QString& name) const;
    // Saves the preferences to the store (close, Memorize).
    void SavePreferences() override;
    // Each line of a reader's report in its own message box.
    void ShowReport(const TReport& report);

signals:
    void PageChanged(const QString& pageName);
    // The user agreed to close: nothing of the run needs keeping for a restart.
    void CleanExit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowModel();
    void NameUndoableControls();
    void ShowRecentFiles();
    void ImportDroppedList(const QString& fileName);
    void ShowCrowdedWarning();
    void BuildToolbar();
    QWidget* BuildProgramMap();
    void StepProgramMap();
    int MapWidth() const;
    void AddPages();
    void MakeCurrent(const QString& pageName);
    void RunPageEntryActions(const QString& pageName);
    void AfterOpen(const QString& fileName);
    // Reads the file into the model; false, with the reader's report shown, when it could not.
    bool OpenPuzzle(const QString& fileName);
    // Opens a file the user chose, the save-changes query already answered.
    bool OpenChosenFile(const QString& fileName);
    bool SavePuzzle(const QString& fileName);

    TPuzzleModel* model_;
    TPreferencesStore* store_;
    TServices services_;
    std::unique_ptr<TPuzzleDocument> document_;
    TSecondaryWindows* windows_ = nullptr;
    TLinkHighlighter* highlighter_;
    TUndoHistory* undo_ = nullptr;
    TMainMenus* menus_ = nullptr;

    QToolBar* toolbar_ = nullptr;
    QWidget* programMap_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::vector<TPage*> pages_;
    TPageHistory history_;

    int colorScheme_ = 1;
    bool underlinedLinks_ = true;
    bool programMapShown_ = true;
    bool programMapSliding_ = false;
    int editTextSize_ = 8;
    bool startupComplete_ = false;
    bool puzzleFromCommandLine_ = false;
    bool terminating_ = false;
    bool closing_ = false;
};

}  // namespace vorlix::shell
