#include "showcommand.h"

#include <optional>
#include <ostream>

#include "arguments.h"
#include "puzzleoutput.h"
#include "session.h"

namespace vorlix::cli {

namespace {

struct ShowOptions {
    std::vector<int> transforms;
    std::optional<std::string> output;
    bool json = false;
    bool usePreferences = false;
    bool help = false;
};

const OptionRule<ShowOptions> ShowOptionTable[] = {
    {"--transform", true,
     [](ShowOptions& o, std::string_view n, const std::string& v) {
         o.transforms.push_back(static_cast<int>(ParseNumber(n, v, 0, 7)));
     }},
    {"-o", true,
     [](ShowOptions& o, std::string_view n, const std::string& v) {
         RequireEnding(n, v, ".ws", "a puzzle file");
         o.output = v;
     }},
    {"--json", false, [](ShowOptions& o, std::string_view, const std::string&) { o.json = true; }},
    {"--use-preferences", false, [](ShowOptions& o, std::string_view, const std::string&) { o.usePreferences = true; }},
    {"--help", false, [](ShowOptions& o, std::string_view, const std::string&) { o.help = true; }},
    {"-h", false, [](ShowOptions& o, std::string_view, const std::string&) { o.help = true; }},
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
           "                      rather than the built-in defaults\n"
           "  -h, --help          show this text\n";
}

int ShowCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    ShowOptions options;
    const std::vector<std::string> files = ParseArguments<ShowOptions>(arguments, ShowOptionTable, "show", options);
    if (options.help) {
        io.out << Help();
        return ExitSuccess;
    }
    if (files.size() != 1) throw UsageError("show takes exactly one puzzle file");

    PuzzleSession session(io.err, options.usePreferences);
    if (!session.Open(files.front(), io.in)) return ExitFailure;
    TWordSearch& puzzle = session.Model().Puzzle();
    for (const int variant : options.transforms) puzzle.Transform(variant);
    if (options.output && !session.Save(*options.output)) return ExitFailure;

    if (options.json) {
        JsonValue json = PuzzleToJson(puzzle);
        json.Set("model", ModelToJson(session.Model()));
        io.out << WriteJson(json);
    } else {
        io.out << FormatPuzzleText(puzzle);
    }
    return ExitSuccess;
}

}  // namespace vorlix::cli
