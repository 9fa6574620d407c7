#include "makecommand.h"

#include <ostream>
#include <string_view>

#include "arguments.h"
#include "capitalization.h"
#include "puzzleoutput.h"
#include "puzzledefaults.h"
#include "session.h"
#include "textcodec.h"
#include "utf8.h"
#include "wordinput.h"

namespace vorlix::cli {

namespace {

std::array<bool, 9> ParseDirections(const std::string& list) {
    static constexpr std::array<std::string_view, 9> Short = {"", "N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    std::array<bool, 9> checked{};
    if (list.empty()) return checked;
    std::string_view rest = list;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string name = Upper(Trim(rest.substr(0, comma)));
        int found = 0;
        for (int d = 1; d <= 8; ++d)
            if (name == Short[d] || name == Upper(DirectionNames[d])) found = d;
        if (found == 0)
            throw UsageError((name.empty() ? std::string("empty direction name") : "unknown direction '" + name + "'") +
                             " in --directions '" + list + "' (use N, NE, E, SE, S, SW, W, NW)");
        checked[found] = true;
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return checked;
}

// "AllUpper, AllLower, FirstLetter or AsGiven"
std::string CapitalizationNames() {
    std::string names;
    for (const TCapitalization c : Capitalizations)
        names += (names.empty() ? "" : c == Capitalizations.back() ? " or " : ", ") + CapitalizationName(c).toStdString();
    return names;
}

// The puzzle file's names, without regard to case.
TCapitalization ParseCapitalization(const std::string& name) {
    for (const TCapitalization c : Capitalizations)
        if (Upper(CapitalizationName(c).toStdString()) == Upper(name)) return c;
    throw UsageError("unknown capitalization '" + name + "' for --caps (use " + CapitalizationNames() + ")");
}

// The two characters backslash and n stand for a line break, which a shell argument
// cannot easily carry.
std::u16string HiddenMessageFromArgument(const std::string& text) {
    std::string expanded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            expanded.push_back('\n');
            ++i;
        } else {
            expanded.push_back(text[i]);
        }
    }
    return Utf8Text(expanded);
}

using Rule = OptionRule<MakeOptions>;

const NamedChoice<TPuzzleType> PuzzleTypes[] = {
    {"standard", {false, false}},
    {"hidden", {true, false}},
    {"clues", {false, true}},
    {"clues-hidden", {true, true}},
};

const NamedChoice<TPackMode> PackModes[] = {
    {"classic", TPackMode::Classic},
    {"tight", TPackMode::Tight},
};

const NamedChoice<TFillerMode> FillerModes[] = {
    {"classic", TFillerMode::Classic},
    {"list", TFillerMode::LikeList},
};

const Rule MakeOptionTable[] = {
    {"--language", true,
     [](MakeOptions& o, std::string_view, const std::string& v) {
         const std::string tag = CanonicalLanguageTag(v);
         if (tag.empty())
             throw UsageError("'" + v + "' is not a language code for --language (use a BCP 47 code such as en, ru, pt-BR)");
         o.language = tag;
     }},
    {"--filler", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) { o.filler = ParseChoice<TFillerMode>(n, v, FillerModes); }},
    {"--pack", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) { o.pack = ParseChoice<TPackMode>(n, v, PackModes); }},
    {"--pack-limit", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.packLimitMs = static_cast<int>(ParseNumber(n, v, 1, 600)) * 1000;
     }},
    {"--seed", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.seed = static_cast<std::uint32_t>(ParseNumber(n, v, 0, 4294967295u));
     }},
    {"--columns", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.columns = static_cast<int>(ParseNumber(n, v, 0, MaxGridSize));
     }},
    {"--rows", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.rows = static_cast<int>(ParseNumber(n, v, 0, MaxGridSize));
     }},
    {"--directions", true,
     [](MakeOptions& o, std::string_view, const std::string& v) { o.directions = ParseDirections(v); }},
    {"--sharing", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.sharing = static_cast<int>(ParseNumber(n, v, ShareNoCross, ShareAll));
     }},
    {"--caps", true,
     [](MakeOptions& o, std::string_view, const std::string& v) { o.capitalization = ParseCapitalization(v); }},
    {"--hidden", true,
     [](MakeOptions& o, std::string_view, const std::string& v) { o.hiddenMessage = HiddenMessageFromArgument(v); }},
    {"--type", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.type = ParseChoice<TPuzzleType>(n, v, PuzzleTypes);
     }},
    {"--word", true, [](MakeOptions& o, std::string_view, const std::string& v) { o.wordLines.push_back(v); }},
    {"--title", true, [](MakeOptions& o, std::string_view, const std::string& v) { o.titleLines.push_back(v); }},
    {"--worksheet-left", true,
     [](MakeOptions& o, std::string_view, const std::string& v) { o.worksheetLeft.push_back(v); }},
    {"--worksheet-right", true,
     [](MakeOptions& o, std::string_view, const std::string& v) { o.worksheetRight.push_back(v); }},
    {"--instructions", true,
     [](MakeOptions& o, std::string_view, const std::string& v) { o.instructions.push_back(v); }},
    Flag<&MakeOptions::noInstructions>("--no-instructions"),
    {"--credits", true,
     [](MakeOptions& o, std::string_view, const std::string& v) {
         // The credits line is a single line of the page.
         if (o.credits) throw UsageError("--credits may be given only once");
         o.credits = v;
     }},
    Flag<&MakeOptions::usePreferences>("--use-preferences"),
    AccidentalRule<MakeOptions>(),
    TransformRule<MakeOptions>(),
    PuzzleOutputRule<MakeOptions>(),
    Flag<&MakeOptions::json>("--json"),
    Flag<&MakeOptions::help>("--help"),
    Flag<&MakeOptions::help>("-h"),
};

// Each argument is a line typed into the page; a line break inside one starts another line,
// since a memo line never holds one (the puzzle file could not keep it).
QStringList MemoLines(const std::vector<std::string>& arguments) {
    QStringList lines;
    for (const std::string& argument : arguments) {
        const QString text = ArgumentText(argument);
        if (text.contains(u'\n') || text.contains(u'\r')) lines << vorlix::SplitLines(text);
        else lines << text;
    }
    return lines;
}

}  // namespace

MakeOptions ParseMakeArguments(const std::vector<std::string>& arguments) {
    MakeOptions options;
    options.files = ParseArguments<MakeOptions>(arguments, MakeOptionTable, "make", options);
    if (options.type && !options.type->HiddenMessage && !options.hiddenMessage.empty())
        throw UsageError("--hidden needs a puzzle type with a hidden message (--type hidden or clues-hidden)");
    if (options.noInstructions && !options.instructions.empty())
        throw UsageError("--instructions and --no-instructions cannot be used together");
    return options;
}

std::string MakeCommand::Help() const {
    return "Usage: vorlix-cli make [OPTIONS...] [FILE...]\n"
           "\n"
           "Builds one puzzle from word-list lines and prints it. The --word lines come first,\n"
           "then the lines of each FILE, read as the word page imports them: by the name's\n"
           "ending a puzzle file (.ws), a theme word file (.thm), a Gridmoor puzzle (.gmr) or\n"
           "text; '-' reads standard input as text. A line holds one or more items separated\n"
           "by commas; 'word/clue' gives a word its clue. At most 500 lines are taken.\n"
           "\n"
           "Options:\n"
           "  --seed N            seed of the random generator, 0..4294967295 (default: the clock)\n"
           "  --columns N         columns, 1..100, or 0 for automatic (default 0)\n"
           "  --rows N            rows, 1..100, or 0 for automatic (default 0)\n"
           "  --directions LIST   comma-separated N,NE,E,SE,S,SW,W,NW (default all eight)\n"
           "  --sharing N         0 no crossing, 1 cross, 2 intersect, 3 share some, 4 share all (default 2)\n"
           "  --caps NAME         " + CapitalizationNames() + " (default " +
           CapitalizationName(TCapitalization::AllUpper).toStdString() + ")\n"
           "  --type TYPE         standard, hidden, clues or clues-hidden (default: hidden when\n"
           "                      --hidden is not empty, else standard)\n"
           "  --hidden TEXT       hidden message laid into the free cells; \\n is a line break\n"
           "  --word LINE         a word-list line; may be repeated\n"
           "  --title LINE        a title line; may be repeated\n"
           "  --worksheet-left LINE, --worksheet-right LINE\n"
           "                      a worksheet header line (\"Name ____\"); may be repeated\n"
           "  --instructions LINE an instructions line; may be repeated (default: the\n"
           "                      standard instructions for the type and directions)\n"
           "  --no-instructions   no instructions on the page\n"
           "  --credits TEXT      the credits line below the grid\n"
           "  --use-preferences   start from the stored preferences of the desktop program\n"
           "                      instead of the built-in defaults; options still override them\n" +
           std::string(AccidentalHelp) +
           "  --language CODE     the list's language as a BCP 47 code (ru, de, pt-BR): case rules,\n"
           "                      filler letters, word order and taboo words (default: detected)\n"
           "  --filler MODE       classic (A-Z without vowels and S) or list (letters like the\n"
           "                      words'); default classic for A-Z lists, list otherwise\n"
           "  --pack MODE         classic (the default) or tight: search until every word that\n"
           "                      can fit is in, in the smallest automatic grid\n"
           "  --pack-limit S      tight: stop searching after S seconds at the latest, 1..600\n"
           "                      (default 2); the seed alone decides the grid otherwise\n"
           "  --transform V       turn or mirror the finished grid, 0..7; may be repeated\n"
           "  -o FILE.ws          also save the puzzle as the desktop program's Save does\n"
           "  --json              print the whole puzzle as one JSON object\n"
           "  -h, --help          show this text\n";
}

int MakeCommand::Execute(const std::vector<std::string>& arguments, CommandIo& io) {
    const MakeOptions options = ParseMakeArguments(arguments);
    if (options.help) {
        io.out << Help();
        return ExitSuccess;
    }
    // Every file is read before anything is built, so a bad name leaves no half-made output.
    const std::vector<WordInput> inputs = ReadWordInputs(options.files, io.in);

    PuzzleSession session(io.err, options.usePreferences, options.accidental);
    TPuzzle& puzzle = session.Puzzle();

    puzzle.Type = options.type.value_or(TPuzzleType{!options.hiddenMessage.empty(), false});
    // Split at line feeds only, so a message of blanks or breaks still switches the message on.
    puzzle.HiddenMessageLines = QString::fromStdU16String(options.hiddenMessage).split(u'\n');
    if (options.hiddenMessage.empty()) puzzle.HiddenMessageLines.clear();

    puzzle.WordLines = MemoLines(options.wordLines);
    TReport report;
    ImportWordInputs(inputs, {puzzle.Type.CustomClues}, puzzle.WordLines, report);
    session.Print(report);

    if (options.directions)
        for (int d = 1; d <= 8; ++d) puzzle.Directions[static_cast<std::size_t>(d - 1)] = (*options.directions)[d];
    if (options.sharing) puzzle.SharingLevel = *options.sharing;
    if (options.capitalization) puzzle.Capitalization = *options.capitalization;
    if (options.language) puzzle.Language = QString::fromStdString(*options.language);
    if (options.filler) puzzle.Filler = *options.filler;
    puzzle.RequestedColumns = options.columns;
    puzzle.RequestedRows = options.rows;

    // A new puzzle's instructions follow its type and directions until the user writes their own.
    puzzle.InstructionLines = AutomaticInstructions(puzzle.Type, puzzle.Directions);
    if (options.noInstructions || !options.instructions.empty()) {
        puzzle.InstructionLines = MemoLines(options.instructions);
        puzzle.InstructionsMode = TInstructionsMode::Customized;
        puzzle.InstructionsIncluded = !options.noInstructions;
    }
    if (!options.titleLines.empty()) puzzle.TitleLines = MemoLines(options.titleLines);
    if (!options.worksheetLeft.empty()) puzzle.WorksheetLeftLines = MemoLines(options.worksheetLeft);
    if (!options.worksheetRight.empty()) puzzle.WorksheetRightLines = MemoLines(options.worksheetRight);
    if (options.credits) puzzle.CreditsLine = ArgumentText(*options.credits);

    // Nothing between here and the build draws from the generator.
    TPuzzleBuilder& builder = session.Builder();
    if (options.seed) builder.SetSeed(*options.seed);
    puzzle.PackMode = options.pack;
    if (options.packLimitMs) builder.SetPackTimeLimit(*options.packLimitMs);
    puzzle.Built = builder.Build(puzzle);
    if (const int dropped = puzzle.Words().DroppedWords; dropped > 0) {
        TReport cut;
        cut.Add(MessageKind::Warning, FromWide(DroppedWordsMessage(dropped)));
        session.Print(cut);
    }
    for (const int variant : options.transforms) puzzle.Built = builder.Transform(puzzle, variant);

    if (options.output && !session.Save(*options.output)) return ExitFailure;
    io.out << (options.json ? WriteJson(PuzzleToJson(puzzle.Grid())) : ForTerminal(FormatPuzzleText(puzzle.Grid()), io.terminal));
    return ExitSuccess;
}

}  // namespace vorlix::cli
