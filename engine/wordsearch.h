// The puzzle engine: word list, settings, grid construction, filler and transforms.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cells.h"
#include "messages.h"
#include "wordset.h"

namespace vorlix {

constexpr int MaxWords = 5000;
constexpr int MaxGridSize = 100;
constexpr int CellSpan = MaxGridSize + 1;  // per-cell arrays run 0..100

constexpr char16_t EmptyCell = 1;
constexpr char16_t HiddenMessageMarkerCode = 5001;
inline const std::u16string HiddenMessageMarker(1, HiddenMessageMarkerCode);
constexpr std::uint16_t FirstLetterFlag = 4096;

enum TDirection : std::uint8_t {
    NoDirection = 0,
    North = 1,
    NorthEast = 2,
    East = 3,
    SouthEast = 4,
    South = 5,
    SouthWest = 6,
    West = 7,
    NorthWest = 8,
};

// Column and row step of each direction code; code 0 does not move.
constexpr std::array<int, 9> DirectionDx = {0, 0, 1, 1, 1, 0, -1, -1, -1};
constexpr std::array<int, 9> DirectionDy = {0, -1, -1, 0, 1, 1, 1, 0, -1};
constexpr std::array<int, 9> OppositeDirection = {0, 5, 6, 7, 8, 1, 2, 3, 4};
// The names used as file keys, indexed by code (0 is "none").
extern const std::array<const char*, 9> DirectionNames;

inline bool IsDiagonal(int d) { return d == 2 || d == 4 || d == 6 || d == 8; }

enum class TCapitalization : std::uint8_t { AllUpper = 0, AllLower = 1, FirstLetter = 2, AsGiven = 3 };

// Where filler letters come from. Classic is today's A-Z filler (value 1, as settings have
// always kept it); LikeList draws from the list's own letters. Automatic picks Classic for a
// list written in A-Z only and LikeList otherwise.
enum class TFillerMode : std::uint8_t { Automatic = 0, Classic = 1, LikeList = 2 };

enum TSharingLevel : std::uint8_t {
    ShareNoCross = 0,
    ShareCross = 1,
    ShareIntersect = 2,
    ShareSome = 3,
    ShareAll = 4,
};

constexpr std::uint16_t Option_HiddenMessage = 1;
constexpr std::uint16_t Option_CustomClues = 8;

struct TWordRecord {
    std::u16string ItemText;  // the item as typed, clue included
    std::u16string GridWord;  // the letters written into the grid
    std::u16string ClueText;  // the text of the printed word list
    std::int32_t Length = 0;
};

constexpr int AccidentalNone = 0;
constexpr int AccidentalTaboo = 1;
constexpr int AccidentalAllWords = 2;
constexpr int AccidentalDictionaryMinLength = 5;

// A word the grid spells by chance and the filler could not take away: its letters as the
// grid holds them, the cell of its first letter and the direction it reads in.
struct TAccidentalWord {
    std::u16string Word;
    std::int32_t Column = 0;
    std::int32_t Row = 0;
    std::uint8_t Direction = 0;
    bool operator==(const TAccidentalWord&) const = default;
};

// The built-in list of words no filler may spell, upper case.
std::size_t TabooWordCount();
const char16_t* TabooWord(std::size_t k);

struct TWordPlacement {
    bool Placed = false;
    std::int32_t Column = 0;
    std::int32_t Row = 0;
    std::uint8_t Direction = 0;
    std::string Path;  // one digit per step for a bending word; empty when straight
};

// A line's items are separated by commas; an item's clue follows a slash.
constexpr char16_t WordSeparator = u',';
constexpr char16_t ClueSeparator = u'/';

// How MakePuzzle lays the words out.
enum class TPackMode : std::uint8_t {
    Classic = 0,  // random spots, the best of a few dozen grids (the default)
    Tight = 1,    // a search that places every word it can and, for an automatic size, finds the
                  // smallest grid holding them all; see MakePuzzle
};

// Why a word is not in the grid.
enum class TUnplacedReason : std::uint8_t {
    LongerThanGrid = 1,      // longer than both the columns and the rows
    NoAllowedDirection = 2,  // no legal spot in the allowed directions even in an empty grid of this size
    NoRoomLeft = 3,          // (Classic) spots existed, but the random tries found none free
    SearchStopped = 4,       // (Tight) the work budget, the time limit or the caller ended the search first
};

struct TUnplacedWord {
    std::int32_t Word = 0;  // index into WordList
    TUnplacedReason Reason = TUnplacedReason::NoRoomLeft;
    bool operator==(const TUnplacedWord&) const = default;
};

// What the last MakePuzzle did besides the grid.
struct TPackResult {
    TPackMode Mode = TPackMode::Classic;
    std::vector<TUnplacedWord> Unplaced;  // every word not in the grid, in display order
    bool TimeLimitHit = false;            // Tight: stopped by PackTimeLimitMs; the grid is the best found
    bool Cancelled = false;               // Tight: the progress callback returned false
    std::int64_t WorkUsed = 0;            // Tight: candidate placements tried
};

class TWordSearchConfig {
public:
    // 0 none; 1 taboo words and listed words spelled a second time; 2 also every dictionary
    // word of five letters or more.
    std::uint8_t AccidentalCheck = 0;
    TCapitalization Capitalization = TCapitalization::AllUpper;
    // Classic or LikeList as the build uses it (Automatic is resolved before a build).
    TFillerMode FillerMode = TFillerMode::Classic;
    // BCP 47 code of the list's language, as the build uses it: case rules, filler alphabet,
    // collation and taboo words. Empty means English rules.
    std::string Language;
    std::u16string HiddenMessage;
    std::uint16_t PuzzleOptions = 0;
    // 0..4; anything else permits nothing.
    std::uint8_t SharingLevel = ShareIntersect;
    TPackMode PackMode = TPackMode::Classic;
    // Tight: candidate placements tried per puzzle at most (40 million take about 0.3 s on
    // one core); the same seed and budget give the same grid on every machine. A layout of
    // each size tried is always finished, so a tiny budget still gives a full greedy grid.
    std::int64_t PackWorkLimit = 40'000'000;
    // Tight: a safety stop only (it makes results depend on the machine); 0 for none.
    std::int32_t PackTimeLimitMs = 2000;

    void SetSharingLevel(int level) { SharingLevel = static_cast<std::uint8_t>(level); }
    bool HasOption(std::uint16_t option) const { return (PuzzleOptions & option) != 0; }
    // What the sharing level permits, each level adding to the one below.
    bool AllowCross() const { return SharingLevel >= ShareCross && SharingLevel <= ShareAll; }
    bool AllowIntersect() const { return SharingLevel >= ShareIntersect && SharingLevel <= ShareAll; }
    bool AllowSameLine() const { return SharingLevel >= ShareSome && SharingLevel <= ShareAll; }
    bool AllowEmbed() const { return SharingLevel == ShareAll; }
};

// The program's one linear congruential generator.
class TRandom {
public:
    std::uint32_t Seed = 0;
    // Advances the seed even for n = 0; the result is in 0..n-1 (0 when n is 0).
    std::int32_t Random(std::int32_t n) {
        Seed = Seed * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<std::int32_t>((static_cast<std::uint64_t>(Seed) * static_cast<std::uint32_t>(n)) >> 32);
    }
};

// Everything that exists once per program and is shared by the result and the trial
// engine objects: the settings, the word list, the direction weights and the generator.
struct TListedWords;

// The warning of a list cut at MaxWords.
std::u16string DroppedWordsMessage(int count);

class TEngineState {
public:
    TEngineState();

    TWordSearchConfig Settings;

    // Index 1..MaxWords; entry 0 is unused.
    std::array<TWordRecord, MaxWords + 1> WordList;
    std::int32_t WordCount = 0;
    // Entries refused since ClearList because the list was full; whoever built the list
    // tells the user (DroppedWordsMessage).
    std::int32_t DroppedWords = 0;
    bool ListReady = false;
    std::int32_t LongestWord = 0;
    std::int32_t TotalLetters = 0;
    // Position 1..WordCount holds a word index in display order.
    std::array<std::int32_t, MaxWords + 1> DisplayIndex{};

    std::array<std::int32_t, 9> DirectionWeights{};  // index 1..8
    std::int32_t TotalWeight = 0;
    std::array<std::int32_t, 9> CumulativeWeight{};

    TRandom Generator;
    bool Randomized = false;

    // The texts of the cell codes the list's words, message and filler use. Mutable: reading
    // a text's cells gives a new one its code, which changes no cell already coded.
    mutable TCellAlphabet Cells;

    // The main dictionary for the all-words check; without one that level checks the taboo
    // words only. Not owned.
    const IWordSet* MainDictionary = nullptr;
    // The list's words as the accidental-word check reads them, made when the list changed.
    std::shared_ptr<const TListedWords> ListedWordsForCheck;

    // Tight: called on MakePuzzle's thread every 65,536 candidate placements with the most
    // words a kept grid has held so far and the list's size; returning false ends the search,
    // which keeps its best whole grid (PackResult.Cancelled). May be empty.
    std::function<bool(int placed, int total)> PackProgress;

    void ResetSettings();
    void ClearList();
    void Words_ProcessLine(const std::u16string& line);
    // Returns true when an entry was added.
    bool AddWord(const std::u16string& item);
    void FinishList();
    void SetDirectionWeight(int d, std::int32_t weight);

    std::int32_t Random(std::int32_t n) { return Generator.Random(n); }
    void SetSeed(std::uint32_t seed);
    // Seeds from the clock unless a seed was already set.
    void EnsureSeeded();

    // Share of direction d, 0.125 each when no direction carries weight.
    double DirectionShare(int d) const;
    // Whether construction may lay words in direction d (1..8).
    bool DirectionAllowed(int d) const { return DirectionShare(d) > 0; }

    std::u16string GridForm(const std::u16string& item) const;
    std::u16string ClueForm(const std::u16string& item) const;

    // Hidden-message letters and filler, which depend only on the settings and generator.
    // Both in cell codes.
    std::u16string HiddenMessageLetters() const;
    char16_t FillerLetter();
    // A word's grid letters as text.
    std::u16string WordText(int word) const { return Cells.Expand(WordList[word].GridWord); }
    // The text in the settings' capitalization and language, as cell codes.
    std::u16string CasedCells(std::u16string_view text) const;

    // Words of the list in placement order for WordOrder 0 (longest first, stable); worked
    // out again only when the list changed since.
    const std::array<std::int32_t, MaxWords + 1>& LongestFirstOrder();

private:
    void MakeFillerTable();

    std::array<std::int32_t, MaxWords + 1> longestFirst_{};
    int longestFirstCount_ = -1;  // WordCount when longestFirst_ was worked out; -1 stale
    // Like-the-list filler: cell codes and their cumulative weights, made when first drawn.
    std::vector<char16_t> fillerCodes_;
    std::vector<std::int32_t> fillerWeights_;
    bool fillerReady_ = false;
};

// One grid with its per-cell bookkeeping and the placement of every word.
class TWordSearch {
public:
    explicit TWordSearch(TEngineState& state);

    TEngineState& State() const { return *state_; }

    bool Constructed = false;
    std::array<std::int32_t, 9> DirectionCounts{};
    char16_t Grid[CellSpan][CellSpan];  // [column][row]
    std::uint16_t SolutionFlags[CellSpan][CellSpan];
    std::array<TWordPlacement, MaxWords + 1> Placements;  // index 1..MaxWords
    std::array<std::int32_t, MaxWords + 1> PlacementOrder{};
    std::u16string WordListIndicies[CellSpan][CellSpan];
    std::int32_t ActualColumns = 0;
    std::int32_t ActualRows = 0;
    // Words spelled by the grid's own letters that redrawing filler could not remove, from
    // the last fill; empty when the check is off.
    std::vector<TAccidentalWord> AccidentalWords;
    // The unplaced words with their reasons and how the search ended, from the last MakePuzzle.
    TPackResult PackResult;

    // Builds the puzzle into this (the result) object, using trial for candidate grids.
    // The list must be finished (FinishList); an unfinished one builds nothing (nullptr).
    // Settings.PackMode picks the construction. Tight ignores trial (which may
    // then be null): with both sizes given it searches that grid for a layout of every word;
    // with an automatic size (0) it looks for the smallest square, or the fewest rows or
    // columns when the other is given, that holds every word that can fit and leaves a free
    // cell for each hidden-message letter. The filler and accidental-word check follow as in
    // Classic.
    TWordSearch* MakePuzzle(TWordSearch* trial, int requestedColumns, int requestedRows);

    void Clear();
    void CopyFrom(const TWordSearch& source);
    // Everything of source, read against state (the copy of source's word list).
    void CopyWhole(const TWordSearch& source, TEngineState& state);

    // Construction steps, public so that tests can drive them one at a time.
    std::pair<int, int> SelectSize(int requestedColumns, int requestedRows) const;
    void BuildGrid(int columns, int rows);
    void RebuildPlacementOrder();
    struct Spot {
        bool found = false;
        int column = 0;
        int row = 0;
        int direction = 0;
    };
    Spot FindSpot(int word);
    bool CanPlaceWord(int word, int column, int row, int d) const;
    void PlaceWord(int word, int column, int row, int d);
    bool StepCell(int& column, int& row, int d) const;
    bool CrossesDiagonally(int column, int row, int d) const;
    bool InsideWord(int length, int column, int row, int d, int w) const;
    int LeastUsedDirection();
    int WeightedRandomDirection();
    std::int64_t PuzzleScore() const;
    std::int64_t DirectionBalance() const;

    // Lays the message and filler, then removes accidental words (CheckAccidentalWords).
    void FillGrid();
    void RefillGrid();
    // Redraws the filler of every word the grid spells by chance, at the settings' level,
    // until none is left or the pass limit is reached; what remains is AccidentalWords.
    void CheckAccidentalWords();
    void MarkHiddenMessageCells();

    void Transform(int variant);
    void RotateLeft();
    void Exchange();

    void AddPlacedWord(const std::u16string& itemText, int placed, int column, int row, int direction,
                       const std::string& path);

    // Queries.
    static bool IsValidCell(int column, int row) { return column >= 1 && column <= 100 && row >= 1 && row <= 100; }
    int PlacedWordCount() const;
    int UnplacedWordCount() const;
    // k counts from 1 over the words in display order.
    // Grid words as text.
    std::u16string UnplacedGridWord(int k) const;
    const std::u16string& PlacedClueText(int k) const;
    std::u16string PlacedGridWord(int k) const;
    int PlacedWordIndex(int k) const;  // 0 when there is no k-th placed word
    int UnplacedWordIndex(int k) const;
    int EndColumn(int word) const;
    int EndRow(int word) const;

private:
    int NthWordInDisplayOrder(int k, bool placed) const;
    void MakeTightPuzzle(int requestedColumns, int requestedRows);
    // The reason each unplaced word gives; searchStopped marks the ones Tight ran out on.
    void NoteUnplacedWords(bool searchStopped);
    // Inside MakePuzzle only the engine writes cells, so the trial builds and copies clear
    // just the cells written since the object's last clear.
    // check false: the accidental-word check is left to the caller (MakePuzzle runs it once
    // on the kept grid rather than on every trial).
    void Build(int columns, int rows, bool check);
    void LayMessageAndFiller();
    void CopyCells(const TWordSearch& source);
    void ClearUsedCells();
    void ClearCells(int extent);
    void NoteUsedCell(int column, int row);

    int usedExtent_ = 0;

    TEngineState* state_;
};

// Variant inverses: applying Transform(v) then Transform(InverseVariant[v]) restores the placements.
constexpr std::array<int, 8> InverseVariant = {0, 3, 2, 1, 4, 5, 6, 7};

// The credits-line templates, 1..CreditsTemplateCount.
constexpr int CreditsTemplateCount = 33;
extern const char16_t* const ProductWebAddress;
extern const char16_t* const ProductWebAddressSecondForm;
const std::u16string& CreditsLineTemplates(int k);

}  // namespace vorlix
