// The puzzle model: the current puzzle, its edit rules and the page state around it.
#include "puzzlemodel.h"

#include <algorithm>

#include <QDate>

namespace vorlix {

const std::array<const char*, 7> WorksheetLines = {
    "Name _______________________",    "Date _______________________",   "Subject ____________________",
    "Group ______________________",    "Teacher ____________________",   "Class ______________________",
    "Period _____________________",
};

namespace {

// No direction box checked (which counts as all eight).
bool NoneChecked(const std::array<bool, 8>& dirs) { return dirs == std::array<bool, 8>{}; }

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

TPuzzleModel::TPuzzleModel(IMessageHost& host, TPreferences& prefs)
    : CurrentYear([] { return QDate::currentDate().year(); }),
      host_(&host),
      prefs_(&prefs),
      signals_(std::make_unique<TModelSignals>()),
      builder_(std::make_unique<TPuzzleBuilder>()) {}

TPuzzleModel::~TPuzzleModel() = default;

void TPuzzleModel::Changed() { emit signals_->PuzzleChanged(); }

// --- Puzzle type ---

void TPuzzleModel::ShowPuzzleType(const TPuzzleType& type) {
    puzzle_.Type = type;
    Changed();
    emit signals_->PuzzleTypeChanged();
}

QString TPuzzleModel::WordListLbl() const {
    return CustomCluesMode() ? QStringLiteral("Type or import your words/clues here.")
                             : QStringLiteral("Type or import your words here.");
}

// --- File name and modified mark ---

void TPuzzleModel::SetCurrentFileName(const QString& name) {
    currentFileName_ = name;
    SaveTargetName = name;
    const QString caption = Caption();
    if (caption != captionShown_) {
        captionShown_ = caption;
        emit signals_->CaptionChanged(caption);
    }
}

void TPuzzleModel::SetModified(bool modified) {
    if (modified && !Ready) return;
    modified_ = modified;
    emit signals_->ModifiedChanged(modified);
}

void TPuzzleModel::SetMemorizedShown(bool shown) {
    if (memorizedShown_ == shown) return;
    memorizedShown_ = shown;
    emit signals_->MemorizedNoticeChanged(shown);
}

void TPuzzleModel::HideMemorized() { SetMemorizedShown(false); }

// --- Texts ---

void TPuzzleModel::RecountWords() {
    ListedWordCount = 0;
    LongClues = false;
    Crowded = false;
    for (const QString& line : puzzle_.WordLines) {
        if (CustomCluesMode() && line.size() > LongClueLength) LongClues = true;
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
}

void TPuzzleModel::SetWordLines(const QStringList& lines) {
    puzzle_.WordLines = lines;
    SetModified(true);
    SpellingUpToDate = false;
    RecountWords();
    Changed();
    if (Crowded && !SeparateLinesHintShown) {
        SeparateLinesHintShown = true;
        emit signals_->SeparateLinesHint(SeparateLinesHintText());
    }
}

void TPuzzleModel::SetTitleLines(const QStringList& lines) {
    puzzle_.TitleLines = lines;
    SetModified(true);
    SpellingUpToDate = false;
    Changed();
}

void TPuzzleModel::SetHiddenMessageLines(const QStringList& lines) {
    puzzle_.HiddenMessageLines = lines;
    SetModified(true);
    SpellingUpToDate = false;
    Changed();
}

void TPuzzleModel::SetWorksheetLines(bool left, const QStringList& lines) {
    (left ? puzzle_.WorksheetLeftLines : puzzle_.WorksheetRightLines) = lines;
    HideMemorized();
    SetModified(true);
    SpellingUpToDate = false;
    Changed();
}

void TPuzzleModel::SetInstructionLines(const QStringList& lines) {
    puzzle_.InstructionLines = lines;
    HideMemorized();
    SetModified(true);
    SpellingUpToDate = false;
    Changed();
}

void TPuzzleModel::MarkInstructionsTyped() { puzzle_.InstructionsMode = TInstructionsMode::Customized; }

void TPuzzleModel::SetInstructionsIncluded(bool included) {
    puzzle_.InstructionsIncluded = included;
    HideMemorized();
    SetModified(true);
    Changed();
}

void TPuzzleModel::SetRequestedSize(int columns, int rows) {
    puzzle_.RequestedColumns = columns;
    puzzle_.RequestedRows = rows;
    SetModified(true);
    Changed();
}

void TPuzzleModel::SetPackMode(TPackMode mode) {
    if (mode == puzzle_.PackMode) return;
    puzzle_.PackMode = mode;
    SetModified(true);
    Changed();
}

void TPuzzleModel::SetLanguage(const QString& language) {
    if (language == puzzle_.Language) return;
    puzzle_.Language = language;
    HideMemorized();
    SetModified(true);
    emit signals_->LanguageChanged(language);
    Changed();
}

void TPuzzleModel::SetFillerMode(TFillerMode mode) {
    if (mode == puzzle_.Filler) return;
    puzzle_.Filler = mode;
    HideMemorized();
    SetModified(true);
    emit signals_->FillerModeChanged(mode);
    Changed();
}

void TPuzzleModel::SetPageFormat(const TPageFormat& format, bool quiet) {
    if (format == puzzle_.Format) return;
    puzzle_.Format = format;
    if (!quiet) SetModified(true);
    Changed();
}

// --- Building ---

bool TPuzzleModel::RebuildPuzzle() {
    ApplyAccidentalPreference();
    puzzle_.Built = builder_->Build(puzzle_);
    if (const int dropped = puzzle_.Words().DroppedWords; dropped > 0)
        host_->ShowMessage(MessageKind::Warning, DroppedWordsMessage(dropped), MessageButtons::Ok);
    CrowdedWarningPending = true;
    SetModified(true);
    Changed();
    emit signals_->GridChanged();
    return true;
}

void TPuzzleModel::BuildEmptyPuzzle() {
    TPuzzle empty = puzzle_;
    empty.WordLines.clear();
    empty.RequestedColumns = empty.RequestedRows = 0;
    puzzle_.Built = builder_->Build(empty);
    Changed();
    emit signals_->GridChanged();
}

void TPuzzleModel::TransformGrid(int variant, bool exchangeRequestedSize) {
    ApplyAccidentalPreference();
    if (exchangeRequestedSize) std::swap(puzzle_.RequestedColumns, puzzle_.RequestedRows);
    puzzle_.Built = builder_->Transform(puzzle_, variant);
    Changed();
    emit signals_->GridChanged();
}

void TPuzzleModel::ReplaceGrid(std::shared_ptr<const TBuiltGrid> grid) {
    puzzle_.Built = grid ? std::move(grid) : EmptyBuiltGrid();
    Changed();
    emit signals_->GridChanged();
}

void TPuzzleModel::ApplyAccidentalPreference() { builder_->SetAccidentalLevel(prefs_->AccidentPrevent); }

// --- Directions and instructions ---

MessageAnswer TPuzzleModel::AskReplaceInstructions() {
    if (loading_) return MessageAnswer::No;
    switch (puzzle_.InstructionsMode) {
        case TInstructionsMode::Automatic: return MessageAnswer::Yes;
        case TInstructionsMode::Customized: break;
        case TInstructionsMode::KeepCustom: return MessageAnswer::No;
    }
    const MessageAnswer a = host_->ShowMessage(MessageKind::Confirmation, ToWide(ReplaceInstructionsQuestion()),
                                               MessageButtons::YesNoCancel);
    if (a == MessageAnswer::Yes) puzzle_.InstructionsMode = TInstructionsMode::Automatic;
    else if (a == MessageAnswer::No) puzzle_.InstructionsMode = TInstructionsMode::KeepCustom;
    else return MessageAnswer::Cancel;  // a closed box counts as Cancel
    return a;
}

void TPuzzleModel::ApplyAutomaticInstructions() {
    SetInstructionLines(AutomaticInstructions(puzzle_.Type, puzzle_.Directions));
}

void TPuzzleModel::UpdateDirectionsDisplay() {
    Dirs_SummaryLbl = DirectionsSummary();
    AllUncheckedNotice = NoneChecked(puzzle_.Directions);
    if (AskReplaceInstructions() == MessageAnswer::Yes) ApplyAutomaticInstructions();
}

void TPuzzleModel::SetDirections(const std::array<bool, 8>& directions) {
    puzzle_.Directions = directions;
    Dirs_SummaryLbl = DirectionsSummary();
    AllUncheckedNotice = NoneChecked(directions);
    Changed();
}

bool TPuzzleModel::ClickDirection(int index) {
    if (index < 0 || index >= 8) return true;
    auto& box = puzzle_.Directions[static_cast<std::size_t>(index)];
    box = !box;
    AllUncheckedNotice = NoneChecked(puzzle_.Directions);
    const MessageAnswer a = AskReplaceInstructions();
    bool kept = true;
    if (a == MessageAnswer::Cancel) {
        box = !box;
        AllUncheckedNotice = NoneChecked(puzzle_.Directions);
        kept = false;
    } else {
        if (a == MessageAnswer::Yes) ApplyAutomaticInstructions();
        Dirs_SummaryLbl = DirectionsSummary();
        SetModified(true);
        Changed();
    }
    HideMemorized();
    return kept;
}

bool TPuzzleModel::ChoosePuzzleType(bool hidden, bool clues) {
    const MessageAnswer a = AskReplaceInstructions();
    if (a == MessageAnswer::Cancel) return false;
    const bool changed = hidden != HiddenMessageMode() || clues != CustomCluesMode();
    ShowPuzzleType({hidden, clues});
    if (a == MessageAnswer::Yes) ApplyAutomaticInstructions();
    if (changed) SetModified(true);
    HideMemorized();
    return true;
}

void TPuzzleModel::ChooseSharingLevel(int level) {
    HideMemorized();
    SetModified(true);
    puzzle_.SharingLevel = level >= ShareNoCross && level <= ShareAll ? level : ShareIntersect;
    Changed();
}

void TPuzzleModel::ChooseCapitalization(TCapitalization c) {
    HideMemorized();
    SetModified(true);
    puzzle_.Capitalization = c;
    Changed();
}

void TPuzzleModel::ToggleWorksheetLine(bool left, int lineIndex) {
    if (lineIndex < 0 || lineIndex >= static_cast<int>(WorksheetLines.size())) return;
    QStringList memo = left ? puzzle_.WorksheetLeftLines : puzzle_.WorksheetRightLines;
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
    SetWorksheetLines(left, memo);
}

// --- Credits ---

void TPuzzleModel::SetCreditsNames(const QString& name, const QString& recipient) {
    puzzle_.CreditsName = name;
    puzzle_.CreditsRecipient = recipient;
    RebuildCreditsLines(true);
}

void TPuzzleModel::ChooseCreditsLine(int index) {
    if (index >= 0 && index < creditsChoices_.size()) {
        creditsIndex_ = index;
        puzzle_.CreditsLine = creditsChoices_[index];
    } else {
        creditsIndex_ = -1;
    }
    HideMemorized();
    SetModified(true);
    SpellingUpToDate = false;
    Changed();
}

void TPuzzleModel::TypeCreditsLine(const QString& text) {
    // A typed line is nobody's list entry: a later rebuild keeps it as typed.
    creditsIndex_ = -1;
    puzzle_.CreditsLine = text;
    HideMemorized();
    SetModified(true);
    SpellingUpToDate = false;
    Changed();
}

void TPuzzleModel::RebuildCreditsLines(bool fromEdit) {
    const QString year = QString::number(CurrentYear ? CurrentYear() : QDate::currentDate().year());
    creditsChoices_.clear();
    for (int k = 1; k <= CreditsTemplateCount; ++k) {
        QString line = FromWide(CreditsLineTemplates(k));
        ReplaceFirst(line, QStringLiteral("<Name>"), puzzle_.CreditsName);
        ReplaceFirst(line, QStringLiteral("<Year>"), year);
        ReplaceFirst(line, QStringLiteral("[PUT A NAME HERE]"), puzzle_.CreditsRecipient);
        creditsChoices_ << line;
    }
    // A line typed by the user (no position) keeps its text; a chosen one follows the names.
    const int position = fromEdit ? creditsIndex_ : prefs_->CreditsLineIndex;
    if (position >= 0 && position < creditsChoices_.size()) {
        creditsIndex_ = position;
        puzzle_.CreditsLine = creditsChoices_[position];
    } else {
        creditsIndex_ = -1;
    }
    if (!fromEdit) puzzle_.CreditsLine = prefs_->CreditsLine;
    HideMemorized();
    SetModified(true);
    Changed();
}

void TPuzzleModel::SyncCreditsChoice() { creditsIndex_ = int(creditsChoices_.indexOf(puzzle_.CreditsLine)); }

// --- New puzzle and favourites ---

void TPuzzleModel::ResetToNewPuzzle() {
    // The solution colour and the clue-text font are not preferences: they stay.
    TPageFormat format = puzzle_.Format;
    format.ResetToPreferences(*prefs_);
    puzzle_ = NewPuzzle(*prefs_);
    puzzle_.Format = format;

    SpellingUpToDate = false;
    RecountWords();
    HideMemorized();
    SetCurrentFileName(NoNameFileName);
    RecipientVisible = !prefs_->RecipientName.isEmpty();
    RebuildCreditsLines(false);
    // A file opened and turned before any build is checked at the preferred level too.
    ApplyAccidentalPreference();
    UpdateDirectionsDisplay();

    emit signals_->PuzzleTypeChanged();
    emit signals_->AppearanceReset();
    emit signals_->LanguageChanged(puzzle_.Language);
    emit signals_->FillerModeChanged(puzzle_.Filler);
    emit signals_->PuzzleReplaced();
    Finished = false;
    SetModified(false);
}

void TPuzzleModel::LoadPuzzle(const TPuzzle& puzzle, const QString& fileName) {
    ResetToNewPuzzle();
    loading_ = true;
    puzzle_ = puzzle;
    RebuildCreditsLines(true);
    // The line is the file's, chosen in the list only where the list holds it.
    puzzle_.CreditsLine = puzzle.CreditsLine;
    SyncCreditsChoice();
    RecountWords();
    UpdateDirectionsDisplay();
    loading_ = false;
    emit signals_->PuzzleTypeChanged();
    emit signals_->AppearanceReset();
    emit signals_->GridChanged();
    emit signals_->LanguageChanged(puzzle_.Language);
    emit signals_->FillerModeChanged(puzzle_.Filler);
    emit signals_->PuzzleReplaced();
    SetCurrentFileName(fileName);
    SetModified(false);
}

void TPuzzleModel::ReplacePuzzle(const TPuzzle& puzzle) {
    puzzle_ = puzzle;
    SpellingUpToDate = false;
    RecountWords();
    Dirs_SummaryLbl = DirectionsSummary();
    AllUncheckedNotice = NoneChecked(puzzle_.Directions);
    SyncCreditsChoice();
    SetModified(true);
    Changed();
    emit signals_->PuzzleTypeChanged();
    emit signals_->AppearanceReset();
    emit signals_->LanguageChanged(puzzle_.Language);
    emit signals_->FillerModeChanged(puzzle_.Filler);
    emit signals_->PuzzleReplaced();
}

void TPuzzleModel::RestorePuzzle(const TPuzzle& puzzle, int creditsIndex) {
    puzzle_ = puzzle;
    SpellingUpToDate = false;
    RecountWords();
    Dirs_SummaryLbl = DirectionsSummary();
    AllUncheckedNotice = NoneChecked(puzzle_.Directions);
    creditsIndex_ = creditsIndex >= 0 && creditsIndex < creditsChoices_.size() ? creditsIndex : -1;
    Changed();
    emit signals_->PuzzleTypeChanged();
    emit signals_->AppearanceReset();
    emit signals_->GridChanged();
    emit signals_->PuzzleReplaced();
}

void TPuzzleModel::CopyFavouritesToPreferences() {
    TPreferences& p = *prefs_;
    const TPuzzle& z = puzzle_;
    const TPageFormat& f = z.Format;
    p.DefaultLeftWorkSheet = z.WorksheetLeftLines;
    p.DefaultRightWorkSheet = z.WorksheetRightLines;
    p.YourName = z.CreditsName;
    p.RecipientName = z.CreditsRecipient;
    p.CreditsLineIndex = creditsIndex_;
    p.CreditsLine = z.CreditsLine;
    p.DirsPref = z.Directions;
    p.PageFormat.TakePreferredAppearance(f);
    p.ShareLevelPref = z.SharingLevel;
    p.CapitalizationPref = CapitalizationName(z.Capitalization);
    p.FillerPref = FillerModeName(z.Filler);
}

bool TPuzzleModel::MemorizeFavouriteOptions(const std::function<void()>& savePreferences) {
    if (host_->ShowMessage(MessageKind::Confirmation, ToWide(MemorizeQuestion()), MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return false;
    CopyFavouritesToPreferences();
    RecipientVisible = !puzzle_.CreditsRecipient.isEmpty();
    if (savePreferences) savePreferences();
    SetMemorizedShown(true);
    return true;
}

}  // namespace vorlix
