#include "wordscommand.h"

#include <optional>
#include <ostream>

#include <QString>

#include "arguments.h"
#include "consolehost.h"
#include "safewrite.h"
#include "utf8.h"
#include "wordinput.h"

namespace vorlix::cli {

namespace {

struct WordsOptions {
    bool clues = false;
    std::optional<std::string> output;
    bool help = false;
};

const OptionRule<WordsOptions> WordsOptionTable[] = {
    Flag<&WordsOptions::clues>("--clues"),
    OutputRule<WordsOptions>(),
    Flag<&WordsOptions::help>("--help"),
    Flag<&WordsOptions::help>("-h"),
};

}  // namespace

std::string WordsCommand::Help() const {
    return "Usage: vorlix-cli words FILE... [OPTIONS...]\n"
           "\n"
           "Imports each FILE as the word page does, by the name's ending: a puzzle file (.ws,\n"
           "its word list), a theme word file (.thm), a Gridmoor puzzle (.gmr, its theme words)\n"
           "or text; '-' reads standard input as text. At most 500 lines are taken. The lines\n"
           "are printed, or exported to a file.\n"
           "\n"
           "Options:\n"
           "  --clues             the puzzle uses clues: theme words keep them as 'word /clue',\n"
           "                      and an export to .thm writes 'word TAB | clue'\n"
           "  -o FILE             export the lines: a theme word file when FILE ends in .thm,\n"
           "                      else UTF-8 text\n"
           "  -h, --help          show this text\n";
}

int WordsCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    WordsOptions options;
    const auto files = ParseCommandArguments<WordsOptions>(*this, arguments, WordsOptionTable, options, io.out);
    if (!files) return ExitSuccess;
    if (files->empty()) throw UsageError("words needs at least one file ('-' for standard input)");
    const std::vector<WordInput> inputs = ReadWordInputs(*files, io.in);

    ConsoleMessageHost host(io.err);
    TWordListStyle style;  // the engine's clue separator
    style.CustomClues = options.clues;
    QStringList lines;
    TReport report;
    ImportWordInputs(inputs, style, lines, report);
    ShowReport(host, report);

    if (options.output) {
        TReport written;
        const bool saved = ExportWordList(PathFromNativeBytes(*options.output), lines, style, written);
        ShowReport(host, written);
        return saved ? ExitSuccess : ExitFailure;
    }
    for (const QString& line : lines) {
        const std::u16string text = line.toStdU16String();
        io.out << Utf8Bytes(io.terminal ? TerminalSafe(text) : text) << '\n';
    }
    return ExitSuccess;
}

}  // namespace vorlix::cli
