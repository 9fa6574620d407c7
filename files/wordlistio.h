// Word-list import (plain text, theme word files, puzzle files, Gridmoor files) and export.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "messages.h"

namespace vorlix {

class TPuzzleModel;

enum class WordListFileKind { PlainText, ThemeWords, PuzzleFile, Gridmoor };

// Decided by the name's ending, in any case: ".ws", ".thm", ".gmr", else plain text.
WordListFileKind WordListFileKindOf(const QString& fileName);

// How word/clue pairs are joined on import and split on export.
struct TWordListStyle {
    bool CustomClues = false;
    char16_t ClueSeparator = u'/';
};

// The word and clue of a theme word line, split at the first TAB followed by "|".
struct TThemeWordLine {
    QString Word;
    QString Clue;
    bool HasClue = false;
};
TThemeWordLine SplitThemeWordLine(const QString& line);
// "word /clue" with custom clues, else the word alone.
QString JoinThemeWordLine(const TThemeWordLine& parts, const TWordListStyle& style);

// Appends the lines of an already decoded file to memo, asking the 250-line question and
// stopping at 500 lines.
void ImportWordListLines(const QStringList& fileLines, WordListFileKind kind, const TWordListStyle& style,
                         QStringList& memo, IMessageHost& host);

// The same on a whole decoded text, split only as far as the limit reads.
void ImportWordListText(QStringView text, WordListFileKind kind, const TWordListStyle& style, QStringList& memo,
                        IMessageHost& host);

// Reads and appends a file. False, with a message, when it could not be read.
bool ImportWordList(const QString& fileName, const TWordListStyle& style, QStringList& memo, IMessageHost& host);
// Appends to the model's Words_Memo, using
// the model's puzzle type and clue separator, and marks the puzzle modified.
bool ImportWordList(TPuzzleModel& model, const QString& fileName);

// The lines an export writes: a theme word file with custom clues turns "word/clue" into
// "word TAB | clue"; anything else is written unchanged.
QStringList FormatWordListExport(const QStringList& memo, bool themeFile, const TWordListStyle& style);
// The bytes of an export to fileName: UTF-8 for plain text; for ".thm" Windows-1252 when
// every character fits, else UTF-8 after a byte-order mark.
QByteArray WordListExportBytes(const QString& fileName, const QStringList& memo, const TWordListStyle& style);
bool ExportWordList(const QString& fileName, const QStringList& memo, const TWordListStyle& style,
                    IMessageHost& host);
bool ExportWordList(TPuzzleModel& model, const QString& fileName);

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
