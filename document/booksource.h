// The puzzles of a book from what the user names: saved puzzles as they are, word lists
// built into new puzzles, or one long list dealt out into puzzles that share no word. The
// command line and the desktop window both come through here.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "book.h"
#include "puzzle.h"
#include "report.h"

namespace vorlix {

class TPuzzleBuilder;

// One puzzle of a book before it is built.
struct TBookItem {
    QString Source;  // the file it came from, for messages and the window's list
    TPuzzle Puzzle;
    bool NeedsBuild = false;  // a word list: built when the book is made
};

// A puzzle file is used as saved; anything else is a word list made into a new puzzle from
// defaults, titled after the file's name when titleFromName. No value, with the reason in
// report, when the file cannot be read or holds no words.
std::optional<TBookItem> ReadBookItem(const QString& path, const TPuzzle& defaults, bool titleFromName,
                                      TReport& report);
// The same for a word list already in memory (the desktop's current list).
TBookItem WordListItem(const QStringList& lines, const QString& title, const TPuzzle& defaults);
// A puzzle as it is (the desktop's current puzzle).
TBookItem SavedItem(const TPuzzle& puzzle, const QString& source);

// The distinct entries of a long list: one per line, or several separated by commas on a
// line without a clue; the same word twice (in any case) counts once.
QStringList PoolEntries(const QString& text);
// puzzles lists of perPuzzle entries each, drawn at random by seed, no entry in two lists.
// No value, with the reason in report, when the pool is too small.
std::optional<std::vector<QStringList>> DealPool(const QStringList& entries, int puzzles, int perPuzzle,
                                                 std::uint32_t seed, TReport& report);
// Word-list items from a pool file, titled "NAME 1", "NAME 2"... (or untitled).
std::optional<std::vector<TBookItem>> ReadPoolItems(const QString& path, int puzzles, int perPuzzle,
                                                    std::uint32_t seed, const TPuzzle& defaults, bool titleFromName,
                                                    TReport& report);

// The Tight search's work per book puzzle: a twentieth of a single puzzle's, so that a
// hundred-puzzle book builds in seconds; every word still goes in, the grid may come out a
// size larger than the smallest possible.
constexpr std::int64_t BookPackWorkLimit = 2'000'000;

// Told before each build (built so far, all to build); false stops.
using TBuildProgress = std::function<bool(int built, int total)>;
// The puzzles of the book in order, the word lists built with builder in the Tight pack
// mode so that every word goes in. No value when stopped by progress.
std::optional<std::vector<TPuzzle>> BuildBookPuzzles(const std::vector<TBookItem>& items, TPuzzleBuilder& builder,
                                                     TReport& report, const TBuildProgress& progress = {});

// The whole book from its items: built, laid out, and each word list whose grid does not
// fit its page at the least text size built again a little smaller, a few times at most.
// Null when stopped or refused (the reason in report).
std::unique_ptr<TBook> MakeBook(const std::vector<TBookItem>& items, const TBookOptions& options,
                                TPuzzleBuilder& builder, TReport& report, const TBuildProgress& progress = {});

}  // namespace vorlix
