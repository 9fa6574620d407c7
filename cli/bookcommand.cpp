// vorlix-cli book: reads or deals the puzzles, builds the word lists, lays out and writes
// the book, and checks it when asked.
#include "bookcommand.h"

#include <array>
#include <chrono>
#include <ostream>

#include <QHashSeed>
#include <QDate>
#include <QString>

#include "arguments.h"
#include "book.h"
#include "bookcheck.h"
#include "booksource.h"
#include "safewrite.h"
#include "session.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

constexpr auto TrimChoices = [] {
    std::array<NamedChoice<std::string_view>, Trims.size()> choices{};
    for (std::size_t i = 0; i < Trims.size(); ++i) choices[i] = {Trims[i].Name, Trims[i].Name};
    return choices;
}();

constexpr NamedChoice<bool> TitleFromChoices[] = {{"file", true}, {"none", false}};

template <std::optional<std::string> BookArguments::*Member>
constexpr OptionRule<BookArguments> TextRule(std::string_view name) {
    return {name, true, [](BookArguments& o, std::string_view, const std::string& v) { o.*Member = v; }};
}

const OptionRule<BookArguments> BookOptionTable[] = {
    {"-o", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         RequireEnding(n, v, ".pdf", "a PDF file");
         o.output = v;
     }},
    {"--trim", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         o.trim = std::string(ParseChoice<std::string_view>(n, v, TrimChoices));
     }},
    Flag<&BookArguments::bleed>("--bleed"),
    Flag<&BookArguments::largePrint>("--large-print"),
    TextRule<&BookArguments::title>("--title"),
    TextRule<&BookArguments::subtitle>("--subtitle"),
    TextRule<&BookArguments::author>("--author"),
    Flag<&BookArguments::noContents>("--no-contents"),
    {"--answers-per-page", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         o.answersPerPage = static_cast<int>(ParseNumber(n, v, 1, MaxAnswersPerPage));
     }},
    {"--seed", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         o.seed = static_cast<std::uint32_t>(ParseNumber(n, v, 0, 4294967295u));
     }},
    Flag<&BookArguments::paperCheck>("--paper-check"),
    {"--pool", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         if (v.empty()) throw UsageError("option '" + std::string(n) + "' needs a word-list file");
         o.pool = v;
     }},
    {"--puzzles", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         o.puzzles = static_cast<int>(ParseNumber(n, v, 1, 1000));
     }},
    {"--words-per-puzzle", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         o.wordsPerPuzzle = static_cast<int>(ParseNumber(n, v, 1, 100));
     }},
    {"--title-from", true,
     [](BookArguments& o, std::string_view n, const std::string& v) {
         o.titleFromName = ParseChoice<bool>(n, v, TitleFromChoices);
     }},
    Flag<&BookArguments::usePreferences>("--use-preferences"),
    Flag<&BookArguments::help>("--help"),
    Flag<&BookArguments::help>("-h"),
};

void PrintReport(std::ostream& err, const TReport& report) {
    for (const TReportLine& line : report.Lines)
        for (const QString& part : line.Text.split(u'\n'))
            err << ProgramName << ": " << Utf8Bytes(TerminalSafe(part.toStdU16String())) << '\n';
}

bool HasError(const TReport& report) {
    for (const TReportLine& line : report.Lines)
        if (line.Kind == MessageKind::Error) return true;
    return false;
}

}  // namespace

BookArguments ParseBookArguments(const std::vector<std::string>& arguments) {
    BookArguments a;
    a.files = ParseArguments<BookArguments>(arguments, BookOptionTable, "book", a);
    if (a.help) return a;
    if (!a.output) throw UsageError("book needs -o BOOK.pdf");
    if (a.pool) {
        if (!a.files.empty()) throw UsageError("--pool and puzzle files cannot be used together");
        if (a.puzzles == 0 || a.wordsPerPuzzle == 0)
            throw UsageError("--pool needs --puzzles N and --words-per-puzzle K");
    } else {
        if (a.puzzles != 0 || a.wordsPerPuzzle != 0)
            throw UsageError("--puzzles and --words-per-puzzle go with --pool LIST");
        if (a.files.empty()) throw UsageError("book needs puzzle files or word lists, or --pool LIST");
    }
    for (const std::string& file : a.files)
        if (file == "-") throw UsageError("book reads files only, not standard input");
    return a;
}

std::string BookCommand::Help() const {
    return "Usage: vorlix-cli book -o BOOK.pdf [OPTIONS...] FILE...\n"
           "       vorlix-cli book -o BOOK.pdf --pool LIST --puzzles N --words-per-puzzle K [OPTIONS...]\n"
           "\n"
           "Makes one print-ready PDF of many puzzles: a title page, a copyright line, the\n"
           "contents, one puzzle per page headed \"Puzzle N\", and the solutions. Each FILE is one\n"
           "puzzle in the order given: a puzzle file (.ws) as saved, or a word list built into\n"
           "a new puzzle with the default settings, packed so that every word goes in.\n"
           "\n"
           "Options:\n"
           "  -o BOOK.pdf             the book (replaced only when it was made completely)\n"
           "  --trim SIZE             " + TrimNames().toStdString() + "\n"
           "                          (default 8.5x11)\n"
           "  --bleed                 0.125 in more on the outside edge, the top and the bottom\n"
           "  --large-print           every text at least 16 pt, answers marked by shape\n"
           "  --title TEXT, --subtitle TEXT, --author TEXT\n"
           "                          the title page\n"
           "  --no-contents           leave out the contents page\n"
           "  --answers-per-page N    1..9 (default: by the trim, fewer in large print)\n"
           "  --seed N                0..4294967295: the same book on every run\n"
           "  --paper-check           check every page for the printer and exit 1 on a problem\n"
           "  --pool LIST             deal the puzzles from one long word list instead ...\n"
           "  --puzzles N             ... into N puzzles (1..1000) ...\n"
           "  --words-per-puzzle K    ... of K words each (1..100), no word in two puzzles\n"
           "  --title-from WHAT       file (a word list's puzzle is titled after its file name,\n"
           "                          the default) or none\n"
           "  --use-preferences       new puzzles take the desktop program's stored defaults\n"
           "  -h, --help              show this text\n";
}

int BookCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    const BookArguments a = ParseBookArguments(arguments);
    if (a.help) {
        io.out << Help();
        return ExitSuccess;
    }
    // The PDF writer keeps its fonts in hashes: a fixed hash seed writes them in the same
    // order, so a seeded book repeats byte for byte but for its creation date.
    if (a.seed) QHashSeed::setDeterministicGlobalSeed();
    GuiApplication gui;
    PuzzleSession session(io.err, a.usePreferences);
    const TPuzzle defaults = session.Puzzle();
    const std::uint32_t seed =
        a.seed.value_or(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));

    TReport report;
    std::vector<TBookItem> items;
    if (a.pool) {
        auto dealt = ReadPoolItems(PathFromNativeBytes(*a.pool), a.puzzles, a.wordsPerPuzzle, seed, defaults,
                                   a.titleFromName, report);
        if (!dealt) {
            PrintReport(io.err, report);
            return ExitUsage;
        }
        items = std::move(*dealt);
    } else {
        for (const std::string& file : a.files) {
            auto item = ReadBookItem(PathFromNativeBytes(file), defaults, a.titleFromName, report);
            if (!item) {
                PrintReport(io.err, report);
                return ExitUsage;
            }
            items.push_back(std::move(*item));
        }
    }
    TPuzzleBuilder& builder = session.Builder();
    builder.SetSeed(seed);
    TBookOptions options;
    options.Trim = QString::fromStdString(a.trim);
    options.Bleed = a.bleed;
    options.LargePrint = a.largePrint;
    options.Title = a.title ? ArgumentText(*a.title) : QString();
    options.Subtitle = a.subtitle ? ArgumentText(*a.subtitle) : QString();
    options.Author = a.author ? ArgumentText(*a.author) : QString();
    options.Contents = !a.noContents;
    options.AnswersPerPage = a.answersPerPage;
    options.Year = QDate::currentDate().year();
    const std::unique_ptr<TBook> made = MakeBook(items, options, builder, report);
    PrintReport(io.err, report);
    if (!made || HasError(report)) return ExitFailure;
    const TBook& book = *made;

    const QString path = PathFromNativeBytes(*a.output);
    QByteArray pdf;
    const TBookPdfResult written = SaveBookPdf(book, path, &pdf);
    if (!written.Ok) {
        io.err << ProgramName << ": " << Utf8Bytes(TerminalSafe(written.Error.toStdU16String())) << '\n';
        return ExitFailure;
    }
    io.out << "Wrote " << *a.output << ": " << book.PageCount() << " pages of " << a.trim
           << (a.bleed ? " with bleed" : "") << ", " << book.Puzzles().size() << " puzzles, "
           << book.AnswersPerPage() << " answers per page, gutter " << book.Gutter() << " in\n";
    if (book.PageCount() < MinBookPages)
        io.err << ProgramName << ": warning: the book has " << book.PageCount() << " pages; print services ask for at least "
               << MinBookPages << ".\n";
    if (!a.paperCheck) return ExitSuccess;
    const TPaperCheck check = CheckPaper(PagesOf(book), pdf);
    for (const QString& line : check.Lines()) io.out << Utf8Bytes(TerminalSafe(line.toStdU16String())) << '\n';
    return check.Passed() ? ExitSuccess : ExitFailure;
}

}  // namespace vorlix::cli
