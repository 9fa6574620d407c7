#include "makecommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <iterator>
#include <memory>
#include <ostream>
#include <string_view>

#include "consolehost.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

constexpr int CheckedDirectionWeight = 50;

std::uint64_t ParseNumber(std::string_view option, const std::string& text, std::uint64_t low, std::uint64_t high) {
    const auto bad = [&] {
        return UsageError("invalid value '" + text + "' for " + std::string(option) +
                          ": expected a whole number from " + std::to_string(low) + " to " + std::to_string(high));
    };
    // Digits only: no sign, no spaces, no hexadecimal; the length check keeps the sum from overflowing.
    if (text.empty() || text.size() > 19) throw bad();
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') throw bad();
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value < low || value > high) throw bad();
    return value;
}

std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

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

TCapitalization ParseCapitalization(const std::string& name) {
    static constexpr std::array<std::pair<std::string_view, TCapitalization>, 4> Names = {{
        {"ALLUPPER", TCapitalization::AllUpper},
        {"ALLLOWER", TCapitalization::AllLower},
        {"FIRSTLETTER", TCapitalization::FirstLetter},
        {"ASGIVEN", TCapitalization::AsGiven},
    }};
    const std::string key = Upper(name);
    for (const auto& [text, value] : Names)
        if (key == text) return value;
    throw UsageError("unknown capitalization '" + name + "' for --caps (use AllUpper, AllLower, FirstLetter or AsGiven)");
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
    return DecodeUtf8(expanded);
}

struct OptionRule {
    std::string_view name;
    bool takesValue;
    void (*apply)(MakeOptions& options, std::string_view name, const std::string& value);
};

const std::array<OptionRule, 12> MakeOptionTable = {{
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
    {"--word", true, [](MakeOptions& o, std::string_view, const std::string& v) { o.wordLines.push_back(v); }},
    {"--transform", true,
     [](MakeOptions& o, std::string_view n, const std::string& v) {
         o.transforms.push_back(static_cast<int>(ParseNumber(n, v, 0, 7)));
     }},
    {"--json", false, [](MakeOptions& o, std::string_view, const std::string&) { o.json = true; }},
    {"--help", false, [](MakeOptions& o, std::string_view, const std::string&) { o.help = true; }},
    {"-h", false, [](MakeOptions& o, std::string_view, const std::string&) { o.help = true; }},
}};

std::string ReadWholeFile(const std::string& path, std::istream& standardInput) {
    if (path == "-") {
        std::string bytes{std::istreambuf_iterator<char>(standardInput), std::istreambuf_iterator<char>()};
        if (standardInput.bad()) throw UsageError("cannot read standard input");
        return bytes;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) throw UsageError("cannot read '" + path + "': " + std::strerror(errno));
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    // A directory opens but does not read.
    if (error != 0) throw UsageError("cannot read '" + path + "': " + std::strerror(error));
    return bytes;
}

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// One grid cell as printable text; half of a surrogate pair cannot stand alone in UTF-8.
std::string CellText(char16_t letter) { return EncodeUtf8(std::u16string_view(&letter, 1)); }

std::string PadRight(std::string text, std::size_t width, std::size_t shown) {
    if (shown < width) text.append(width - shown, ' ');
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace

MakeOptions ParseMakeArguments(const std::vector<std::string>& arguments) {
    MakeOptions options;
    bool filesOnly = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (filesOnly || argument == "-" || !argument.starts_with("-")) {
            options.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            filesOnly = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto rule = std::find_if(MakeOptionTable.begin(), MakeOptionTable.end(),
                                       [&](const OptionRule& s) { return s.name == name; });
        if (rule == MakeOptionTable.end())
            throw UsageError("unknown option '" + name + "' (run 'vorlix-cli make --help' for the options)");
        std::string value;
        if (!rule->takesValue) {
            if (equals != std::string::npos) throw UsageError("option '" + name + "' takes no value");
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (k + 1 < arguments.size()) {
            value = arguments[++k];
        } else {
            throw UsageError("option '" + name + "' needs a value");
        }
        rule->apply(options, rule->name, value);
    }
    return options;
}

std::vector<std::u16string> ReadMakeLines(const MakeOptions& options, std::istream& standardInput) {
    std::vector<std::u16string> lines;
    for (const std::string& word : options.wordLines) lines.push_back(DecodeUtf8(word));
    for (const std::string& path : options.files) {
        std::vector<std::u16string> fileLines = DecodeTextFile(ReadWholeFile(path, standardInput));
        std::move(fileLines.begin(), fileLines.end(), std::back_inserter(lines));
    }
    return lines;
}

std::string FormatPuzzleText(const TWordSearch& puzzle) {
    const TEngineState& state = puzzle.State();
    std::string text;
    for (int r = 1; r <= puzzle.ActualRows; ++r) {
        for (int c = 1; c <= puzzle.ActualColumns; ++c) {
            if (c > 1) text.push_back(' ');
            text += CellText(puzzle.Grid[c][r]);
        }
        text.push_back('\n');
    }

    std::size_t width = 0;
    for (int i = 1; i <= state.WordCount; ++i)
        if (puzzle.Placements[i].Placed) width = std::max(width, state.WordList[i].GridWord.size());
    std::string placed;
    std::vector<int> unplaced;
    for (int k = 1; k <= state.WordCount; ++k) {
        const int i = state.DisplayIndex[k];
        const TWordPlacement& p = puzzle.Placements[i];
        if (!p.Placed) {
            unplaced.push_back(i);
            continue;
        }
        const std::u16string& word = state.WordList[i].GridWord;
        placed += PadRight(EncodeUtf8(word), width, word.size()) + " " + PadLeft(std::to_string(p.Column), 3) +
                  " " + PadLeft(std::to_string(p.Row), 3) + "  " + DirectionNames[p.Direction <= 8 ? p.Direction : 0] + "\n";
    }

    if (!placed.empty()) text += "\n" + placed;
    text += "\nWords that did not fit: " + std::to_string(unplaced.size()) + "\n";
    for (const int i : unplaced) text += EncodeUtf8(state.WordList[i].GridWord) + "\n";
    return text;
}

JsonValue PuzzleToJson(const TWordSearch& puzzle) {
    const TEngineState& state = puzzle.State();
    using J = JsonValue;

    J grid = J::MakeArray();
    J cellWords = J::MakeArray();
    J firstLetters = J::MakeArray();
    for (int r = 1; r <= puzzle.ActualRows; ++r) {
        std::u16string line;
        J rowCells = J::MakeArray();
        for (int c = 1; c <= puzzle.ActualColumns; ++c) {
            line.push_back(puzzle.Grid[c][r]);
            J indices = J::MakeArray();
            for (const char16_t index : puzzle.WordListIndicies[c][r]) indices.Add(J::Number(index));
            rowCells.Add(std::move(indices));
            if (puzzle.SolutionFlags[c][r] & FirstLetterFlag)
                firstLetters.Add(J::MakeArray({J::Number(c), J::Number(r)}));
        }
        grid.Add(J::String(std::move(line)));
        cellWords.Add(std::move(rowCells));
    }

    J words = J::MakeArray();
    for (int i = 1; i <= state.WordCount; ++i) {
        const TWordRecord& record = state.WordList[i];
        const TWordPlacement& p = puzzle.Placements[i];
        words.Add(J::MakeObject({
            {"index", J::Number(i)},
            {"item", J::String(record.ItemText)},
            {"grid_word", J::String(record.GridWord)},
            {"clue", J::String(record.ClueText)},
            {"placed", J::Bool(p.Placed)},
            {"column", J::Number(p.Column)},
            {"row", J::Number(p.Row)},
            {"direction", J::Number(p.Direction)},
            {"path", J::String(Widen(p.Path))},
        }));
    }

    J displayOrder = J::MakeArray();
    J unplaced = J::MakeArray();
    for (int k = 1; k <= state.WordCount; ++k) {
        const int i = state.DisplayIndex[k];
        displayOrder.Add(J::Number(i));
        if (!puzzle.Placements[i].Placed) unplaced.Add(J::String(state.WordList[i].GridWord));
    }

    J directionCounts = J::MakeArray();
    for (const std::int32_t count : puzzle.DirectionCounts) directionCounts.Add(J::Number(count));

    return J::MakeObject({
        {"columns", J::Number(puzzle.ActualColumns)},
        {"rows", J::Number(puzzle.ActualRows)},
        {"constructed", J::Bool(puzzle.Constructed)},
        {"grid", std::move(grid)},
        {"words", std::move(words)},
        {"display_order", std::move(displayOrder)},
        {"unplaced", std::move(unplaced)},
        {"cell_words", std::move(cellWords)},
        {"first_letters", std::move(firstLetters)},
        {"direction_counts", std::move(directionCounts)},
    });
}

std::string MakeCommand::Help() const {
    return "Usage: vorlix-cli make [OPTIONS...] [FILE...]\n"
           "\n"
           "Builds one puzzle from word-list lines and prints it. The --word lines come first,\n"
           "then every line of each FILE (UTF-8; '-' reads standard input). A line holds one or\n"
           "more items separated by commas; 'word/clue' gives a word its clue.\n"
           "\n"
           "Options:\n"
           "  --seed N            seed of the random generator, 0..4294967295 (default: the clock)\n"
           "  --columns N         columns, 1..100, or 0 for automatic (default 0)\n"
           "  --rows N            rows, 1..100, or 0 for automatic (default 0)\n"
           "  --directions LIST   comma-separated N,NE,E,SE,S,SW,W,NW (default all eight)\n"
           "  --sharing N         0 no crossing, 1 cross, 2 intersect, 3 share some, 4 share all (default 2)\n"
           "  --caps NAME         AllUpper, AllLower, FirstLetter or AsGiven (default AllUpper)\n"
           "  --hidden TEXT       hidden message laid into the free cells; \\n is a line break\n"
           "  --word LINE         a word-list line; may be repeated\n"
           "  --transform V       turn or mirror the finished grid, 0..7; may be repeated\n"
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
    const std::vector<std::u16string> lines = ReadMakeLines(options, io.in);

    ConsoleMessageHost host(io.err);
    // The engine objects hold fixed arrays of several hundred kilobytes each.
    auto state = std::make_unique<TEngineState>(host);
    auto result = std::make_unique<TWordSearch>(*state);
    auto trial = std::make_unique<TWordSearch>(*state);

    state->ResetSettings();
    state->Settings.HiddenMessage = options.hiddenMessage;
    state->Settings.PuzzleOptions = options.hiddenMessage.empty() ? 0 : Option_HiddenMessage;
    state->Settings.Capitalization = options.capitalization;
    state->Settings.SetSharingLevel(options.sharing);
    for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, options.directions[d] ? CheckedDirectionWeight : 0);
    state->ClearList();
    for (const std::u16string& line : lines) state->Words_ProcessLine(line);
    state->FinishList();
    if (options.seed) state->SetSeed(*options.seed);

    TWordSearch* puzzle = result->MakePuzzle(trial.get(), options.columns, options.rows);
    if (puzzle == nullptr) return ExitFailure;  // the engine has already said why
    for (const int variant : options.transforms) puzzle->Transform(variant);

    io.out << (options.json ? WriteJson(PuzzleToJson(*puzzle)) : FormatPuzzleText(*puzzle));
    return ExitSuccess;
}

}  // namespace vorlix::cli
