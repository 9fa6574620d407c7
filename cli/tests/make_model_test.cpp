// make on the puzzle model and show: the earlier output stays, and a saved puzzle reopens as made.
#include <algorithm>

#include "clirun.h"

namespace vorlix::cli::testing {
namespace {

const std::string Data = VORLIX_CLI_TEST_DATA;

// Protects: for the arguments make took before it built on the puzzle model, its output is
// byte for byte what it was (engine calls, random draws, word parsing and printing unchanged).
TEST_F(CliRun, EarlierMakeOutputIsUnchanged) {
    const std::string animals = Data + "/issue2-animals.txt";
    const std::string list = Data + "/issue2-list.txt";
    struct Case {
        std::string golden;
        std::vector<std::string> arguments;
        std::string input;
    };
    const std::vector<Case> cases = {
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
         {"make", "--seed", "4294967295", "--directions", "W,nw,SouthWest", "--sharing", "4", "--caps", "AllLower", list,
          animals},
         ""},
        {"issue2-d.json", {"make", "--json", "--seed", "0"}, ""},
    };
    for (const Case& c : cases) {
        const RunResult run = Run(c.arguments, c.input);
        EXPECT_EQ(run.status, 0) << c.golden << run.err;
        EXPECT_EQ(run.err, "") << c.golden;
        EXPECT_EQ(run.out, Slurp(Data + "/" + c.golden)) << c.golden;
    }
}

// Protects: saving and reopening loses nothing: show writes back the very bytes make saved,
// for every kind of puzzle; a turned puzzle is saved as show printed it.
TEST_F(CliRun, SavedPuzzleReopensByteForByte) {
    const std::vector<std::vector<std::string>> makes = {
        {"--seed", "7", "--word", "cat/a pet", "--type", "clues"},
        {"--seed", "8", "--word", "owl, emu, kiwi", "--hidden", "Well\\ndone", "--caps", "AsGiven", "--columns", "9",
         "--rows", "7", "--directions", "E,S,SE", "--sharing", "4", "--transform", "5"},
        {"--seed", "9", "--word", "red/colour of fire\ngreen", "--type", "clues-hidden", "--hidden", "Go", "--title",
         "Colours", "--title", "Second set", "--worksheet-left", "Name ____", "--worksheet-right", "Date ____",
         "--instructions", "Look closely.", "--credits", "Made by Ada"},
        {"--seed", "10", "--word", "\xC3\xA9t\xC3\xA9, \xF0\x9F\x90\xB1" "cat", "--no-instructions"},
    };
    int n = 0;
    for (const auto& arguments : makes) {
        const std::string tag = std::to_string(++n);
        const std::string a = MakeFile("a" + tag + ".ws", arguments);
        const std::string b = (dir_ / ("b" + tag + ".ws")).string();
        const std::string c = (dir_ / ("c" + tag + ".ws")).string();
        EXPECT_EQ(Run({"show", a, "-o", b}).status, 0);
        EXPECT_EQ(Slurp(b), Slurp(a)) << "case " << tag;

        const RunResult turned = Run({"show", a, "--transform", "1", "--json", "-o", c});
        ASSERT_EQ(turned.status, 0) << turned.err;
        const RunResult reopened = Run({"show", c, "--json"});
        EXPECT_EQ(reopened.out.substr(0, reopened.out.find("\"cell_words\"")),
                  turned.out.substr(0, turned.out.find("\"cell_words\""))) << "case " << tag;
    }
}

// Protects: show prints the opened puzzle in make's shapes: the grid and placements equal what
// make printed, and the model object holds every text and option make was given.
TEST_F(CliRun, ShowReportsWhatMakeWasGiven) {
    const std::vector<std::string> arguments = {
        "--seed", "21", "--word", "cat/a pet, dog/it barks", "--type", "clues", "--title", "Pets", "--title",
        "At home", "--worksheet-left", "Name ____", "--worksheet-right", "Date ____", "--worksheet-right",
        "Class ____", "--instructions", "Find the pets.", "--credits", "By Ada", "--directions", "E,S", "--sharing",
        "1", "--caps", "AsGiven", "--columns", "9", "--rows", "8"};
    const std::string file = MakeFile("pets.ws", arguments);
    std::vector<std::string> json = arguments;
    json.insert(json.begin(), {"make", "--json"});
    const std::string made = Run(json).out;
    const RunResult shown = Run({"show", file, "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    // Size, grid, placements, display order and unplaced words come before the cell lists.
    const std::size_t cells = made.find("\"cell_words\"");
    EXPECT_EQ(shown.out.substr(0, cells), made.substr(0, cells));
    const Json p = JsonReader::Parse(shown.out);

    const Json& m = p["model"];
    EXPECT_EQ(Texts(m["title"]), (std::vector<std::string>{"Pets", "At home"}));
    EXPECT_EQ(Texts(m["worksheet_left"]), (std::vector<std::string>{"Name ____"}));
    EXPECT_EQ(Texts(m["worksheet_right"]), (std::vector<std::string>{"Date ____", "Class ____"}));
    EXPECT_EQ(Texts(m["instructions"]), (std::vector<std::string>{"Find the pets."}));
    EXPECT_EQ(m["auto_instructions"].number, 1);
    EXPECT_EQ(Texts(m["word_list"]), (std::vector<std::string>{"cat/a pet, dog/it barks"}));
    EXPECT_EQ(m["credits_line"].text, "By Ada");
    EXPECT_FALSE(m["hidden_option"].boolean);
    EXPECT_TRUE(m["clues_option"].boolean);
    std::vector<bool> directions;
    for (const Json& d : m["directions"].items) directions.push_back(d.boolean);
    EXPECT_EQ(directions, (std::vector<bool>{false, false, true, false, true, false, false, false}));
    EXPECT_EQ(m["sharing"].number, 1);
    EXPECT_EQ(m["capitalization"].text, "AsGiven");
    EXPECT_EQ(m["requested_columns"].number, 9);
    EXPECT_EQ(m["requested_rows"].number, 8);
    EXPECT_EQ(m["page_format"]["GridFontSize"].number, 12);
    EXPECT_EQ(m["page_format"]["MarginWidth"].real, 0.75);
}

// Protects: the puzzle type follows --type, or without it the hidden message's presence, and
// the standard instructions follow the type until the user gives their own or none.
TEST_F(CliRun, TypeHiddenMessageAndInstructions) {
    struct Case {
        std::vector<std::string> arguments;
        bool hidden;
        bool clues;
        std::string instructionsStart;  // "" for no instructions
        int autoInstructions;
    };
    const std::vector<Case> cases = {
        {{}, false, false, "Find the words in the grid. Words can go", 0},
        {{"--hidden", ""}, false, false, "Find the words", 0},
        {{"--hidden", "Yes"}, true, false, "Find the words in the grid. When you are done", 0},
        {{"--type", "hidden"}, true, false, "Find the words in the grid. When you are done", 0},
        {{"--type", "clues"}, false, true, "Figure out what words the clues represent.", 0},
        {{"--type", "Clues-Hidden", "--hidden", "Go"}, true, true, "Figure out", 0},
        {{"--type", "standard", "--directions", "E,S"}, false, false, "Find the words in the grid. Words can go across and down only.", 0},
        {{"--instructions", "Circle them.", "--instructions", "Then rest."}, false, false, "Circle them.", 1},
        {{"--no-instructions"}, false, false, "", 1},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"--seed", "1", "--word", "cat"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const Json m = ShowModel(MakeFile("t" + std::to_string(++n) + ".ws", arguments));
        EXPECT_EQ(m["hidden_option"].boolean, c.hidden) << "case " << n;
        EXPECT_EQ(m["clues_option"].boolean, c.clues) << "case " << n;
        const std::vector<std::string> text = Texts(m["instructions"]);
        if (c.instructionsStart.empty())
            EXPECT_TRUE(text.empty()) << "case " << n;
        else
            EXPECT_TRUE(!text.empty() && text[0].starts_with(c.instructionsStart)) << "case " << n << ": " << text[0];
        EXPECT_EQ(m["auto_instructions"].number, c.autoInstructions) << "case " << n;
    }
}

// Protects: --use-preferences starts from the stored preferences (directions, sharing,
// capitalization, worksheet, credits name), options given still win, and without it the
// store is not read at all.
TEST_F(CliRun, StoredPreferencesOnlyWhenAsked) {
    fs::create_directories(dir_ / "config" / "Tandrel");
    WriteFile("config/Tandrel/Kestov.conf",
              "[General]\nCapitalizationPref=AllLower\nDirsPref=FFTFTFFF\nShareLevelPref=0\nYourName=Ada\n"
              "DefaultLeftWorkSheet=Name ___%0D%0A\n");
    const std::vector<std::string> base = {"--seed", "2", "--word", "Cat"};
    auto model = [&](const std::string& name, std::vector<std::string> extra) {
        extra.insert(extra.begin(), base.begin(), base.end());
        return ShowModel(MakeFile(name, extra));
    };
    const Json stored = model("p1.ws", {"--use-preferences"});
    EXPECT_EQ(stored["capitalization"].text, "AllLower");
    EXPECT_EQ(stored["sharing"].number, 0);
    EXPECT_FALSE(stored["directions"][0].boolean);
    EXPECT_TRUE(stored["directions"][2].boolean);
    EXPECT_EQ(stored["created_by"].text, "Ada");
    EXPECT_EQ(Texts(stored["worksheet_left"]), (std::vector<std::string>{"Name ___"}));

    const Json overridden = model("p2.ws", {"--use-preferences", "--caps", "AllUpper", "--sharing", "3", "--directions", "N"});
    EXPECT_EQ(overridden["capitalization"].text, "AllUpper");
    EXPECT_EQ(overridden["sharing"].number, 3);
    EXPECT_TRUE(overridden["directions"][0].boolean);
    EXPECT_FALSE(overridden["directions"][2].boolean);

    const Json builtIn = model("p3.ws", {});
    EXPECT_EQ(builtIn["capitalization"].text, "AllUpper");
    EXPECT_EQ(builtIn["sharing"].number, 2);
    EXPECT_EQ(builtIn["created_by"].text, "");
    EXPECT_TRUE(Texts(builtIn["worksheet_left"]).empty());
}

// Protects: make's FILE arguments follow the import rules: a theme word file's clue is joined
// as "word /clue" in a clue puzzle, a puzzle file gives its word list, and at most 500 lines
// are taken, with the limit (and not the 250-line question) on standard error.
TEST_F(CliRun, MakeImportsFilesByKind) {
    const std::string thm = WriteFile("pets.thm", "cat\t|a small pet\r\ndog\r\n");
    const Json clues = RunJson({"--seed", "3", "--type", "clues", thm});
    ASSERT_EQ(clues["words"].items.size(), 2u);
    EXPECT_EQ(clues["words"][0]["item"].text, "cat /a small pet");
    EXPECT_EQ(clues["words"][0]["clue"].text, "a small pet");
    EXPECT_EQ(clues["words"][1]["item"].text, "dog /");
    const Json plain = RunJson({"--seed", "3", thm});
    EXPECT_EQ(plain["words"][0]["item"].text, "cat");

    const std::string ws = MakeFile("source.ws", {"--seed", "4", "--word", "emu/a bird", "--word", "yak"});
    EXPECT_EQ(RunJson({"--seed", "5", ws})["words"].items.size(), 2u);

    std::string many;
    for (int i = 0; i < 620; ++i) many += "w" + std::to_string(i) + "\n";
    const RunResult run = Run({"make", "--seed", "6", "--word", "first", "-", "-o", (dir_ / "many.ws").string()}, many);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "vorlix-cli: Limiting the number of lines to 500 lines.\n");
    const Json m = ShowModel((dir_ / "many.ws").string());
    ASSERT_EQ(m["word_list"].items.size(), 500u);
    EXPECT_EQ(m["word_list"][0].text, "first");
    EXPECT_EQ(m["word_list"][499].text, "w498");
}

}  // namespace
}  // namespace vorlix::cli::testing
