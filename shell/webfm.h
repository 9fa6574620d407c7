// The main window: toolbar, Program Map and the sixteen pages, opened like a small web site.
// It mirrors the puzzle model; every edit goes to the model, every page reads from it.
#pragma once

#include <array>
#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "colorscheme.h"
#include "navigation.h"
#include "puzzlemodel.h"
#include "services.h"

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
class TPage;
class THintFm;
class TOkayToProceedAfterSaveQueryFm;
class TSecondaryWindows;

// The pages in their fixed order; the first is Home.
extern const std::array<const char*, 16> PageNames;

class TWebFm : public QMainWindow, public IPuzzleModelListener {
    Q_OBJECT
public:
    TWebFm(TPuzzleModel& model, TPreferencesStore& store, const TServices& services, QWidget* parent = nullptr);
    ~TWebFm() override;

    TPuzzleModel& Model() const { return *model_; }
    TPreferences& Preferences() const { return model_->Preferences(); }
    const TServices& Services() const { return services_; }
    TPuzzleDocument& Document() const { return *document_; }
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
    bool StartupComplete() const { return startupComplete_; }
    bool PuzzleFromCommandLine() const { return puzzleFromCommandLine_; }
    bool Terminating() const { return terminating_; }

    // --- Navigation.
    void TurnPage(const QString& pageName);
    void OpenMapPage(const QString& pageName, QWidget* link);
    void TurnPageContinue();
    void Back();
    void Forward();
    void UpdateToolbar();
    void HighlightMapLink(const QString& pageName);
    QString CurrentPageName() const;
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
    void NewCommand();
    void OpenCommand();
    bool SaveCommand();    // true when the puzzle was written
    bool SaveAsCommand();  // true when the puzzle was written
    bool QueryProceed(const QString& actionText);

    // --- Building and refreshing.
    void CreatePuzzle();
    void RebuildPuzzle();
    void RefreshPuzzleViews();
    // Every page shows the model again (after a reset, an open or an import).
    void LoadPagesFromModel();
    // The spelling dialog over every text of the puzzle; automatic closes it once done.
    void RunSpellingCheck(bool automatic);

    // --- Other windows.
    // The hint window beside a control: x at its middle, y at its top.
    void ShowHintBeside(QWidget* anchor, const QString& text, int seconds);
    void ShowTour(const QString& mode);
    void ShowExample(const QString& kind);
    void ShowAppearance(const QString& section = {});
    void ShowExport();
    void ShowPreview();
    void RepaintPreviews();

    // --- Preferences applied.
    void ApplyColourScheme(int position);
    void ApplyLinkStyle();
    void ApplyEditTextSize(int points);
    const TColorScheme& Scheme() const { return ColorSchemeAt(colorScheme_); }
    bool UnderlinedLinks() const { return underlinedLinks_; }
    void SetUnderlinedLinks(bool on);
    void SetProgramMapShown(bool shown, bool animate = true);
    int EditTextSize() const { return editTextSize_; }
    int ColorSchemeIndex() const { return colorScheme_; }
    bool ProgramMapShown() const { return programMapShown_; }

    QToolButton* ToolButton(const QString& name) const;
    // Saves the preferences to the store (close, Memorize).
    void SavePreferences();

    // IPuzzleModelListener
    void ModifiedChanged(bool modified) override;
    void CaptionChanged(const QString& caption) override;
    void SeparateLinesHint(const QString& text) override;
    void AppearanceReset() override;
    void PuzzleTypeChanged() override;
    void MemorizedNoticeChanged(bool shown) override;

signals:
    void PageChanged(const QString& pageName);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildToolbar();
    QWidget* BuildProgramMap();
    void StepProgramMap();
    void AddPages();
    void MakeCurrent(const QString& pageName);
    void RunPageEntryActions(const QString& pageName);
    void AfterOpen(const QString& fileName);

    TPuzzleModel* model_;
    TPreferencesStore* store_;
    TServices services_;
    std::unique_ptr<TPuzzleDocument> document_;
    TSecondaryWindows* windows_ = nullptr;
    TLinkHighlighter* highlighter_;

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
