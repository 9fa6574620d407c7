// make end to end, and the exit status and message of every kind of refusal.
#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <tuple>

#include "clirun.h"
#include "wordsearch.h"

namespace vorlix::cli::testing {
namespace {

const std::string Data = VORLIX_CLI_TEST_DATA;

// Protects: for the arguments make took before it built on the puzzle model, its output is
// byte for byte what it was (engine calls, random draws, word parsing and printing unchanged).
// The goldens were remade once when cells came: the JSON gained "cells", and lists with
// letters beyond A-Z gained Unicode case, collation and like-the-list filler.
TEST_F(CliRun, EarlierMakeOutputIsUnchanged) {
    const std::string animals = Data + "/issue2-animals.txt", list = Data + "/issue2-list.txt";
    const std::vector<std::tuple<std::string, Strings, std::string>> cases = {  // golden file, arguments, input
        {"issue2-a.json",
         {"make", "--json", "--seed", "7", "--word", "cat/a pet, dog", "--word", "horse", "--hidden", "Hi\\nthere",
          "--caps", "FirstLetter", "--sharing", "3", "--directions", "N,E,SE,S", "--transform", "1", "--transform", "6",
          animals},
         ""},
        {"issue2-b.json",
         {"make", "--json", "--seed", "12345", "--columns", "12", "--rows", "9", "--sharing", "0", "--caps", "AsGiven",
          "--word", "a\\tb/x\"y\\z", list, "-"},
         Slurp(animals)},
        {"issue2-c.txt",
         {"make", "--seed", "4294967295", "--directions", "W,nw,SouthWest", "--sharing", "4", "--caps", "AllLower",
          list, animals},
         ""},
        {"issue2-d.json", {"make", "--json", "--seed", "0"}, ""},
    };
    for (auto [golden, arguments, input] : cases) {
        // The goldens predate the accidental-word check.
        arguments.insert(arguments.begin() + 1, {"--accidental", "none"});
        const RunResult run = Run(arguments, input);
        EXPECT_EQ(run.status, 0) << golden << run.err;
        EXPECT_EQ(run.err, "") << golden;
        EXPECT_EQ(run.out, Slurp(Data + "/" + golden)) << golden;
    }
}

// Protects: a given seed makes the whole output repeatable, and the seed really is used.
TEST_F(CliRun, SeedMakesOutputRepeatable) {
    for (const std::string mode : {"--json", "--caps=AsGiven"}) {
        auto args = [&](const std::string& seed) {
            return Strings{"make", mode, "--seed", seed, "--word",
                           "giraffe, zebra, lion, tiger, okapi, hyena, rhino, kudu"};
        };
        const RunResult first = Run(args("0"));
        ASSERT_EQ(first.status, 0) << first.err;
        EXPECT_EQ(Run(args("0")).out, first.out) << mode;
        EXPECT_NE(Run(args("4294967295")).out, first.out) << mode;
    }
}

// Protects: the JSON object carries every key, in order, and its parts agree with each other
// (grid letters, cell word lists and first-letter marks all follow the placements).
TEST_F(CliRun, JsonHasEveryKeyAndConsistentParts) {
    const RunResult run = Run({"make", "--json", "--accidental", "none", "--seed", "11", "--columns", "8", "--rows", "6", "--word",
                               "cat/a pet, dog", "--word", "horse", "--word", "hippopotamus", "--word",
                               "a\tb/x\"y\\z"});
    ASSERT_EQ(run.status, 0) << run.err;
    Strings keys;  // the top-level keys, as written
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("  \"")) keys.push_back(line.substr(3, line.find('"', 3) - 3));
    EXPECT_EQ(keys, (Strings{"columns", "rows", "constructed", "grid", "cells", "words", "display_order", "unplaced",
                             "cell_words", "first_letters", "direction_counts"}));
    const QJsonObject p = ParseJson(run.out);
    EXPECT_EQ(p.size(), 11);
    EXPECT_EQ(p["columns"], 8);
    EXPECT_EQ(p["rows"], 6);
    EXPECT_EQ(p["constructed"], true);
    const QJsonArray words = p["words"].toArray();
    ASSERT_EQ(words.size(), 5);
    EXPECT_EQ(words[0]["index"], 1);
    EXPECT_EQ(words[0]["grid_word"], "CAT");
    EXPECT_EQ(words[0]["clue"], "a pet");
    EXPECT_EQ(words[0]["path"], "");
    EXPECT_EQ(words[4]["item"], "a\tb/x\"y\\z");
    EXPECT_EQ(words[3]["placed"], false);  // 12 letters never fit in 8 x 6
    EXPECT_EQ(p["unplaced"], QJsonArray{"HIPPOPOTAMUS"});
    // Display order is by grid word: A\tB, CAT, DOG, HIPPOPOTAMUS, HORSE.
    EXPECT_EQ(p["display_order"], (QJsonArray{5, 1, 2, 4, 3}));
    EXPECT_EQ(p["direction_counts"].toArray().size(), 9);

    const QJsonArray grid = p["grid"].toArray(), cells = p["cell_words"].toArray();
    ASSERT_EQ(grid.size(), 6);
    ASSERT_EQ(cells.size(), 6);
    for (const QJsonValue& row : cells) ASSERT_EQ(row.toArray().size(), 8);
    for (const QJsonValue& row : grid) EXPECT_EQ(row.toString().size(), 8) << Text(row);
    static constexpr std::array<int, 9> Dx = {0, 0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr std::array<int, 9> Dy = {0, -1, -1, 0, 1, 1, 1, 0, -1};
    std::set<std::pair<int, int>> starts, flagged;
    for (const QJsonValue& w : words) {
        if (!w["placed"].toBool()) continue;
        int c = w["column"].toInt(), r = w["row"].toInt();
        starts.insert({r, c});
        for (const QChar letter : w["grid_word"].toString()) {
            EXPECT_EQ(grid[r - 1].toString()[c - 1], letter) << Text(w["item"]);
            EXPECT_TRUE(cells[r - 1][c - 1].toArray().contains(w["index"])) << Text(w["item"]);
            c += Dx[w["direction"].toInt()];
            r += Dy[w["direction"].toInt()];
        }
    }
    for (const QJsonValue& cell : p["first_letters"].toArray()) flagged.insert({cell[1].toInt(), cell[0].toInt()});
    EXPECT_EQ(flagged, starts);
}

// Protects: --word lines come first, then each file's lines in order; a byte-order mark is
// dropped, CR LF, LF and CR all end lines, a file that is not UTF-8 is read as Windows-1252,
// and at most 500 lines are taken, with the limit (and not the 250-line question) on standard error.
TEST_F(CliRun, WordLinesThenFilesInOrder) {
    const std::string list = WriteFile("list.txt", "\xEF\xBB\xBFmango\r\nkiwi\rpear\n\n");
    const QJsonObject p = RunJson({"make", "--json", "--seed", "1", "--word", "zebra", "--word", "apple", list, "-"},
                                  "fig\ncaf\xE9");
    Strings items;
    for (const QJsonValue& word : p["words"].toArray()) items.push_back(Text(word["item"]));
    EXPECT_EQ(items, (Strings{"zebra", "apple", "mango", "kiwi", "pear", "fig", "caf\xC3\xA9"}));

    std::string many;
    for (int i = 0; i < 620; ++i) many += "w" + std::to_string(i) + "\n";
    const RunResult run = Run({"make", "--json", "--seed", "6", "--word", "first", "-"}, many);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "vorlix-cli: Limiting the number of lines to 500 lines.\n");
    const QJsonArray words = ParseJson(run.out)["words"].toArray();
    ASSERT_EQ(words.size(), 500);
    EXPECT_EQ(words[0]["item"], "first");
    EXPECT_EQ(words[499]["item"], "w498");
}

// Protects: the default level changes only filler and names each word it could not remove,
// with the letters the grid really holds there.
TEST_F(CliRun, TabooDefaultRedrawsFillerAndReportsWhatStays) {
    const Strings animals = {"horse", "cow", "sheep", "goat", "pig", "duck", "goose", "chicken", "turkey",
                             "rabbit", "donkey", "mule", "llama", "cat", "dog", "mouse", "rat", "ferret",
                             "parrot", "tiger", "lion", "bear", "wolf", "fox", "deer", "otter", "eagle",
                             "hawk", "owl", "robin", "crow", "raven", "heron", "moose", "beaver", "badger"};
    int changed = 0;
    for (const char* seed : {"1", "2", "3", "4", "5", "6"}) {
        Strings arguments = {"make", "--json", "--seed", seed};
        for (const std::string& w : animals) arguments.insert(arguments.end(), {"--word", w});
        Strings unchecked = arguments;
        unchecked.insert(unchecked.end(), {"--accidental", "none"});
        const QJsonObject checked = ParseJson(Run(arguments).out);
        const QJsonObject plain = ParseJson(Run(unchecked).out);
        EXPECT_FALSE(plain.contains("accidental")) << seed;
        ASSERT_TRUE(checked["accidental"].isArray()) << seed;
        EXPECT_EQ(checked["words"], plain["words"]) << "placements never move, seed " << seed;
        changed += checked["grid"] != plain["grid"] ? 1 : 0;
        const QJsonArray rows = checked["grid"].toArray();
        for (const QJsonValue& a : checked["accidental"].toArray()) {
            const std::string word = Text(a["word"]);
            int c = a["column"].toInt(), r = a["row"].toInt();
            const int d = a["direction"].toInt();
            ASSERT_TRUE(d >= 1 && d <= 8) << word;
            std::string read;
            for (std::size_t k = 0; k < word.size(); ++k, c += DirectionDx[d], r += DirectionDy[d])
                read += Text(rows[r - 1]).at(static_cast<std::size_t>(c - 1));
            EXPECT_EQ(read, word) << "seed " << seed;
        }
    }
    EXPECT_GT(changed, 0) << "no seed spelled anything the check removed";
}

// Protects: every kind of bad argument is refused before anything is done (status 2), and work
// that cannot be finished, a file the reader refuses or an output that cannot be written, is
// status 1: one line on standard error naming the problem (a write failure adds a second with
// the file and the system's reason), nothing on standard output, no file.
TEST_F(CliRun, RefusalsExitWithOneLine) {
    const std::string ws = MakeFile("p.ws", {"--seed", "1", "--columns", "3", "--rows", "3", "--word", "cat"});
    const std::string bad = WriteFile("bad.ws", "QZ_WSFileFormat=1.0 \r\nEND.\r\n");
    const std::string out = Path("out"), nowhere = Path("out-folder") + "/a";
    const std::vector<std::tuple<Strings, std::string, int>> cases = {  // the arguments, what the line names, status
        {{"paint"}, "paint", 2},
        {{"make", "--colour", "red"}, "--colour", 2},
        {{"make", "--seed"}, "--seed", 2},
        {{"make", "--json=yes"}, "--json", 2},
        {{"make", "--columns", "101"}, "101", 2},
        {{"make", "--accidental", "rude"}, "rude", 2},
        {{"make", "--directions", "N,,E"}, "empty direction", 2},
        {{"export", ws, "--format", "gif", "-o", out}, "gif", 2},
        {{"make", "--type", "standard", "--hidden", "x"}, "--hidden", 2},
        {{"export", ws, "--format", "png"}, "-o", 2},
        {{"export", ws, "--format", "html", "--mystery", "-o", out}, "--mystery", 2},
        {{"export", ws, "--format", "play", "--include", "grid", "-o", out}, "--include", 2},
        {{"show", ws, "-o", out + ".wsx"}, ".ws", 2},
        {{"show"}, "one puzzle file", 2},
        {{"make", "--word", "cat", Path("missing.txt")}, "missing.txt", 2},
        {{"print", ws, "--printer", "no-such-printer-here"}, "no-such-printer-here", 2},
        {{"show", bad, "-o", out + ".ws"}, bad + " has an unknown file format.\n", 1},
        {{"make", "--word", "cat", "-o", nowhere + ".ws"}, "\nvorlix-cli: " + nowhere + ".ws: No such file", 1},
        {{"export", ws, "--format", "png", "-o", nowhere + ".png"}, "\nvorlix-cli: " + nowhere + ".png: No such file",
         1},
        {{"print", ws, "-o", nowhere + ".pdf"}, "\nvorlix-cli: " + nowhere + ".pdf: No such file", 1},
    };
    for (const auto& [arguments, mentions, status] : cases) {
        const RunResult run = Run(arguments);
        const std::string shown = arguments[0] + " " + arguments.back();
        EXPECT_EQ(run.status, status) << shown << run.err;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_TRUE(run.err.starts_with("vorlix-cli: ")) << shown << run.err;
        const bool writeFailure = mentions.find(": No such file") != std::string::npos;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), writeFailure ? 2 : 1) << shown << run.err;
        EXPECT_NE(run.err.find(mentions), std::string::npos) << shown << run.err;
        for (const auto& entry : fs::directory_iterator(dir_))
            EXPECT_FALSE(entry.path().filename().string().starts_with("out")) << shown << entry.path();
    }
}

}  // namespace
}  // namespace vorlix::cli::testing

namespace vorlix::cli::testing {
namespace {

// Protects: --json gives each cell's text, the saved file's show gives the same cells, and a
// bad --language is refused with a message naming it.
TEST_F(CliRun, CellsInJsonAndLanguageOption) {
    const std::string file = Path("hi.ws");
    const RunResult made = Run({"make", "--json", "--seed", "3", "--word", "क्षति, नमस्ते, किताब", "-o", file});
    ASSERT_EQ(made.status, 0) << made.err;
    const QJsonObject p = QJsonDocument::fromJson(QByteArray::fromStdString(made.out)).object();
    const QJsonArray words = p["words"].toArray();
    EXPECT_EQ(words[0].toObject()["cells"].toArray(), (QJsonArray{QString::fromUtf8("क्ष"), QString::fromUtf8("ति")}));
    const RunResult shown = Run({"show", "--json", file});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(shown.out)).object()["cells"], p["cells"]);

    const RunResult bad = Run({"make", "--language", "xx-!!", "--word", "cat"});
    EXPECT_NE(bad.status, 0);
    EXPECT_NE(bad.err.find("'xx-!!' is not a language code"), std::string::npos) << bad.err;
    const RunResult russian = Run({"make", "--json", "--seed", "1", "--language", "RU", "--word", "кошка"});
    ASSERT_EQ(russian.status, 0) << russian.err;
    const QJsonArray ruWords = QJsonDocument::fromJson(QByteArray::fromStdString(russian.out)).object()["words"].toArray();
    EXPECT_EQ(ruWords[0].toObject()["grid_word"].toString(), QString::fromUtf8("КОШКА"));
}

}  // namespace
}  // namespace vorlix::cli::testing
