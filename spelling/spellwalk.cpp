// The spelling walk: one word per step, so the window can answer between steps.
#include "spellwalk.h"

#include <array>

#include "dictionaries.h"
#include "wordextract.h"

namespace vorlix::spelling {

namespace {

constexpr qsizetype MaxCheckedCharacters = 99;

struct TStageText {
    const char* Location;
    const char* Caption;
};
constexpr std::array<TStageText, 8> Stages = {{
    {"Left worksheet", "Whole line:"},
    {"Right worksheet", "Whole line:"},
    {"Title", "Whole line:"},
    {"Instructions", "Whole line:"},
    {"Your words, line ", "Entire line:"},
    {"Hidden message", "Whole line:"},
    {"Credits line", "Whole credits line:"},
    {"End.", ""},
}};

}  // namespace

TSpellingWalk::TSpellingWalk(TSpellingDictionaries& dictionaries, ISpellingTexts& texts, ISpellingWalkView& view)
    : dictionaries_(&dictionaries), texts_(&texts), view_(&view) {}

QString TSpellingWalk::Location() const {
    const int s = stage_ >= 0 && stage_ <= StageFinished ? stage_ : StageFinished;
    QString text = QString::fromLatin1(Stages[static_cast<std::size_t>(s)].Location);
    if (s == StageWords) text += QString::number(row_ + 1);
    return text;
}

QString TSpellingWalk::LineCaption() const {
    const int s = stage_ >= 0 && stage_ <= StageFinished ? stage_ : StageFinished;
    return QString::fromLatin1(Stages[static_cast<std::size_t>(s)].Caption);
}

void TSpellingWalk::StartCheck() {
    dictionaries_->LoadDictionaries();
    stage_ = StageLeftWorksheet;
    row_ = 0;
    offset_ = 1;
    LoadCurrentLine();
    stopRequested_ = false;
    RunCheck();
}

void TSpellingWalk::LoadCurrentLine() {
    currentLine_.clear();
    if (stage_ >= StageLeftWorksheet && stage_ <= StageHiddenMessage) {
        if (texts_->LineCount(stage_) > row_) currentLine_ = texts_->Line(stage_, row_);
    } else if (stage_ == StageCredits) {
        currentLine_ = texts_->Line(StageCredits, 0);
    }
}

void TSpellingWalk::RunCheck() {
    // A click that arrives while the walk runs must not start a second one inside it.
    if (running_) return;
    running_ = true;
    view_->RunStarting();
    bool stoppedOnWord = false;
    while (stage_ != StageFinished && !stoppedOnWord && !stopRequested_) {
        stoppedOnWord = CheckWordAt();
        if (!stoppedOnWord) AdvanceToNextWord();
        view_->ShowLocation();
        view_->ProcessPendingEvents();
    }
    running_ = false;
    view_->RunEnded();
}

bool TSpellingWalk::CheckWordAt() {
    const qsizetype at = offset_ - 1;
    if (currentLine_.size() <= offset_ || !IsSpellingLetter(currentLine_[at])) return false;
    const QString word = ExtractWord(QStringView(currentLine_).sliced(at).left(MaxCheckedCharacters)).toString();
    if (word.size() < 2) return false;
    view_->ShowWordChecked(word);
    if (dictionaries_->IsKnownWord(word)) return false;
    currentWord_ = word;
    view_->ReportWord(word);
    return true;
}

int TSpellingWalk::NextWordStart(const QString& line, int offset) {
    const qsizetype length = line.size();
    if (length < 2 || offset > length || offset < 1) return 1;
    qsizetype i = offset - 1;  // zero-based
    while (i < length && IsSpellingLetter(line[i])) ++i;
    while (i < length && !IsSpellingLetter(line[i])) ++i;
    // Reaching the last character leaves at most a one-letter word: the line is done.
    if (i >= length - 1) return 1;
    return static_cast<int>(i + 1);
}

void TSpellingWalk::AdvanceToNextWord() {
    offset_ = NextWordStart(currentLine_, offset_);
    if (offset_ != 1) return;
    if (stage_ >= StageLeftWorksheet && stage_ <= StageHiddenMessage) {
        ++row_;
        if (row_ >= texts_->LineCount(stage_)) {
            ++stage_;
            row_ = 0;
        }
    } else if (stage_ == StageCredits) {
        stage_ = StageFinished;
    }
    LoadCurrentLine();
}

void TSpellingWalk::ChangeCurrentWord(const QString& replacement) {
    if (stage_ < StageLeftWorksheet || stage_ > StageCredits) return;
    const qsizetype at = std::min<qsizetype>(offset_ - 1, currentLine_.size());
    currentLine_.replace(at, currentWord_.size(), replacement);
    if (stage_ == StageCredits || texts_->LineCount(stage_) > row_) texts_->SetLine(stage_, row_, currentLine_);
}

}  // namespace vorlix::spelling
