// The puzzle value and its frozen grid.
#include "puzzle.h"

namespace vorlix {

const std::array<const char*, 5> SharingLevelNames = {"ShareNoCross", "ShareCross", "ShareIntersect", "ShareSome",
                                                      "ShareAll"};

const std::array<const char*, 8> DirectionKeys = {"North", "NorthEast", "East",  "SouthEast",
                                                  "South", "SouthWest", "West", "NorthWest"};

TBuiltGrid::TBuiltGrid() : grid_(words_) {}

TBuiltGrid::TBuiltGrid(const TWordSearch& result) : words_(result.State()), grid_(words_) {
    // The copy keeps nothing that points outside it.
    words_.MainDictionary = nullptr;
    words_.ListedWordsForCheck.reset();
    words_.PackProgress = nullptr;
    grid_.CopyWhole(result, words_);
}

bool TBuiltGrid::SameAs(const TBuiltGrid& other) const {
    if (this == &other) return true;
    const TWordSearch& a = grid_;
    const TWordSearch& b = other.grid_;
    if (a.Constructed != b.Constructed || a.ActualColumns != b.ActualColumns || a.ActualRows != b.ActualRows ||
        words_.WordCount != other.words_.WordCount || a.AccidentalWords != b.AccidentalWords)
        return false;
    for (int c = 1; c <= a.ActualColumns; ++c)
        for (int r = 1; r <= a.ActualRows; ++r)
            if (a.Grid[c][r] != b.Grid[c][r] || a.SolutionFlags[c][r] != b.SolutionFlags[c][r] ||
                a.WordListIndicies[c][r] != b.WordListIndicies[c][r])
                return false;
    for (int i = 1; i <= words_.WordCount; ++i) {
        const TWordRecord &x = words_.WordList[i], &y = other.words_.WordList[i];
        const TWordPlacement &p = a.Placements[i], &q = b.Placements[i];
        if (x.ItemText != y.ItemText || x.GridWord != y.GridWord || x.ClueText != y.ClueText || p.Placed != q.Placed ||
            p.Column != q.Column || p.Row != q.Row || p.Direction != q.Direction || p.Path != q.Path)
            return false;
    }
    return true;
}

std::shared_ptr<const TBuiltGrid> EmptyBuiltGrid() {
    static const std::shared_ptr<const TBuiltGrid> empty = std::make_shared<const TBuiltGrid>();
    return empty;
}

bool TPuzzle::operator==(const TPuzzle& o) const {
    return WordLines == o.WordLines && TitleLines == o.TitleLines && HiddenMessageLines == o.HiddenMessageLines &&
           WorksheetLeftLines == o.WorksheetLeftLines && WorksheetRightLines == o.WorksheetRightLines &&
           InstructionLines == o.InstructionLines && InstructionsIncluded == o.InstructionsIncluded &&
           InstructionsMode == o.InstructionsMode && CreditsName == o.CreditsName &&
           CreditsRecipient == o.CreditsRecipient && CreditsLine == o.CreditsLine && Type == o.Type &&
           Directions == o.Directions && RequestedColumns == o.RequestedColumns &&
           RequestedRows == o.RequestedRows && SharingLevel == o.SharingLevel &&
           Capitalization == o.Capitalization && PackMode == o.PackMode && Language == o.Language &&
           Filler == o.Filler && Format == o.Format && Built->SameAs(*o.Built);
}

QString TPuzzle::CellText(int column, int row) const {
    return QString::fromStdU16String(Words().Cells.Text(Grid().Grid[column][row]));
}

QString TPuzzle::LanguageInUse() const {
    if (!Language.isEmpty()) return Language;
    return QString::fromStdString(DetectLanguage(MemoText(WordLines).toStdU16String()));
}

TFillerMode TPuzzle::FillerInUse() const {
    if (Filler != TFillerMode::Automatic) return Filler;
    return IsPlainAZList(MemoText(WordLines).toStdU16String()) ? TFillerMode::Classic : TFillerMode::LikeList;
}

QString FillerModeName(TFillerMode mode) {
    switch (mode) {
        case TFillerMode::Classic: return QStringLiteral("Classic");
        case TFillerMode::LikeList: return QStringLiteral("List");
        case TFillerMode::Automatic: break;
    }
    return QStringLiteral("Automatic");
}

TFillerMode FillerModeFromName(const QString& name) {
    if (name == QLatin1String("Classic")) return TFillerMode::Classic;
    if (name == QLatin1String("List")) return TFillerMode::LikeList;
    return TFillerMode::Automatic;
}

QString UnplacedReason(const TWordSearch& grid, int word) {
    if (grid.PackResult.Mode != TPackMode::Tight) return {};
    for (const TUnplacedWord& u : grid.PackResult.Unplaced) {
        if (u.Word != word) continue;
        switch (u.Reason) {
            case TUnplacedReason::LongerThanGrid: return QStringLiteral("longer than the grid");
            case TUnplacedReason::NoAllowedDirection: return QStringLiteral("no room in the allowed directions");
            case TUnplacedReason::NoRoomLeft: return QStringLiteral("no room left");
            case TUnplacedReason::SearchStopped: return QStringLiteral("the search ran out of work");
        }
    }
    return QStringLiteral("no room left");
}

}  // namespace vorlix
