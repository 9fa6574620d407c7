// What the fuzz targets and the regression replay check for one input. Beyond surviving
// the input, a puzzle the reader accepted must be stable: saving it, reading that back and
// saving again gives the same bytes.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <memory>

#include "puzzlefile.h"
#include "textcodec.h"
#include "wordlistio.h"

namespace vorlix::fuzz {

inline QByteArray SavedBytes(const TPuzzle& puzzle) {
    QStringList lines;
    FormatPuzzleFile(puzzle, lines);
    return PuzzleFileBytes(lines);
}

// False when a save of the read puzzle does not read back to the same file.
inline bool PuzzleBytesAreStable(const QByteArray& bytes) {
    const TReadResult<TPuzzle> first = ReadPuzzleBytes(bytes, QStringLiteral("fuzz.ws"));
    if (!first.Value) return true;
    const TWordSearch& p = first.Value->Grid();
    if (p.ActualColumns < 0 || p.ActualColumns > MaxGridSize || p.ActualRows < 0 || p.ActualRows > MaxGridSize)
        return false;
    const QByteArray once = SavedBytes(*first.Value);
    const TReadResult<TPuzzle> second = ReadPuzzleBytes(once, QStringLiteral("fuzz.ws"));
    if (!second.Value) return false;
    return SavedBytes(*second.Value) == once;
}

// The control byte picks the kind, custom clues and how full the list already is.
// False when the line limits did not hold.
inline bool WordListImportHoldsLimits(unsigned char control, const QByteArray& bytes) {
    static constexpr WordListFileKind Kinds[] = {WordListFileKind::PlainText, WordListFileKind::ThemeWords,
                                                 WordListFileKind::PuzzleFile, WordListFileKind::Gridmoor};
    const WordListFileKind kind = Kinds[control & 3];
    const TWordListStyle style{(control & 4) != 0, u'/'};
    static constexpr int Prefilled[] = {0, 1, 249, 250, 251, 499, 500, 501, 620};
    const int already = Prefilled[(control >> 3) % 9];  // around both limits
    TReport report;
    QStringList memo;
    for (int i = 0; i < already; ++i) memo.append(QStringLiteral("w"));
    const QStringList lines = SplitLines(DecodeWordListText(bytes));
    ImportWordListLines(lines, kind, style, memo, [] { return true; }, report);
    if (memo.size() < already || memo.size() > already + lines.size()) return false;
    if (already <= WordListLimitLines && memo.size() > WordListLimitLines) return false;
    // Export must take whatever import produced.
    WordListExportBytes(QStringLiteral("x.thm"), memo, style);
    WordListExportBytes(QStringLiteral("x.txt"), memo, style);
    return true;
}

}  // namespace vorlix::fuzz
