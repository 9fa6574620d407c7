// A puzzle as a value: its texts, options, page format and built grid. What a file holds,
// what a print job or an export reads, what undo restores.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <QString>
#include <QStringList>

#include "pageformat.h"
#include "wordsearch.h"

namespace vorlix {

inline std::u16string ToWide(const QString& s) { return s.toStdU16String(); }
inline QString FromWide(const std::u16string& s) { return QString::fromStdU16String(s); }
// A text's lines as one text, joined by CR LF.
inline QString MemoText(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

// How the instructions came about: written by the program, or by the user (who may have
// declined replacing them since).
enum class TInstructionsMode : std::uint8_t { Automatic = 0, Customized = 1, KeepCustom = 2 };

// The sharing levels' names as files keep them, indexed by level 0..4.
extern const std::array<const char*, 5> SharingLevelNames;
// The directions' names as files keep them, North first (index 0 is direction code 1).
extern const std::array<const char*, 8> DirectionKeys;

struct TPuzzleType {
    bool HiddenMessage = false;
    bool CustomClues = false;
    bool operator==(const TPuzzleType&) const = default;
};

// The engine's finished grid together with the word list it was built from, frozen. Copies
// of a puzzle share it; a build or a transform makes a new one.
class TBuiltGrid {
public:
    TBuiltGrid();  // no grid yet
    // A copy of result and of the word list and settings it reads.
    explicit TBuiltGrid(const TWordSearch& result);
    TBuiltGrid(const TBuiltGrid&) = delete;
    TBuiltGrid& operator=(const TBuiltGrid&) = delete;

    const TWordSearch& Grid() const { return grid_; }
    // The list the grid was built from: records, display order and the settings of the build.
    const TEngineState& Words() const { return words_; }

    // Same cells, placements and words.
    bool SameAs(const TBuiltGrid& other) const;

private:
    TEngineState words_;
    TWordSearch grid_;
};

// The one empty grid every new puzzle starts with.
std::shared_ptr<const TBuiltGrid> EmptyBuiltGrid();

struct TPuzzle {
    // Texts, one entry per line.
    QStringList WordLines;
    QStringList TitleLines;
    QStringList HiddenMessageLines;
    QStringList WorksheetLeftLines;
    QStringList WorksheetRightLines;
    QStringList InstructionLines;
    bool InstructionsIncluded = true;
    TInstructionsMode InstructionsMode = TInstructionsMode::Automatic;
    QString CreditsName;       // who made the puzzle
    QString CreditsRecipient;  // whom it is for
    QString CreditsLine;       // the line printed under the grid

    // Options.
    TPuzzleType Type;
    std::array<bool, 8> Directions{true, true, true, true, true, true, true, true};  // North first
    int RequestedColumns = 0;  // 0 Automatic
    int RequestedRows = 0;
    int SharingLevel = ShareIntersect;
    TCapitalization Capitalization = TCapitalization::AllUpper;
    // Classic: the grid of the best of a few dozen random builds; Tight: a search that fits
    // every word it can into the smallest grid.
    TPackMode PackMode = TPackMode::Classic;
    // BCP 47 code of the list's language; empty: detected from the word list.
    QString Language;
    // Automatic: Classic for a list in A-Z only, LikeList otherwise.
    TFillerMode Filler = TFillerMode::Automatic;

    TPageFormat Format;

    // Never null.
    std::shared_ptr<const TBuiltGrid> Built = EmptyBuiltGrid();

    const TWordSearch& Grid() const { return Built->Grid(); }
    const TEngineState& Words() const { return Built->Words(); }
    // The text of one grid cell (1-based column and row).
    QString CellText(int column, int row) const;
    // The hidden message as one text, lines joined by CR LF.
    QString HiddenMessage() const { return MemoText(HiddenMessageLines); }

    // The language and filler mode a build uses: the chosen ones, or what the list suggests.
    QString LanguageInUse() const;
    TFillerMode FillerInUse() const;

    bool operator==(const TPuzzle& other) const;
};

// Filler mode names as the puzzle file, the preferences and the command line write them:
// "Automatic", "Classic", "List". An unknown name reads as Automatic.
QString FillerModeName(TFillerMode mode);
TFillerMode FillerModeFromName(const QString& name);

// Why the Tight search left word (a list index) out of grid; empty after a classic build,
// which only knows that it did.
QString UnplacedReason(const TWordSearch& grid, int word);

}  // namespace vorlix
