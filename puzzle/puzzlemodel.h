// The puzzle as the main window's pages hold it, with the operations that need no window.
// The model never shows anything itself: questions and messages go through IMessageHost,
// and what the windows must redraw or show is announced through IPuzzleModelListener.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QString>
#include <QStringList>

#include "capitalization.h"
#include "messages.h"
#include "pageformat.h"
#include "preferences.h"
#include "wordsearch.h"

namespace vorlix {

inline const QString NoNameFileName = QStringLiteral("No_Name.ws");
constexpr int MaxRequestedSize = 50;  // Words_ColumnsCmBx / Words_RowsCmBx: 0 Automatic, 1..50
constexpr int LongClueLength = 50;

// AutoInstructions values.
constexpr int InstructionsAutomatic = 0;
constexpr int InstructionsCustomized = 1;
constexpr int InstructionsKeepCustom = 2;
constexpr int InstructionsLoading = 3;

// The sharing levels' puzzle-file keys, indexed by level 0..4.
extern const std::array<const char*, 5> SharingLevelNames;

// The direction check boxes' puzzle-file keys, North first (index 0 is direction code 1).
extern const std::array<const char*, 8> DirectionKeys;

// The worksheet header lines the worksheet page's links toggle, in link order.
extern const std::array<const char*, 7> WorksheetLines;

inline std::u16string ToWide(const QString& s) { return s.toStdU16String(); }
inline QString FromWide(const std::u16string& s) { return QString::fromStdU16String(s); }
// A memo's lines as one text, lines joined by CR LF.
inline QString MemoText(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

// What the windows must reflect. Every method has an empty default.
class IPuzzleModelListener {
public:
    virtual ~IPuzzleModelListener() = default;
    // The modified mark changed (the toolbar's Save button follows it).
    virtual void ModifiedChanged(bool /*modified*/) {}
    // The title bar text changed ("Vorlix - " and the file name).
    virtual void CaptionChanged(const QString& /*caption*/) {}
    // The floating hint beside the word list (one line per item is better).
    virtual void SeparateLinesHint(const QString& /*text*/) {}
    // The appearance was reset; the appearance dialog refreshes its controls.
    virtual void AppearanceReset() {}
    // The puzzle type changed: word-list prompt, wrapping, long-clue link, hidden memo.
    virtual void PuzzleTypeChanged() {}
    // The "Memorized." notice was shown or hidden.
    virtual void MemorizedNoticeChanged(bool /*shown*/) {}
};

// One editable list box: its entries, the chosen position (-1 none) and its text.
struct TComboState {
    QStringList Items;
    int ItemIndex = -1;
    QString Text;
    // Chooses an entry: a position within the list also takes its text.
    void Select(int index);
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
    void SetListener(IPuzzleModelListener* listener) { listener_ = listener; }
    // Tells the windows that PageFormat was replaced as a whole (a file was read).
    void NotifyAppearanceChanged() {
        if (listener_) listener_->AppearanceReset();
    }

    // --- The engine: settings and word list, the current puzzle and the trial object.
    TEngineState& Engine() const { return *engine_; }
    TWordSearchConfig& Settings() const { return engine_->Settings; }
    TWordSearch& Puzzle() const { return *result_; }
    TWordSearch& Trial() const { return *trial_; }
    // The word set of the all-words accidental check (the spelling checker's main
    // dictionary); without one that level checks the taboo words only. Not owned.
    void SetMainDictionary(const IWordSet* words) { Engine().MainDictionary = words; }
    // The preferred accidental-word level into the engine, as every build and every
    // transform of the current puzzle uses it.
    void ApplyAccidentalPreference();

    // --- Texts of the pages, one entry per line. After changing one directly, call its
    // change handler below, as an edit in the window would.
    QStringList Words_Memo;
    QStringList Words_TitleMemo;
    QStringList Words_HiddenMemo;
    QStringList Worksheet_LeftMemo;
    QStringList Worksheet_RightMemo;
    QStringList Layout_InstructionsMemo;
    bool Instructions_IncludeCB = true;
    QString Credits_NameEd;
    QString Credits_RecipientEd;
    TComboState CreditsLineCmBx;
    bool RecipientVisible = false;  // the recipient field and its labels

    // --- Puzzle type. The setters also set the engine's PuzzleOptions bits.
    bool HiddenMessageMode() const { return optionHiddenMessage_; }
    bool CustomCluesMode() const { return optionCustomClues_; }
    void SetHiddenMessageMode(bool on);
    void SetCustomCluesMode(bool on);
    // Word page texts that follow the type.
    QString WordListLbl() const;
    bool LongCluesWarningVisible() const { return optionCustomClues_; }

    // --- Directions, North first (index i is direction code i + 1). After changing them
    // directly, call UpdateDirectionsDisplay.
    std::array<bool, 8> Directions{true, true, true, true, true, true, true, true};

    // Sharing level 0..4, held in the engine settings; a level outside 0..4 is taken as 2.
    int SharingLevel() const { return Settings().SharingLevel; }
    void SetSharingLevel(int level);

    // Capitalization, held in the engine settings.
    TCapitalization Capitalization() const { return Settings().Capitalization; }
    void SetCapitalization(TCapitalization c);
    // Any name other than the four selects AllUpper.
    void SetCapitalizationName(const QString& name);

    // Requested grid size: the combo positions 0..50, 0 = Automatic.
    int RequestedColumns = 0;
    int RequestedRows = 0;

    // 0 automatic, 1 customized, 2 customized and replacement declined, 3 a file is loading.
    int AutoInstructions = InstructionsAutomatic;

    TPageFormat PageFormat;

    // --- File name and modified mark.
    const QString& CurrentFileName() const { return currentFileName_; }
    void SetCurrentFileName(const QString& name);
    QString Caption() const { return QStringLiteral("Vorlix - ") + currentFileName_; }
    QString SaveTargetName;  // where Save writes; set with the file name, by Open and by Save As
    void SetModified(bool modified);
    bool IsModified() const { return modified_; }
    bool ModifiedSuppressed = false;  // while set, SetModified does nothing
    bool Ready = false;               // until set, SetModified(true) is ignored

    // --- Main-window flags.
    bool Finished = false;               // the finished page shows a current puzzle
    bool SpellingUpToDate = false;
    bool SeparateLinesHintShown = false;  // once per run
    bool CrowdedWarningPending = false;
    bool MemorizedShown() const { return memorizedShown_; }
    void HideMemorized();

    // --- Word page.
    int ListedWordCount = 0;
    bool LongClues = false;  // a clue line longer than 50 characters (clue mode only)
    bool Crowded = false;    // a line with more than three spaces before its first "/" or ","
    QString WordCountLbl = QStringLiteral("0 words listed.");

    void Words_MemoChange();
    void Words_TitleMemoChange();
    void Words_HiddenMemoChange();  // also copies the text into the engine's HiddenMessage
    void RequestedSizeChange();     // columns or rows chosen

    // The build steps of the word page: word list, settings and MakePuzzle into the
    // current puzzle, then the crowded warning is armed and the puzzle marked modified.
    // The busy cursor and the view refresh stay with the window. Returns the puzzle
    // MakePuzzle returned (nullptr when the engine refused).
    TWordSearch* RebuildPuzzle();

    // --- Option pages.
    QString DirectionsSummary() const;
    QString Dirs_SummaryLbl;
    bool AllUncheckedNotice = false;  // "All unchecked is the same as all checked."
    QString AutomaticInstructionsText() const;
    MessageAnswer AskReplaceInstructions();
    void ApplyAutomaticInstructions();
    void UpdateDirectionsDisplay();

    // A click on a direction box. False when the instructions question was cancelled
    // and the click undone.
    bool ClickDirection(int index);
    // The type page's Next. False when the instructions question was cancelled.
    bool ChoosePuzzleType(bool hidden, bool clues);
    // Sharing and capitalization page clicks.
    void ChooseSharingLevel(int level);
    void ChooseCapitalization(TCapitalization c);
    // A worksheet link: adds the line, or removes every line holding its first word.
    void ToggleWorksheetLine(bool left, int lineIndex);
    void Worksheet_MemoChange();
    // Any change of the instructions text; a key typed into it also customizes it.
    void Layout_InstructionsMemoChange();
    void Layout_InstructionsMemoKeyPress();

    // Credits page.
    void Credits_NameChange();       // name or recipient edited: the list is rebuilt
    void CreditsLineChange();        // a line chosen or typed
    // fromEdit false: start-up form, which takes the preferred position and line.
    void RebuildCreditsLines(bool fromEdit);
    std::function<int()> CurrentYear;  // the calendar year; tests replace it

    // --- New puzzle and favourites.
    void ResetToNewPuzzle();
    // Copies the current puzzle's options into the preferences (the Memorize command
    // without its question and store write).
    void CopyFavouritesToPreferences();
    // The Memorize command: asks, copies, calls savePreferences and shows "Memorized.".
    // False when the user said No.
    bool MemorizeFavouriteOptions(const std::function<void()>& savePreferences);

private:
    void ApplyPuzzleOptionBit(std::uint16_t bit, bool on);
    void SetMemorizedShown(bool shown);

    IMessageHost* host_;
    TPreferences* prefs_;
    IPuzzleModelListener* listener_ = nullptr;
    std::unique_ptr<TEngineState> engine_;
    std::unique_ptr<TWordSearch> result_;
    std::unique_ptr<TWordSearch> trial_;
    bool optionHiddenMessage_ = false;
    bool optionCustomClues_ = false;
    QString currentFileName_ = NoNameFileName;
    QString captionShown_;  // what the title bar was last told
    bool modified_ = false;
    bool memorizedShown_ = false;
    bool undoingDirectionClick_ = false;
};

// Message texts, exposed for tests and the windows.
QString ReplaceInstructionsQuestion();
QString MemorizeQuestion();
QString SeparateLinesHintText();

}  // namespace vorlix
