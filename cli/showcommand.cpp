#include "showcommand.h"

#include <optional>
#include <ostream>

#include "arguments.h"
#include "puzzleoutput.h"
#include "session.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

struct ShowOptions {
    std::vector<int> transforms;
    std::optional<std::string> output;
    bool json = false;
    bool usePreferences = false;
    std::optional<int> accidental;
    bool help = false;
};

const OptionRule<ShowOptions> ShowOptionTable[] = {
    TransformRule<ShowOptions>(),
    PuzzleOutputRule<ShowOptions>(),
    Flag<&ShowOptions::json>("--json"),
    Flag<&ShowOptions::usePreferences>("--use-preferences"),
    AccidentalRule<ShowOptions>(),
    Flag<&ShowOptions::help>("--help"),
    Flag<&ShowOptions::help>("-h"),
};

}  // namespace

std::string ShowCommand::Help() const {
    return "Usage: vorlix-cli show FILE.ws [OPTIONS...]\n"
           "\n"
           "Opens a puzzle file as the desktop program's Open does and prints it as make does.\n"
           "\n"
           "Options:\n"
           "  --transform V       turn or mirror the grid, 0..7 (see make); may be repeated\n"
           "  --json              print the puzzle as one JSON object, with a \"model\" object\n"
           "                      holding the texts and options of the file\n"
           "  -o FILE.ws          save the (turned) puzzle as the desktop program's Save does\n"
           "  --use-preferences   what the file leaves out comes from the stored preferences\n"
           "                      rather than the built-in defaults\n" +
           std::string(AccidentalHelp) +
           "                      (of the --transform turns)\n"
           "  -h, --help          show this text\n";
}

int ShowCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    ShowOptions options;
    const auto files = ParseCommandArguments<ShowOptions>(*this, arguments, ShowOptionTable, options, io.out);
    if (!files) return ExitSuccess;
    const std::string& file = OnePuzzleFile(Name(), *files);

    PuzzleSession session(io.err, options.usePreferences, options.accidental);
    if (!session.Open(file, io.in)) return ExitFailure;
    TPuzzle& puzzle = session.Puzzle();
    for (const int variant : options.transforms) puzzle.Built = session.Builder().Transform(puzzle, variant);
    if (options.output && !session.Save(*options.output)) return ExitFailure;

    if (options.json) {
        JsonValue json = PuzzleToJson(puzzle.Grid());
        json.Set("model", ModelToJson(puzzle));
        io.out << WriteJson(json);
    } else {
        io.out << ForTerminal(FormatPuzzleText(puzzle.Grid()), io.terminal);
    }
    return ExitSuccess;
}

}  // namespace vorlix::cli
