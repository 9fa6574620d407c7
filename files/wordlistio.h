// Word-list import (plain text, theme word files, puzzle files, Gridmoor files) and export.
#pragma once

#include <functional>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "report.h"
#include "wordsearch.h"

namespace vorlix {

enum class WordListFileKind { PlainText, ThemeWords, PuzzleFile, Gridmoor };

// Decided by the name's ending, in any case: ".ws", ".thm", ".gmr", else plain text.
WordListFileKind WordListFileKindOf(const QString& fileName);

// How word/clue pairs are joined on import and split on export.
struct TWordListStyle {
    bool CustomClues = false;
    char16_t ClueSeparator = vorlix::ClueSeparator;
};

// Asked once an import has added 250 lines: true goes on.
using TContinueQuestion = std::function<bool()>;

// The word and clue of a theme word line, split at the first TAB followed by "|".
struct TThemeWordLine {
    QString Word;
    QString Clue;
    bool HasClue = false;
};
TThemeWordLine SplitThemeWordLine(const QString& line);
// "word /clue" with custom clues, else the word alone.
QString JoinThemeWordLine(const TThemeWordLine& parts, const TWordListStyle& style);

// Appends the lines of an already decoded file to memo, asking goOn at 250 lines and
// stopping, reported, at 500.
void ImportWordListLines(const QStringList& fileLines, WordListFileKind kind, const TWordListStyle& style,
                         QStringList& memo, const TContinueQuestion& goOn, TReport& report);

// The same on a whole decoded text, split only as far as the limit reads.
void ImportWordListText(QStringView text, WordListFileKind kind, const TWordListStyle& style, QStringList& memo,
                        const TContinueQuestion& goOn, TReport& report);

// Reads and appends a file. False, with the reason in report, when it could not be read.
bool ImportWordList(const QString& fileName, const TWordListStyle& style, QStringList& memo,
                    const TContinueQuestion& goOn, TReport& report);

// The lines an export writes: a theme word file with custom clues turns "word/clue" into
// "word TAB | clue"; anything else is written unchanged.
QStringList FormatWordListExport(const QStringList& memo, bool themeFile, const TWordListStyle& style);
// The bytes of an export to fileName: UTF-8 for plain text; for ".thm" Windows-1252 when
// every character fits, else UTF-8 after a byte-order mark.
QByteArray WordListExportBytes(const QString& fileName, const QStringList& memo, const TWordListStyle& style);
// False, with the reason in report, when nothing was written.
bool ExportWordList(const QString& fileName, const QStringList& memo, const TWordListStyle& style,
                    TReport& report);

// Message texts, exposed for tests and the word page.
QString ImportNotFoundMessage(const QString& fileName);
QString ImportReadErrorMessage(const QString& fileName);
QString TooManyLinesQuestion();
QString LineLimitMessage();
QString ExportErrorMessage();
QString CleanedLinesMessage(int count);
QString ShortenedLinesMessage(int count);

constexpr int WordListQuestionLines = 250;
constexpr int WordListLimitLines = 500;
// Characters of one word-list line: a word fits a grid side of 100, the rest is its clue.
constexpr qsizetype WordListLineMaxLength = 4096;

}  // namespace vorlix
