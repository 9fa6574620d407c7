#include "puzzlemodel.h"

#include <algorithm>

#include <QDate>

namespace vorlix {

const std::array<const char*, 5> SharingLevelNames = {"ShareNoCross", "ShareCross", "ShareIntersect", "ShareSome",
                                                      "ShareAll"};

const std::array<const char*, 8> DirectionKeys = {"North", "NorthEast", "East",  "SouthEast",
                                                  "South", "SouthWest", "West", "NorthWest"};

const std::array<const char*, 7> WorksheetLines = {
    "Name _______________________",    "Date _______________________",   "Subject ____________________",
    "Group ______________________",    "Teacher ____________________",   "Class ______________________",
    "Period _____________________",
};

namespace {

// Direction indexes (North first) of the page's boxes.
constexpr int NorthIx = 0, NorthEastIx = 1, EastIx = 2, SouthEastIx = 3, SouthIx = 4, SouthWestIx = 5, WestIx = 6,
              NorthWestIx = 7;

bool OnlyThese(const std::array<bool, 8>& dirs, std::initializer_list<int> wanted) {
    std::array<bool, 8> expected{};
    for (int ix : wanted) expected[static_cast<std::size_t>(ix)] = true;
    return dirs == expected;
}

void ReplaceFirst(QString& text, const QString& placeholder, const QString& value) {
    if (value.isEmpty()) return;  // an empty replacement leaves the placeholder showing
    const qsizetype at = text.indexOf(placeholder);
    if (at >= 0) text.replace(at, placeholder.size(), value);
}

}  // namespace

QString ReplaceInstructionsQuestion() {
    return QStringLiteral(
        "This action usually changes the instructions that explain how to solve the puzzle. However, some time "
        "ago, you customized these instructions.\r\n\nIs it okay to replace your custom instructions with updated "
        "standard instructions?\r\n\n(Note: If you answer No, please check your instructions before you print or "
        "export.)");
}

QString MemorizeQuestion() {
    return QStringLiteral(
        "Memorizing the current settings will change how all future puzzles are created when you press \"New\" or "
        "\"Start New Puzzle\". Do you want to memorize the current settings?.");
}

QString SeparateLinesHintText() {
    return QStringLiteral(
        "Please use a separate line for each item, for example:\r    Red\r    Blue\r    Olive Green\r    Yellow");
}

void TComboState::Select(int index) {
    if (index >= 0 && index < Items.size()) {
        ItemIndex = index;
        Text = Items[index];
    } else {
        ItemIndex = -1;
    }
}

TPuzzleModel::TPuzzleModel(IMessageHost& host, TPreferences& prefs)
    : CurrentYear([] { return QDate::currentDate().year(); }),
      host_(&host),
      prefs_(&prefs),
      engine_(std::make_unique<TEngineState>(host)),
      result_(std::make_unique<TWordSearch>(*engine_)),
      trial_(std::make_unique<TWordSearch>(*engine_)) {}

TPuzzleModel::~TPuzzleModel() = default;

// --- Puzzle type ---

void TPuzzleModel::ApplyPuzzleOptionBit(std::uint16_t bit, bool on) {
    auto& options = Settings().PuzzleOptions;
    options = static_cast<std::uint16_t>(on ? (options | bit) : (options & ~bit));
}

void TPuzzleModel::SetHiddenMessageMode(bool on) {
    optionHiddenMessage_ = on;
    ApplyPuzzleOptionBit(Option_HiddenMessage, on);
    if (listener_) listener_->PuzzleTypeChanged();
}

void TPuzzleModel::SetCustomCluesMode(bool on) {
    optionCustomClues_ = on;
    ApplyPuzzleOptionBit(Option_CustomClues, on);
    if (listener_) listener_->PuzzleTypeChanged();
}

QString TPuzzleModel::WordListLbl() const {
    return optionCustomClues_ ? QStringLiteral("Type or import your words/clues here.")
                              : QStringLiteral("Type or import your words here.");
}

// --- Sharing and capitalization ---

void TPuzzleModel::SetSharingLevel(int level) {
    if (level < ShareNoCross || level > ShareAll) level = ShareIntersect;
    Settings().SetSharingLevel(level);
}

void TPuzzleModel::SetCapitalization(TCapitalization c) { Settings().Capitalization = c; }

void TPuzzleModel::SetCapitalizationName(const QString& name) { SetCapitalization(CapitalizationFromName(name)); }

// --- File name and modified mark ---

void TPuzzleModel::SetCurrentFileName(const QString& name) {
    currentFileName_ = name;
    SaveTargetName = name;
    const QString caption = Caption();
    if (caption != captionShown_) {
        captionShown_ = caption;
        if (listener_) listener_->CaptionChanged(caption);
    }
}

void TPuzzleModel::SetModified(bool modified) {
    if (ModifiedSuppressed) return;
    if (modified && !Ready) return;
    modified_ = modified;
    if (listener_) listener_->ModifiedChanged(modified);
}

void TPuzzleModel::SetMemorizedShown(bool shown) {
    if (memorizedShown_ == shown) return;
    memorizedShown_ = shown;
    if (listener_) listener_->MemorizedNoticeChanged(shown);
}

void TPuzzleModel::HideMemorized() { SetMemorizedShown(false); }

// --- Word page ---

void TPuzzleModel::Words_MemoChange() {
    SetModified(true);
    SpellingUpToDate = false;
    ListedWordCount = 0;
    LongClues = false;
    Crowded = false;
    for (const QString& line : Words_Memo) {
        if (optionCustomClues_ && line.size() > LongClueLength) LongClues = true;
        bool hasText = false;
        for (QChar c : line)
            if (c != QLatin1Char(' ')) {
                hasText = true;
                break;
            }
        if (!hasText) continue;
        ++ListedWordCount;
        int spaces = 0;
        for (QChar c : line) {
            if (c == QLatin1Char('/') || c == QLatin1Char(',')) break;
            if (c == QLatin1Char(' ')) ++spaces;
        }
        if (spaces > 3) Crowded = true;
    }
    WordCountLbl = ListedWordCount == 1 ? QStringLiteral("1 word listed.")
                                        : QString::number(ListedWordCount) + QStringLiteral(" words listed.");
    if (Crowded && !SeparateLinesHintShown) {
        SeparateLinesHintShown = true;
        if (listener_) listener_->SeparateLinesHint(SeparateLinesHintText());
    }
}

void TPuzzleModel::Words_TitleMemoChange() {
    SetModified(true);
    SpellingUpToDate = false;
}

void TPuzzleModel::Words_HiddenMemoChange() {
    Settings().HiddenMessage = ToWide(MemoText(Words_HiddenMemo));
    SetModified(true);
    SpellingUpToDate = false;
}

void TPuzzleModel::RequestedSizeChange() { SetModified(true); }

TWordSearch* TPuzzleModel::RebuildPuzzle() {
    TEngineState& engine = Engine();
    engine.ClearList();
    ApplyAccidentalPreference();
    // The message is laid whenever one is typed, whatever the puzzle type says.
    ApplyPuzzleOptionBit(Option_HiddenMessage, !MemoText(Words_HiddenMemo).isEmpty());
    Settings().SetSharingLevel(Settings().SharingLevel);
    for (int d = North; d <= NorthWest; ++d)
        engine.SetDirectionWeight(d, Directions[static_cast<std::size_t>(d - 1)] ? 50 : 0);
    for (const QString& line : Words_Memo) engine.Words_ProcessLine(ToWide(line));
    engine.FinishList();
    // A size read from a file may lie outside the lists; the engine must not see it.
    const auto requested = [](int n) { return std::clamp(n, 0, MaxGridSize); };
    TWordSearch* made = result_->MakePuzzle(trial_.get(), requested(RequestedColumns), requested(RequestedRows));
    CrowdedWarningPending = true;
    SetModified(true);
    return made;
}

void TPuzzleModel::ApplyAccidentalPreference() {
    const int accident = prefs_->AccidentPrevent;
    Settings().AccidentalCheck = static_cast<std::uint8_t>(accident >= 0 && accident <= 2 ? accident : 1);
}

// --- Directions and instructions ---

QString TPuzzleModel::DirectionsSummary() const {
    const auto& on = Directions;
    QString s;
    if (on == std::array<bool, 8>{true, true, true, true, true, true, true, true}) {
        s = QStringLiteral(" horizontally, vertically and diagonally in all eight directions.");
    } else if (OnlyThese(on, {EastIx, SouthIx})) {
        s = QStringLiteral(" across and down only.");
    } else if (OnlyThese(on, {EastIx, SouthEastIx, SouthIx})) {
        s = QStringLiteral(" across, down and diagonally across and down only.");
    } else if (OnlyThese(on, {NorthIx, EastIx, SouthIx, WestIx})) {
        s = QStringLiteral(" horizontally and vertically either way, but not diagonally.");
    } else if (OnlyThese(on, {NorthEastIx, SouthEastIx, SouthWestIx, NorthWestIx})) {
        s = QStringLiteral(" in the four diagonal directions only.");
    } else if (OnlyThese(on, {})) {
        s = QStringLiteral(" in all eight directions.");
    } else {
        QStringList parts;
        if (on[EastIx]) parts << QStringLiteral(" across");
        if (on[WestIx]) parts << QStringLiteral(" backwards");
        if (on[NorthIx]) parts << QStringLiteral(" up");
        if (on[SouthIx]) parts << QStringLiteral(" down");
        static const std::array<const char*, 5> diagonals = {" in no diagonals.", " in one diagonal.",
                                                             " in two diagonals.", " in three diagonals.",
                                                             " in all four diagonals."};
        const int d = on[NorthEastIx] + on[SouthEastIx] + on[NorthWestIx] + on[SouthWestIx];
        parts << QString::fromLatin1(diagonals[static_cast<std::size_t>(d)]);
        const qsizetype n = parts.size();
        for (qsizetype i = 0; i < n; ++i) {
            s += parts[i];
            if (i < n - 2)
                s += QLatin1Char(',');
            else if (i == n - 2)
                s += QStringLiteral(" and");
        }
    }
    return QStringLiteral("Words can go") + s;
}

QString TPuzzleModel::AutomaticInstructionsText() const {
    QString text;
    if (optionCustomClues_) text = QStringLiteral("Figure out what words the clues represent. Then find the words in the grid.");
    else text = QStringLiteral("Find the words in the grid.");
    if (optionHiddenMessage_)
        text += QStringLiteral(
            " When you are done, the unused letters in the grid will spell out a hidden message. Pick them out from "
            "left to right, top line to bottom line.");
    return text;
}

MessageAnswer TPuzzleModel::AskReplaceInstructions() {
    switch (AutoInstructions) {
        case InstructionsAutomatic: return MessageAnswer::Yes;
        case InstructionsCustomized: break;
        default: return MessageAnswer::No;  // declined before, or a file is loading
    }
    const MessageAnswer a = host_->ShowMessage(MessageKind::Confirmation, ToWide(ReplaceInstructionsQuestion()),
                                               MessageButtons::YesNoCancel);
    if (a == MessageAnswer::Yes) AutoInstructions = InstructionsAutomatic;
    else if (a == MessageAnswer::No) AutoInstructions = InstructionsKeepCustom;
    else return MessageAnswer::Cancel;  // a closed box counts as Cancel
    return a;
}

void TPuzzleModel::ApplyAutomaticInstructions() {
    Layout_InstructionsMemo = QStringList{AutomaticInstructionsText() + QLatin1Char(' ') + DirectionsSummary()};
    Layout_InstructionsMemoChange();
}

void TPuzzleModel::UpdateDirectionsDisplay() {
    Dirs_SummaryLbl = DirectionsSummary();
    AllUncheckedNotice = OnlyThese(Directions, {});
    if (AskReplaceInstructions() == MessageAnswer::Yes) ApplyAutomaticInstructions();
}

bool TPuzzleModel::ClickDirection(int index) {
    if (index < 0 || index >= 8 || undoingDirectionClick_) return true;
    auto& box = Directions[static_cast<std::size_t>(index)];
    box = !box;
    AllUncheckedNotice = OnlyThese(Directions, {});
    const MessageAnswer a = AskReplaceInstructions();
    bool kept = true;
    if (a == MessageAnswer::Cancel) {
        undoingDirectionClick_ = true;
        box = !box;
        undoingDirectionClick_ = false;
        AllUncheckedNotice = OnlyThese(Directions, {});
        kept = false;
    } else {
        if (a == MessageAnswer::Yes) ApplyAutomaticInstructions();
        Dirs_SummaryLbl = DirectionsSummary();
        SetModified(true);
    }
    HideMemorized();
    return kept;
}

bool TPuzzleModel::ChoosePuzzleType(bool hidden, bool clues) {
    const MessageAnswer a = AskReplaceInstructions();
    if (a == MessageAnswer::Cancel) return false;
    const bool changed = hidden != optionHiddenMessage_ || clues != optionCustomClues_;
    SetHiddenMessageMode(hidden);
    SetCustomCluesMode(clues);
    if (a == MessageAnswer::Yes) ApplyAutomaticInstructions();
    if (changed) SetModified(true);
    HideMemorized();
    return true;
}

void TPuzzleModel::ChooseSharingLevel(int level) {
    HideMemorized();
    SetModified(true);
    SetSharingLevel(level);
}

void TPuzzleModel::ChooseCapitalization(TCapitalization c) {
    HideMemorized();
    SetModified(true);
    SetCapitalization(c);
}

void TPuzzleModel::ToggleWorksheetLine(bool left, int lineIndex) {
    if (lineIndex < 0 || lineIndex >= static_cast<int>(WorksheetLines.size())) return;
    QStringList& memo = left ? Worksheet_LeftMemo : Worksheet_RightMemo;
    const QString line = QString::fromLatin1(WorksheetLines[static_cast<std::size_t>(lineIndex)]);
    qsizetype end = 0;
    while (end < line.size() && line[end].isLetter()) ++end;
    const QString key = line.left(end);
    bool removed = false;
    for (qsizetype i = memo.size() - 1; i >= 0; --i)
        if (memo[i].contains(key)) {
            memo.removeAt(i);
            removed = true;
        }
    if (!removed) memo << line;
    Worksheet_MemoChange();
}

void TPuzzleModel::Worksheet_MemoChange() {
    HideMemorized();
    SpellingUpToDate = false;
}

void TPuzzleModel::Layout_InstructionsMemoChange() {
    HideMemorized();
    SetModified(true);
    SpellingUpToDate = false;
}

void TPuzzleModel::Layout_InstructionsMemoKeyPress() { AutoInstructions = InstructionsCustomized; }

// --- Credits ---

void TPuzzleModel::Credits_NameChange() { RebuildCreditsLines(true); }

void TPuzzleModel::CreditsLineChange() {
    HideMemorized();
    SetModified(true);
    SpellingUpToDate = false;
}

void TPuzzleModel::RebuildCreditsLines(bool fromEdit) {
    const QString year = QString::number(CurrentYear ? CurrentYear() : QDate::currentDate().year());
    const int remembered = CreditsLineCmBx.ItemIndex;
    CreditsLineCmBx.Items.clear();
    for (int k = 1; k <= CreditsTemplateCount; ++k) {
        QString line = FromWide(CreditsLineTemplates(k));
        ReplaceFirst(line, QStringLiteral("<Name>"), Credits_NameEd);
        ReplaceFirst(line, QStringLiteral("<Year>"), year);
        ReplaceFirst(line, QStringLiteral("[PUT A NAME HERE]"), Credits_RecipientEd);
        CreditsLineCmBx.Items << line;
    }
    if (fromEdit) {
        // A line typed by the user (no position) keeps its text.
        CreditsLineCmBx.Select(remembered);
    } else {
        CreditsLineCmBx.Select(prefs_->CreditsLineIndex);
        CreditsLineCmBx.Text = prefs_->CreditsLine;
    }
    HideMemorized();
    SetModified(true);
}

// --- New puzzle and favourites ---

void TPuzzleModel::ResetToNewPuzzle() {
    AutoInstructions = InstructionsAutomatic;
    Layout_InstructionsMemo.clear();
    Layout_InstructionsMemoChange();
    Words_Memo.clear();
    Words_MemoChange();
    Words_TitleMemo.clear();
    Words_TitleMemoChange();
    Words_HiddenMemo.clear();
    Words_HiddenMemoChange();

    RequestedColumns = 0;
    RequestedRows = 0;

    SetHiddenMessageMode(false);
    SetCustomCluesMode(false);

    Directions = prefs_->DirsPref;
    SetSharingLevel(prefs_->ShareLevelPref);
    const TCapitalization caps = CapitalizationFromName(prefs_->CapitalizationPref);
    SetCapitalization(caps);

    SetCurrentFileName(NoNameFileName);

    PageFormat.ResetToPreferences(*prefs_);
    if (listener_) listener_->AppearanceReset();

    Credits_NameEd = prefs_->YourName;
    Credits_RecipientEd = prefs_->RecipientName;
    RecipientVisible = !prefs_->RecipientName.isEmpty();
    RebuildCreditsLines(false);

    auto nonEmpty = [](const QStringList& lines) {
        QStringList kept;
        for (const QString& l : lines)
            if (!l.isEmpty()) kept << l;
        return kept;
    };
    Worksheet_LeftMemo = nonEmpty(prefs_->DefaultLeftWorkSheet);
    Worksheet_RightMemo = nonEmpty(prefs_->DefaultRightWorkSheet);

    // The engine's reset keeps the sharing level but would also undo the preferred
    // capitalization, which a new puzzle is meant to start with.
    Engine().ResetSettings();
    SetCapitalization(caps);
    // A file opened and turned before any build is checked at the preferred level too.
    ApplyAccidentalPreference();

    UpdateDirectionsDisplay();

    Finished = false;
    SetModified(false);
}

void TPuzzleModel::CopyFavouritesToPreferences() {
    TPreferences& p = *prefs_;
    p.DefaultLeftWorkSheet = Worksheet_LeftMemo;
    p.DefaultRightWorkSheet = Worksheet_RightMemo;
    p.YourName = Credits_NameEd;
    p.RecipientName = Credits_RecipientEd;
    p.CreditsLineIndex = CreditsLineCmBx.ItemIndex;
    p.CreditsLine = CreditsLineCmBx.Text;
    p.DirsPref = Directions;
    p.TitleFontNamePref = PageFormat.TitleFont;
    p.WorksheetFontNamePref = PageFormat.WorksheetFont;
    p.InstructionsFontNamePref = PageFormat.InstructionsFont;
    p.GridFontNamePref = PageFormat.GridFont;
    p.WordlistFontNamePref = PageFormat.WordlistFont;
    p.CreditsFontNamePref = PageFormat.CreditsFont;
    p.TitleFontSizePref = PageFormat.TitleFontSize;
    p.WorksheetFontSizePref = PageFormat.WorksheetFontSize;
    p.InstructionsFontSizePref = PageFormat.InstructionsFontSize;
    p.GridFontSizePref = PageFormat.GridFontSize;
    p.WordlistFontSizePref = PageFormat.WordlistFontSize;
    p.CreditsFontSizePref = PageFormat.CreditsFontSize;
    p.MarginWidthPref = PageFormat.MarginWidth;
    p.BorderIndexPref = PageFormat.BorderIndex;
    p.PuzzleAlignmentPref = PageFormat.GridHPosition;
    p.SolutionStylePref = PageFormat.SolutionStyle;
    p.WordListColumnsPref = PageFormat.RequestedClueColumns;
    p.WordListAlignmentPref = PageFormat.ClueAlignment;
    p.ShareLevelPref = SharingLevel();
    p.CapitalizationPref = CapitalizationName(Capitalization());
}

bool TPuzzleModel::MemorizeFavouriteOptions(const std::function<void()>& savePreferences) {
    if (host_->ShowMessage(MessageKind::Confirmation, ToWide(MemorizeQuestion()), MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    CopyFavouritesToPreferences();
    RecipientVisible = !Credits_RecipientEd.isEmpty();
    if (savePreferences) savePreferences();
    SetMemorizedShown(true);
    return true;
}

}  // namespace vorlix
