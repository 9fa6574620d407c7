// The walk of the spelling checker over the puzzle's texts, word by word, in eight stages:
// the worksheet lines, title, instructions, word list, hidden message, credits line, end.
#pragma once

#include <QString>

namespace vorlix::spelling {

class TSpellingDictionaries;

constexpr int StageLeftWorksheet = 0;
constexpr int StageRightWorksheet = 1;
constexpr int StageTitle = 2;
constexpr int StageInstructions = 3;
constexpr int StageWords = 4;
constexpr int StageHiddenMessage = 5;
constexpr int StageCredits = 6;
constexpr int StageFinished = 7;

// The texts being checked. Stages 0 .. 5 are line lists; stage 6 is the one credits line.
class ISpellingTexts {
public:
    virtual ~ISpellingTexts() = default;
    virtual int LineCount(int stage) const = 0;
    virtual QString Line(int stage, int row) const = 0;
    // A correction, made as the user would have typed it.
    virtual void SetLine(int stage, int row, const QString& text) = 0;
};

// What the walk shows while it runs. Every method has an empty default.
class ISpellingWalkView {
public:
    virtual ~ISpellingWalkView() = default;
    virtual void RunStarting() {}
    virtual void ShowWordChecked(const QString& /*word*/) {}
    virtual void ReportWord(const QString& /*word*/) {}
    virtual void ShowLocation() {}
    // Lets pending user-interface events run, so Stop can be pressed.
    virtual void ProcessPendingEvents() {}
    virtual void RunEnded() {}
};

class TSpellingWalk {
public:
    TSpellingWalk(TSpellingDictionaries& dictionaries, ISpellingTexts& texts, ISpellingWalkView& view);

    void StartCheck();
    // Walks until a word is not found, the stop request or the end.
    void RunCheck();
    // True when the word at the offset was reported.
    bool CheckWordAt();
    void AdvanceToNextWord();
    // Replaces the current word in the current line and writes the line back.
    void ChangeCurrentWord(const QString& replacement);

    void RequestStop() { stopRequested_ = true; }
    void ClearStopRequest() { stopRequested_ = false; }
    bool StopRequested() const { return stopRequested_; }
    bool Running() const { return running_; }

    int Stage() const { return stage_; }
    int Row() const { return row_; }
    int Offset() const { return offset_; }  // one-based
    const QString& CurrentLine() const { return currentLine_; }
    const QString& CurrentWord() const { return currentWord_; }
    QString Location() const;
    QString LineCaption() const;

    // The one-based start of the next word of line at or after offset, or 1 at its end.
    static int NextWordStart(const QString& line, int offset);

private:
    void LoadCurrentLine();

    TSpellingDictionaries* dictionaries_;
    ISpellingTexts* texts_;
    ISpellingWalkView* view_;
    int stage_ = StageFinished;
    int row_ = 0;
    int offset_ = 1;
    QString currentLine_;
    QString currentWord_;
    bool stopRequested_ = false;
    bool running_ = false;
};

}  // namespace vorlix::spelling
