// The model behind the main window's pages: it owns the one current puzzle and keeps the
// page state around it (counts, notices, the file name and modified mark). Every change
// goes through one method, which applies its rule and tells the subscribers through
// Signals(). The model never shows anything itself: questions go through IMessageHost.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QStringList>

#include "capitalization.h"
#include "messages.h"
#include "preferences.h"
#include "puzzle.h"
#include "puzzlebuilder.h"
#include "puzzledefaults.h"

namespace vorlix {

inline const QString NoNameFileName = QStringLiteral("No_Name.ws");
constexpr int MaxRequestedSize = 50;  // the size lists: 0 Automatic, 1..50
constexpr int LongClueLength = 50;

// The worksheet header lines the worksheet page's links toggle, in link order.
extern const std::array<const char*, 7> WorksheetLines;

// What the model tells its subscribers; any number of windows may listen.
class TModelSignals : public QObject {
    Q_OBJECT
signals:
    // Something of the puzzle changed: a text, an option, the format or the grid.
    void PuzzleChanged();
    // The grid was built, turned or read.
    void GridChanged();
    // A whole puzzle came in (new, open, example, tour): every page shows it again.
    void PuzzleReplaced();
    void ModifiedChanged(bool modified);
    // The title bar text ("Vorlix - " and the file name).
    void CaptionChanged(const QString& caption);
    // The floating hint beside the word list (one line per item is better).
    void SeparateLinesHint(const QString& text);
    // The page format was replaced as a whole.
    void AppearanceReset();
    // The puzzle type changed: word-list prompt, wrapping, long-clue link, hidden memo.
    void PuzzleTypeChanged();
    void MemorizedNoticeChanged(bool shown);
    // The puzzle's language or filler mode was set (SetLanguage, SetFillerMode, a new puzzle).
    void LanguageChanged(const QString& language);
    void FillerModeChanged(TFillerMode mode);
};

class TPuzzleModel {
public:
    // prefs are the program-wide preferences; they outlive the model.
    TPuzzleModel(IMessageHost& host, TPreferences& prefs);
    ~TPuzzleModel();
    TPuzzleModel(const TPuzzleModel&) = delete;
    TPuzzleModel& operator=(const TPuzzleModel&) = delete;

    IMessageHost& Host() const { return *host_; }
    TPreferences& Preferences() const { return *prefs_; }
    TModelSignals& Signals() const { return *signals_; }

    // The current puzzle.
    const TPuzzle& Puzzle() const { return puzzle_; }
    // Builds and transforms of the current puzzle draw from this builder's generator.
    TPuzzleBuilder& Builder() const { return *builder_; }
    // The word set of the all-words accidental check; not owned.
    void SetMainDictionary(const IWordSet* words) { builder_->SetMainDictionary(words); }
    // The preferred accidental-word level, as every build and transform uses it.
    void ApplyAccidentalPreference();

    // --- Texts. Each marks the puzzle modified (where its page does) and the spelling stale.
    void SetWordLines(const QStringList& lines);
    void SetTitleLines(const QStringList& lines);
    void SetHiddenMessageLines(const QStringList& lines);
    void SetWorksheetLines(bool left, const QStringList& lines);
    void SetInstructionLines(const QStringList& lines);
    // A key typed into the instructions: they are the user's from now on.
    void MarkInstructionsTyped();
    void SetInstructionsIncluded(bool included);

    // --- Puzzle type. Also follows the word page's prompt.
    bool HiddenMessageMode() const { return puzzle_.Type.HiddenMessage; }
    bool CustomCluesMode() const { return puzzle_.Type.CustomClues; }
    QString WordListLbl() const;
    bool LongCluesWarningVisible() const { return puzzle_.Type.CustomClues; }

    int SharingLevel() const { return puzzle_.SharingLevel; }
    TCapitalization Capitalization() const { return puzzle_.Capitalization; }

    // The requested grid size, 0 Automatic; marks the puzzle modified.
    void SetRequestedSize(int columns, int rows);
    // Classic builds or the Tight search; marks the puzzle modified.
    void SetPackMode(TPackMode mode);

    // The list's language (BCP 47; empty: detected from the list) and the filler mode
    // (Automatic: by the list); each marks the puzzle modified.
    QString Language() const { return puzzle_.Language; }
    TFillerMode FillerMode() const { return puzzle_.Filler; }
    void SetLanguage(const QString& language);
    void SetFillerMode(TFillerMode mode);

    // The appearance; marks the puzzle modified unless quiet.
    void SetPageFormat(const TPageFormat& format, bool quiet = false);

    // --- File name and modified mark.
    const QString& CurrentFileName() const { return currentFileName_; }
    void SetCurrentFileName(const QString& name);
    QString Caption() const { return QStringLiteral("Vorlix - ") + currentFileName_; }
    QString SaveTargetName;  // where Save writes; set with the file name, by Open and by Save As
    void SetModified(bool modified);
    bool IsModified() const { return modified_; }
    bool Ready = false;  // until set, SetModified(true) is ignored

    // --- Main-window flags.
    bool Finished = false;  // the finished page shows a current puzzle
    bool SpellingUpToDate = false;
    bool SeparateLinesHintShown = false;  // once per run
    bool CrowdedWarningPending = false;
    bool MemorizedShown() const { return memorizedShown_; }
    void HideMemorized();

    // --- Word page, worked out from the word lines.
    int ListedWordCount = 0;
    bool LongClues = false;  // a clue line longer than 50 characters (clue mode only)
    bool Crowded = false;    // a line with more than three spaces before its first "/" or ","
    QString WordCountLbl = QStringLiteral("0 words listed.");

    // --- Building. The word list, options and size into a new grid; the crowded warning is
    // armed and the puzzle marked modified. False when nothing was built.
    bool RebuildPuzzle();
    // An empty grid, as at start-up, without marking anything.
    void BuildEmptyPuzzle();
    // Turns or mirrors the grid (variant 1..7), the requested size exchanged too when asked.
    // Every word stays, so the puzzle is not marked modified.
    void TransformGrid(int variant, bool exchangeRequestedSize = false);
    // A grid made elsewhere (a print copy, a test) becomes the current one.
    void ReplaceGrid(std::shared_ptr<const TBuiltGrid> grid);

    // --- Option pages.
    QString DirectionsSummary() const { return vorlix::DirectionsSummary(puzzle_.Directions); }
    QString Dirs_SummaryLbl;
    bool AllUncheckedNotice = false;  // "All unchecked is the same as all checked."
    QString AutomaticInstructionsText() const { return vorlix::AutomaticInstructionsText(puzzle_.Type); }
    TInstructionsMode InstructionsMode() const { return puzzle_.InstructionsMode; }
    MessageAnswer AskReplaceInstructions();
    void ApplyAutomaticInstructions();
    void UpdateDirectionsDisplay();

    // A click on a direction box. False when the instructions question was cancelled
    // and the click undone.
    bool ClickDirection(int index);
    // Every direction at once (a file, a test); no question.
    void SetDirections(const std::array<bool, 8>& directions);
    // The type page's Next. False when the instructions question was cancelled.
    bool ChoosePuzzleType(bool hidden, bool clues);
    // Sharing and capitalization page clicks; a level outside 0..4 is taken as 2.
    void ChooseSharingLevel(int level);
    void ChooseCapitalization(TCapitalization c);
    // A worksheet link: adds the line, or removes every line holding its first word.
    void ToggleWorksheetLine(bool left, int lineIndex);

    // --- Credits page: the line's choices follow the names.
    const QStringList& CreditsLineChoices() const { return creditsChoices_; }
    int CreditsLineIndex() const { return creditsIndex_; }  // -1 for a typed line
    bool RecipientVisible = false;                          // the recipient field and its labels
    void SetCreditsNames(const QString& name, const QString& recipient);
    void ChooseCreditsLine(int index);
    void TypeCreditsLine(const QString& text);
    // fromEdit false: start-up form, which takes the preferred position and line.
    void RebuildCreditsLines(bool fromEdit);
    std::function<int()> CurrentYear;  // the calendar year; tests replace it

    // --- Whole puzzles.
    void ResetToNewPuzzle();
    // A puzzle read from a file becomes the current one, unmodified, named fileName.
    void LoadPuzzle(const TPuzzle& puzzle, const QString& fileName);
    // A puzzle made by the program (an example, the tour) replaces the texts and options.
    void ReplacePuzzle(const TPuzzle& puzzle);
    // Undo and redo: an earlier value of the puzzle comes back with its credits choice. The
    // file name stays; the modified mark is the undo history's to set.
    void RestorePuzzle(const TPuzzle& puzzle, int creditsIndex);
    // Copies the current puzzle's options into the preferences (the Memorize command
    // without its question and store write).
    void CopyFavouritesToPreferences();
    // The Memorize command: asks, copies, calls savePreferences and shows "Memorized.".
    // False when the user said No.
    bool MemorizeFavouriteOptions(const std::function<void()>& savePreferences);

private:
    void Changed();
    void RecountWords();
    void SetMemorizedShown(bool shown);
    void ShowPuzzleType(const TPuzzleType& type);
    void SyncCreditsChoice();

    IMessageHost* host_;
    TPreferences* prefs_;
    std::unique_ptr<TModelSignals> signals_;
    std::unique_ptr<TPuzzleBuilder> builder_;
    TPuzzle puzzle_;
    QStringList creditsChoices_;
    int creditsIndex_ = -1;
    QString currentFileName_ = NoNameFileName;
    QString captionShown_;  // what the title bar was last told
    bool modified_ = false;
    bool memorizedShown_ = false;
    bool loading_ = false;  // a file is being taken in: no instructions question
};

// Message texts, exposed for tests and the windows.
QString ReplaceInstructionsQuestion();
QString MemorizeQuestion();
QString SeparateLinesHintText();

}  // namespace vorlix
