// Reading, dealing and building the puzzles of a book.
#include "booksource.h"

#include <map>
#include <utility>

#include <QFileInfo>
#include <QSet>

#include "puzzlebuilder.h"
#include "puzzledocument.h"
#include "puzzlefile.h"
#include "safewrite.h"
#include "textcodec.h"
#include "wordlistio.h"

namespace vorlix {

namespace {

QString NameOf(const QString& path) { return QFileInfo(path).completeBaseName(); }

}  // namespace

TBookItem WordListItem(const QStringList& lines, const QString& title, const TPuzzle& defaults) {
    TBookItem item;
    item.Source = title;
    item.Puzzle = defaults;
    item.Puzzle.WordLines = lines;
    item.Puzzle.TitleLines = title.isEmpty() ? QStringList() : QStringList{title};
    // A book wants every word in.
    item.Puzzle.PackMode = TPackMode::Tight;
    item.Puzzle.RequestedColumns = 0;
    item.Puzzle.RequestedRows = 0;
    item.NeedsBuild = true;
    return item;
}

TBookItem SavedItem(const TPuzzle& puzzle, const QString& source) { return {source, puzzle, false}; }

std::optional<TBookItem> ReadBookItem(const QString& path, const TPuzzle& defaults, bool titleFromName,
                                      TReport& report) {
    if (WordListFileKindOf(path) == WordListFileKind::PuzzleFile) {
        TReadResult<TPuzzle> read = ReadPuzzleFile(path, defaults);
        report.Append(read.Report);
        if (!read.Value) return std::nullopt;
        if (read.Value->Grid().PlacedWordCount() <= 0) {
            report.Add(MessageKind::Error, DisplayPath(path) + QStringLiteral(" holds no built puzzle."));
            return std::nullopt;
        }
        return SavedItem(*read.Value, path);
    }
    QStringList lines;
    TReport read;
    if (!ImportWordList(path, {defaults.Type.CustomClues}, lines, [] { return true; }, read)) {
        report.Append(read);
        if (read.IsEmpty()) report.Add(MessageKind::Error, ImportReadErrorMessage(path));
        return std::nullopt;
    }
    report.Append(read);
    if (UsedLineCount(lines) == 0) {
        report.Add(MessageKind::Error, DisplayPath(path) + QStringLiteral(" holds no words."));
        return std::nullopt;
    }
    TBookItem item = WordListItem(lines, titleFromName ? NameOf(path) : QString(), defaults);
    item.Source = path;
    return item;
}

QStringList PoolEntries(const QString& text) {
    QStringList entries;
    QSet<QString> seen;
    for (const QString& line : SplitLines(text)) {
        const QStringList parts = line.contains(u'/') ? QStringList{line} : line.split(u',');
        for (const QString& part : parts) {
            const QString entry = part.trimmed();
            if (entry.isEmpty()) continue;
            const QString word = entry.section(u'/', 0, 0).trimmed().toCaseFolded();
            if (word.isEmpty() || seen.contains(word)) continue;
            seen.insert(word);
            entries << entry;
        }
    }
    return entries;
}

std::optional<std::vector<QStringList>> DealPool(const QStringList& entries, int puzzles, int perPuzzle,
                                                 std::uint32_t seed, TReport& report) {
    const qint64 needed = static_cast<qint64>(puzzles) * perPuzzle;
    if (puzzles < 1 || perPuzzle < 1) {
        report.Add(MessageKind::Error, QStringLiteral("A pooled book needs at least one puzzle of at least one word."));
        return std::nullopt;
    }
    if (needed > entries.size()) {
        report.Add(MessageKind::Error, QStringLiteral("The list has %1 different words; %2 puzzles of %3 words need %4.")
                                           .arg(entries.size())
                                           .arg(puzzles)
                                           .arg(perPuzzle)
                                           .arg(needed));
        return std::nullopt;
    }
    // A partial Fisher-Yates shuffle: the first `needed` entries, each drawn once.
    QStringList pool = entries;
    TRandom random{seed};
    for (qsizetype i = 0; i < needed; ++i) {
        const qsizetype j = i + random.Random(static_cast<std::int32_t>(pool.size() - i));
        pool.swapItemsAt(i, j);
    }
    std::vector<QStringList> dealt;
    for (int p = 0; p < puzzles; ++p) dealt.push_back(pool.mid(static_cast<qsizetype>(p) * perPuzzle, perPuzzle));
    return dealt;
}

std::optional<std::vector<TBookItem>> ReadPoolItems(const QString& path, int puzzles, int perPuzzle,
                                                    std::uint32_t seed, const TPuzzle& defaults, bool titleFromName,
                                                    TReport& report) {
    QByteArray bytes;
    if (!ReadWholeFileReporting(path, bytes, report, ImportNotFoundMessage(path), ImportReadErrorMessage(path)))
        return std::nullopt;
    const auto dealt = DealPool(PoolEntries(DecodeWordListText(bytes)), puzzles, perPuzzle, seed, report);
    if (!dealt) return std::nullopt;
    std::vector<TBookItem> items;
    for (std::size_t i = 0; i < dealt->size(); ++i) {
        const QString title = titleFromName ? NameOf(path) + u' ' + QString::number(i + 1) : QString();
        TBookItem item = WordListItem((*dealt)[i], title, defaults);
        item.Source = path;
        items.push_back(std::move(item));
    }
    return items;
}

std::optional<std::vector<TPuzzle>> BuildBookPuzzles(const std::vector<TBookItem>& items, TPuzzleBuilder& builder,
                                                     TReport& report, const TBuildProgress& progress) {
    int total = 0;
    for (const TBookItem& item : items) total += item.NeedsBuild ? 1 : 0;
    std::vector<TPuzzle> puzzles;
    int built = 0;
    std::int64_t& budget = builder.Engine().Settings.PackWorkLimit;
    const std::int64_t before = std::exchange(budget, BookPackWorkLimit);
    struct TRestore {
        std::int64_t& value;
        std::int64_t was;
        ~TRestore() { value = was; }
    } restore{budget, before};
    for (std::size_t i = 0; i < items.size(); ++i) {
        TPuzzle puzzle = items[i].Puzzle;
        if (items[i].NeedsBuild) {
            if (progress && !progress(built, total)) return std::nullopt;
            puzzle.Built = builder.Build(puzzle);
            ++built;
            if (const int dropped = puzzle.Words().DroppedWords; dropped > 0)
                report.Add(MessageKind::Warning, QStringLiteral("Puzzle %1: ").arg(i + 1) + FromWide(DroppedWordsMessage(dropped)));
            if (const auto& unplaced = puzzle.Grid().PackResult.Unplaced; !unplaced.empty()) {
                QStringList words;
                for (const TUnplacedWord& u : unplaced)
                    words << FromWide(puzzle.Words().WordList[static_cast<std::size_t>(u.Word)].GridWord);
                report.Add(MessageKind::Warning, QStringLiteral("Puzzle %1: %2 word(s) did not fit the page's grid: %3")
                                                     .arg(i + 1)
                                                     .arg(unplaced.size())
                                                     .arg(words.join(QStringLiteral(", "))));
            }
            if (puzzle.Grid().PlacedWordCount() <= 0) {
                report.Add(MessageKind::Error, QStringLiteral("Puzzle %1 (%2): no word could be placed.")
                                                   .arg(i + 1)
                                                   .arg(DisplayPath(items[i].Source)));
                return std::nullopt;
            }
        }
        puzzles.push_back(std::move(puzzle));
    }
    return puzzles;
}

std::unique_ptr<TBook> MakeBook(const std::vector<TBookItem>& items, const TBookOptions& options,
                                TPuzzleBuilder& builder, TReport& report, const TBuildProgress& progress) {
    std::vector<TBookItem> work = items;
    TReport builds;
    auto puzzles = BuildBookPuzzles(work, builder, builds, progress);
    if (!puzzles) {
        report.Append(builds);
        return nullptr;
    }
    std::map<int, TReport> rebuilds;  // what the latest build of each smaller grid said
    constexpr int Rounds = 8;
    for (int round = 0;; ++round) {
        TReport laid;
        auto book = std::make_unique<TBook>(*puzzles, options);
        const bool ok = book->LayOut(laid);
        std::vector<int> smaller;
        for (const int i : book->Unfitted())
            if (work[static_cast<std::size_t>(i)].NeedsBuild) smaller.push_back(i);
        if (!ok || smaller.empty() || round == Rounds) {
            report.Append(builds);
            for (const auto& [i, said] : rebuilds) report.Append(said);
            report.Append(laid);
            return ok ? std::move(book) : nullptr;
        }
        // A grid a little smaller; the Tight search still puts in every word that fits.
        for (const int i : smaller) {
            TPuzzle& p = work[static_cast<std::size_t>(i)].Puzzle;
            const TWordSearch& ws = (*puzzles)[static_cast<std::size_t>(i)].Grid();
            const auto smallerSide = [](int n) { return std::max(3, n - std::max(1, n / 8)); };
            p.RequestedColumns = smallerSide(ws.ActualColumns);
            p.RequestedRows = smallerSide(ws.ActualRows);
            if (progress && !progress(round, Rounds)) return nullptr;
            TBookItem one = work[static_cast<std::size_t>(i)];
            TReport dropped;
            auto rebuilt = BuildBookPuzzles({one}, builder, dropped);
            if (!rebuilt) {
                report.Append(dropped);
                return nullptr;
            }
            (*puzzles)[static_cast<std::size_t>(i)] = std::move(rebuilt->front());
            for (TReportLine& line : dropped.Lines)
                line.Text.replace(QStringLiteral("Puzzle 1"), QStringLiteral("Puzzle %1").arg(i + 1));
            rebuilds[i] = dropped;
        }
    }
}

}  // namespace vorlix
