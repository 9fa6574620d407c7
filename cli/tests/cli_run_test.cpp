// End-to-end checks of the built vorlix-cli binary: arguments in, exit status and output out.
#include <algorithm>
#include <array>
#include <set>
#include <sstream>

#include "clirun.h"

namespace vorlix::cli::testing {
namespace {

std::vector<std::string> Items(const Json& puzzle) {
    std::vector<std::string> items;
    for (const Json& word : puzzle["words"].items) items.push_back(word["item"].text);
    return items;
}

// Protects: the JSON object carries every key, in order, and its parts agree with each other
// (grid letters, cell word lists and first-letter marks all follow the placements).
TEST_F(CliRun, JsonHasEveryKeyAndConsistentParts) {
    const Json p = RunJson({"--seed", "11", "--columns", "8", "--rows", "6", "--word", "cat/a pet, dog",
                            "--word", "horse", "--word", "hippopotamus", "--word", "a\tb/x\"y\\z"});
    std::vector<std::string> keys;
    for (const auto& member : p.members) keys.push_back(member.first);
    EXPECT_EQ(keys, (std::vector<std::string>{"columns", "rows", "constructed", "grid", "words", "display_order",
                                              "unplaced", "cell_words", "first_letters", "direction_counts"}));
    EXPECT_EQ(p["columns"].number, 8);
    EXPECT_EQ(p["rows"].number, 6);
    EXPECT_TRUE(p["constructed"].boolean);
    ASSERT_EQ(p["words"].items.size(), 5u);
    const Json& cat = p["words"][0];
    EXPECT_EQ(cat["index"].number, 1);
    EXPECT_EQ(cat["grid_word"].text, "CAT");
    EXPECT_EQ(cat["clue"].text, "a pet");
    EXPECT_EQ(cat["path"].text, "");
    EXPECT_EQ(p["words"][4]["item"].text, "a\tb/x\"y\\z");
    EXPECT_FALSE(p["words"][3]["placed"].boolean);  // 12 letters never fit in 8 x 6
    ASSERT_EQ(p["unplaced"].items.size(), 1u);
    EXPECT_EQ(p["unplaced"][0].text, "HIPPOPOTAMUS");
    // Display order is by grid word: A\tB, CAT, DOG, HIPPOPOTAMUS, HORSE.
    std::vector<std::int64_t> order;
    for (const Json& i : p["display_order"].items) order.push_back(i.number);
    EXPECT_EQ(order, (std::vector<std::int64_t>{5, 1, 2, 4, 3}));
    EXPECT_EQ(p["direction_counts"].items.size(), 9u);

    ASSERT_EQ(p["grid"].items.size(), 6u);
    ASSERT_EQ(p["cell_words"].items.size(), 6u);
    for (const Json& row : p["cell_words"].items) ASSERT_EQ(row.items.size(), 8u);
    for (const Json& row : p["grid"].items) EXPECT_EQ(row.text.size(), 8u) << row.text;

    static constexpr std::array<int, 9> Dx = {0, 0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr std::array<int, 9> Dy = {0, -1, -1, 0, 1, 1, 1, 0, -1};
    std::set<std::pair<std::int64_t, std::int64_t>> starts;
    for (const Json& w : p["words"].items) {
        if (!w["placed"].boolean) continue;
        const std::int64_t d = w["direction"].number;
        std::int64_t c = w["column"].number, r = w["row"].number;
        starts.insert({r, c});
        for (const char letter : w["grid_word"].text) {
            EXPECT_EQ(p["grid"][r - 1].text[c - 1], letter) << w["item"].text;
            const auto& list = p["cell_words"][r - 1][c - 1].items;
            EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const Json& i) { return i.number == w["index"].number; }));
            c += Dx[d];
            r += Dy[d];
        }
    }
    std::set<std::pair<std::int64_t, std::int64_t>> flagged;
    for (const Json& cell : p["first_letters"].items) flagged.insert({cell[1].number, cell[0].number});
    EXPECT_EQ(flagged, starts);
}

// Protects: a given seed makes the whole output repeatable, and the seed really is used.
TEST_F(CliRun, SeedMakesOutputRepeatable) {
    const std::vector<std::string> words = {"--word", "giraffe, zebra, lion, tiger, okapi, hyena, rhino, kudu"};
    for (const std::string mode : {"--json", "--caps=AsGiven"}) {
        auto args = [&](const std::string& seed) {
            std::vector<std::string> a = {"make", mode, "--seed", seed};
            a.insert(a.end(), words.begin(), words.end());
            return a;
        };
        const RunResult first = Run(args("0"));
        ASSERT_EQ(first.status, 0) << first.err;
        EXPECT_EQ(Run(args("0")).out, first.out) << mode;
        EXPECT_NE(Run(args("4294967295")).out, first.out) << mode;
    }
}

// Protects: every kind of bad argument is refused before anything is built: status 2, one
// line on standard error naming the problem, nothing on standard output.
TEST_F(CliRun, BadArgumentsAreRefusedWithOneLine) {
    const std::string missing = (dir_ / "no-such-list.txt").string();
    struct Case {
        std::vector<std::string> arguments;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        {{"make", "--colour", "red"}, "--colour"},
        {{"make", "-x"}, "-x"},
        {{"make", "--seed"}, "--seed"},
        {{"make", "--word"}, "--word"},
        {{"make", "--columns", "101"}, "101"},
        {{"make", "--rows", "-1"}, "-1"},
        {{"make", "--seed", "4294967296"}, "4294967296"},
        {{"make", "--seed", "12x"}, "12x"},
        {{"make", "--seed="}, "--seed"},
        {{"make", "--sharing", "5"}, "--sharing"},
        {{"make", "--transform", "8"}, "--transform"},
        {{"make", "--caps", "Shouting"}, "Shouting"},
        {{"make", "--directions", "N,NNE"}, "NNE"},
        {{"make", "--directions", "N,,E"}, "empty direction"},
        {{"make", "--json=yes"}, "--json"},
        {{"make", "--word", "cat", missing}, "no-such-list.txt"},
        {{"make", dir_.string()}, dir_.string()},
        {{"paint"}, "paint"},
    };
    for (const Case& c : cases) {
        const RunResult run = Run(c.arguments);
        std::string shown;
        for (const std::string& a : c.arguments) shown += a + " ";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_TRUE(run.err.starts_with("vorlix-cli: ")) << shown << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << shown << run.err;
    }
}

// Protects: help is a success, a missing command is a usage error.
TEST_F(CliRun, HelpAndMissingCommand) {
    const RunResult help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("make"), std::string::npos);
    const RunResult makeHelp = Run({"make", "--help"});
    EXPECT_EQ(makeHelp.status, 0);
    EXPECT_NE(makeHelp.out.find("--transform"), std::string::npos);
    const RunResult nothing = Run({});
    EXPECT_EQ(nothing.status, 2);
    EXPECT_NE(nothing.err.find("Usage"), std::string::npos);
}

// Protects: --word lines come first, then each file's lines in order; a byte-order mark is
// dropped, CR LF, LF and CR all end lines, and a file that is not UTF-8 is read as Windows-1252.
TEST_F(CliRun, WordLinesThenFilesInOrder) {
    const std::string list = WriteFile("list.txt", "\xEF\xBB\xBFmango\r\nkiwi\rpear\n\n");
    const Json p = RunJson({"--seed", "1", "--word", "zebra", "--word", "apple", list, "-"}, "fig\ncaf\xE9");
    EXPECT_EQ(Items(p), (std::vector<std::string>{"zebra", "apple", "mango", "kiwi", "pear", "fig", "caf\xC3\xA9"}));
}

// Protects: letters outside the basic plane survive: a pair split over two rows is written
// as \u escapes in the rows, and stays one character in the word itself.
TEST_F(CliRun, SurrogatePairsStayExact) {
    const Json p = RunJson({"--seed", "4", "--columns", "1", "--rows", "3", "--directions", "S", "--word",
                            "\xF0\x9F\x90\xB1x"});
    EXPECT_EQ(p["words"][0]["grid_word"].text, "\xF0\x9F\x90\xB1X");
    ASSERT_TRUE(p["words"][0]["placed"].boolean);
    std::string column;
    for (const Json& row : p["grid"].items) column += row.text;
    EXPECT_EQ(column, "\\ud83d\\udc31X");
}

// Protects: each --transform is applied, in order, to every placement of the built grid.
TEST_F(CliRun, TransformsMoveEveryPlacement) {
    const std::vector<std::string> base = {"--seed", "5", "--columns", "7", "--rows", "4", "--word",
                                           "ant, bee, wasp, moth, gnat, flea"};
    auto with = [&](std::vector<std::string> extra) {
        extra.insert(extra.begin(), base.begin(), base.end());
        return RunJson(extra);
    };
    const Json plain = with({});
    const Json rotated = with({"--transform", "1"});
    const Json back = with({"--transform", "1", "--transform=3"});
    EXPECT_EQ(rotated["columns"].number, 4);
    EXPECT_EQ(rotated["rows"].number, 7);
    static constexpr std::array<int, 9> RotateLeft = {0, 7, 8, 1, 2, 3, 4, 5, 6};
    int placed = 0;
    for (std::size_t i = 0; i < plain["words"].items.size(); ++i) {
        const Json& before = plain["words"][i];
        if (!before["placed"].boolean) continue;
        ++placed;
        const Json& after = rotated["words"][i];
        EXPECT_EQ(after["column"].number, before["row"].number);
        EXPECT_EQ(after["row"].number, 7 - before["column"].number + 1);
        EXPECT_EQ(after["direction"].number, RotateLeft[before["direction"].number]);
        for (const char* key : {"column", "row", "direction"})
            EXPECT_EQ(back["words"][i][key].number, before[key].number) << key;
    }
    EXPECT_GT(placed, 0);
}

// Protects: the hidden message fills the free cells in reading order (\n is a line break
// that is not laid), and there is no message without --hidden.
TEST_F(CliRun, HiddenMessageFillsFreeCellsInReadingOrder) {
    auto messageCells = [](const Json& p) {
        std::string letters;
        for (std::size_t r = 0; r < p["cell_words"].items.size(); ++r)
            for (std::size_t c = 0; c < p["cell_words"][r].items.size(); ++c) {
                const auto& list = p["cell_words"][r][c].items;
                if (list.size() == 1 && list[0].number == 5001) letters += p["grid"][r].text[c];
            }
        return letters;
    };
    const std::vector<std::string> args = {"--seed", "3", "--columns", "10", "--rows", "10", "--caps", "AsGiven",
                                           "--word", "cat"};
    std::vector<std::string> hidden = args;
    hidden.insert(hidden.end(), {"--hidden", "Hi!\\nYou"});
    EXPECT_EQ(messageCells(RunJson(hidden)), "Hi!You");
    EXPECT_EQ(messageCells(RunJson(args)), "");
}

// Protects: --directions and --sharing reach the engine.
TEST_F(CliRun, DirectionsAndSharingReachTheEngine) {
    const std::string words = "stone, tones, notes, onset, seton, steno";
    const Json eastSouth = RunJson({"--seed", "2", "--directions", "e, S", "--word", words});
    for (const Json& w : eastSouth["words"].items) {
        const std::int64_t d = w["direction"].number;
        EXPECT_TRUE(!w["placed"].boolean || d == 3 || d == 5) << w["item"].text << " runs " << d;
    }

    const Json apart = RunJson({"--seed", "2", "--sharing", "0", "--columns", "9", "--rows", "9", "--word", words});
    for (const Json& row : apart["cell_words"].items)
        for (const Json& cell : row.items) EXPECT_LE(cell.items.size(), 1u);
}

// Protects: the text output shows the grid, the placed words and the words that did not fit.
TEST_F(CliRun, TextOutputListsGridAndWords) {
    const RunResult run = Run({"make", "--seed", "9", "--columns", "5", "--rows", "3", "--directions", "E", "--word",
                               "owl, elephant"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    for (int r = 0; r < 3; ++r) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.size(), 9u) << line;  // five letters, four blanks
    }
    EXPECT_NE(run.out.find("OWL"), std::string::npos);
    EXPECT_NE(run.out.find("East"), std::string::npos);
    EXPECT_NE(run.out.find("Words that did not fit: 1\nELEPHANT\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace vorlix::cli::testing
