// show, words, export and print end to end.
#include <tuple>

#include "clirun.h"

namespace vorlix::cli::testing {
namespace {

class Commands : public CliRun {
protected:
    // The model object of show --json for a puzzle made from the arguments.
    QJsonObject ShowModel(const std::string& name, const Strings& arguments) {
        const RunResult run = Run({"show", MakeFile(name, arguments), "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return ParseJson(run.out)["model"].toObject();
    }
};

Strings OutputLines(const std::string& text) {
    Strings lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Protects: saving and reopening loses nothing: show writes back the very bytes make saved,
// for every kind of puzzle; a turned puzzle is saved as show printed it.
TEST_F(Commands, SavedPuzzleReopensByteForByte) {
    const std::vector<Strings> makes = {
        {"--seed", "7", "--word", "cat/a pet", "--type", "clues"},
        {"--seed", "8", "--word", "owl, emu, kiwi", "--hidden", "Well\\ndone", "--caps", "AsGiven", "--columns", "9",
         "--rows", "7", "--directions", "E,S,SE", "--sharing", "4", "--transform", "5"},
        {"--seed", "9", "--word", "red/colour of fire\ngreen", "--type", "clues-hidden", "--hidden", "Go", "--title",
         "Colours", "--title", "Second set", "--worksheet-left", "Name ____", "--worksheet-right", "Date ____",
         "--instructions", "Look closely.", "--credits", "Made by Ada"},
        {"--seed", "10", "--word", "\xC3\xA9t\xC3\xA9, \xF0\x9F\x90\xB1" "cat", "--no-instructions"},
        {"--seed", "11", "--word", "lion, tiger, zebra, hippopotamus", "--pack", "tight", "--columns", "7", "--rows",
         "7"},
    };
    for (std::size_t n = 0; n < makes.size(); ++n) {
        const std::string tag = std::to_string(n), a = MakeFile("a" + tag + ".ws", makes[n]);
        const std::string b = Path("b" + tag + ".ws"), c = Path("c" + tag + ".ws");
        EXPECT_EQ(Run({"show", a, "-o", b}).status, 0);
        EXPECT_EQ(Slurp(b), Slurp(a)) << "case " << tag;
        const RunResult turned = Run({"show", a, "--transform", "1", "--json", "-o", c});
        ASSERT_EQ(turned.status, 0) << turned.err;
        const std::string reopened = Run({"show", c, "--json"}).out;
        EXPECT_EQ(reopened.substr(0, reopened.find("\"cell_words\"")),
                  turned.out.substr(0, turned.out.find("\"cell_words\""))) << "case " << tag;
    }
}

// Protects: the tight search is chosen on the command line, kept in the file, and its build
// says why a word stayed out.
TEST_F(Commands, TightPackingIsKeptAndExplained) {
    const Strings words = {"--seed", "3", "--word", "cat, dog, hippopotamus", "--columns", "6", "--rows", "6"};
    Strings tight = words;
    tight.insert(tight.end(), {"--pack", "tight"});
    const std::string file = MakeFile("tight.ws", tight);
    EXPECT_NE(Slurp(file).find("PackMode=Tight"), std::string::npos);
    EXPECT_EQ(Slurp(MakeFile("classic.ws", words)).find("PackMode"), std::string::npos);
    Strings make = {"make"};
    make.insert(make.end(), tight.begin(), tight.end());
    const RunResult made = Run(make);
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.out.find("HIPPOPOTAMUS (longer than the grid)"), std::string::npos) << made.out;
    EXPECT_EQ(Run({"make", "--pack", "snug", "--word", "cat"}).status, 2);
}

// Protects: show prints the opened puzzle in make's shapes: the grid and placements equal what
// make printed, and the model object holds every text and option make was given.
TEST_F(Commands, ShowReportsWhatMakeWasGiven) {
    const Strings arguments = {
        "--seed", "21", "--word", "cat/a pet, dog/it barks", "--type", "clues", "--title", "Pets", "--title",
        "At home", "--worksheet-left", "Name ____", "--worksheet-right", "Date ____", "--worksheet-right",
        "Class ____", "--instructions", "Find the pets.", "--credits", "By Ada", "--directions", "E,S", "--sharing",
        "1", "--caps", "AsGiven", "--columns", "9", "--rows", "8"};
    const std::string file = MakeFile("pets.ws", arguments);
    Strings json = arguments;
    json.insert(json.begin(), {"make", "--json"});
    const std::string made = Run(json).out;
    const RunResult shown = Run({"show", file, "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    // Size, grid, placements, display order and unplaced words come before the cell lists.
    const std::size_t cells = made.find("\"cell_words\"");
    EXPECT_EQ(shown.out.substr(0, cells), made.substr(0, cells));

    const QJsonObject m = ParseJson(shown.out)["model"].toObject();
    const QJsonObject given = {
        {"title", QJsonArray{"Pets", "At home"}}, {"worksheet_left", QJsonArray{"Name ____"}},
        {"worksheet_right", QJsonArray{"Date ____", "Class ____"}}, {"instructions", QJsonArray{"Find the pets."}},
        {"auto_instructions", 1}, {"word_list", QJsonArray{"cat/a pet, dog/it barks"}}, {"credits_line", "By Ada"},
        {"hidden_option", false}, {"clues_option", true},
        {"directions", QJsonArray{false, false, true, false, true, false, false, false}}, {"sharing", 1},
        {"capitalization", "AsGiven"}, {"requested_columns", 9}, {"requested_rows", 8}};
    for (auto it = given.begin(); it != given.end(); ++it) EXPECT_EQ(m[it.key()], it.value()) << it.key().toStdString();
    EXPECT_EQ(m["page_format"]["GridFontSize"], 12);
    EXPECT_EQ(m["page_format"]["MarginWidth"], 0.75);
}

// Protects: the puzzle type follows --type, or without it the hidden message's presence, and
// the standard instructions follow the type and directions until the user gives their own or none.
TEST_F(Commands, TypeHiddenMessageAndInstructions) {
    // the options, then hidden, clues, the start of the instructions ("": none), auto_instructions
    const std::vector<std::tuple<Strings, bool, bool, std::string, int>> cases = {
        {{"--hidden", ""}, false, false, "Find the words in the grid. Words can go", 0},
        {{"--hidden", "Yes"}, true, false, "Find the words in the grid. When you are done", 0},
        {{"--type", "Clues-Hidden", "--hidden", "Go"}, true, true, "Figure out", 0},
        {{"--type", "standard", "--directions", "E,S"}, false, false,
         "Find the words in the grid. Words can go across and down only.", 0},
        {{"--no-instructions"}, false, false, "", 1},
    };
    for (const auto& [options, hidden, clues, instructions, automatic] : cases) {
        Strings arguments = {"--seed", "1", "--word", "cat"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const QJsonObject m = ShowModel("t.ws", arguments);
        EXPECT_EQ(m["hidden_option"], hidden) << options.back();
        EXPECT_EQ(m["clues_option"], clues) << options.back();
        EXPECT_EQ(m["instructions"].toArray().isEmpty(), instructions.empty()) << options.back();
        EXPECT_TRUE(Text(m["instructions"][0]).starts_with(instructions)) << Text(m["instructions"][0]);
        EXPECT_EQ(m["auto_instructions"], automatic) << options.back();
    }
}

// Protects: --use-preferences starts from the stored preferences (directions, sharing,
// capitalization, worksheet, credits name), options given still win, and without it the
// store is not read at all.
TEST_F(Commands, StoredPreferencesOnlyWhenAsked) {
    fs::create_directories(dir_ / "config" / "Tandrel");
    WriteFile("config/Tandrel/Kestov.conf",
              "[General]\nCapitalizationPref=AllLower\nDirsPref=FFTFTFFF\nShareLevelPref=0\nYourName=Ada\n"
              "DefaultLeftWorkSheet=Name ___%0D%0A\n");
    const QJsonArray stored = {"Name ___"}, none;
    const std::vector<std::tuple<Strings, QJsonValue, int, bool, bool, QJsonValue, QJsonArray>> cases = {
        // the options, then capitalization, sharing, N and E, credits name, left worksheet
        {{"--use-preferences"}, "AllLower", 0, false, true, "Ada", stored},
        {{"--use-preferences", "--caps", "AllUpper", "--sharing", "3", "--directions", "N"}, "AllUpper", 3, true,
         false, "Ada", stored},
        {{}, "AllUpper", 2, true, true, "", none},
    };
    for (const auto& [options, caps, sharing, north, east, name, worksheet] : cases) {
        Strings arguments = {"--seed", "2", "--word", "Cat"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const QJsonObject m = ShowModel("p.ws", arguments);
        EXPECT_EQ(m["capitalization"], caps) << sharing;
        EXPECT_EQ(m["sharing"], sharing) << sharing;
        EXPECT_EQ(m["directions"][0], north) << sharing;
        EXPECT_EQ(m["directions"][2], east) << sharing;
        EXPECT_EQ(m["created_by"], name) << sharing;
        EXPECT_EQ(m["worksheet_left"], worksheet) << sharing;
    }
}

// Protects: words imports each kind of word-list file as the import rules take it, with clues
// joined only for a clue puzzle, and exports to a .thm name as word TAB | clue, to any other
// name as the lines, each ending in CR LF.
TEST_F(Commands, WordsImportsAndExports) {
    struct Case {
        std::string name, bytes;
        bool clues;
        Strings lines;
    };
    const std::vector<Case> cases = {
        {"list.txt", "cat/a pet\r\n\r\ndog, emu\n", false, {"cat/a pet", "", "dog, emu"}},
        {"latin.txt", "caf\xE9\n", false, {"caf\xC3\xA9"}},
        {"pets.thm", "cat\t|A pet\nowl\n", true, {"cat /A pet", "owl /"}},
        {"pets.thm", "cat\t|A pet\nowl\n", false, {"cat", "owl"}},
        {"old.WS", "QZ_WSFileFormat=1.0\nREQUESTED WORD LIST:\n\tred\n\tblue/sky\nEND REQUESTED WORD LIST\n\tpink\n", false,
         {"red", "blue/sky"}},
        {"cross.gmr", "x\nTHEME WORDS:\n\t12\t3\tDOG\t|A barking pet\nEND THEME WORDS\n", true, {"DOG /A barking pet"}},
    };
    for (const Case& c : cases) {
        Strings arguments = {"words", WriteFile(c.name, c.bytes)};
        if (c.clues) arguments.push_back("--clues");
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(OutputLines(run.out), c.lines) << c.name;
    }
    EXPECT_EQ(OutputLines(Run({"words", WriteFile("a.txt", "one\n"), "-"}, "two\n").out), (Strings{"one", "two"}));

    const std::string list = WriteFile("in.txt", "cat / a pet\nowl\n");
    EXPECT_EQ(Run({"words", list, "--clues", "-o", Path("out.THM")}).status, 0);
    EXPECT_EQ(Run({"words", list, "--clues", "-o", Path("out.txt")}).status, 0);
    EXPECT_EQ(Slurp(Path("out.THM")), "cat\t| a pet\r\nowl\r\n");
    EXPECT_EQ(Slurp(Path("out.txt")), "cat / a pet\r\nowl\r\n");
}

// Protects: every export format writes its own kind of file under the name the export window
// would give it, and reports that name.
TEST_F(Commands, ExportFormatsWriteTheirSignature) {
    const std::string file = MakeFile("p.ws", {"--seed", "5", "--word", "cat/a pet, dog, owl", "--title", "Pets"});
    struct Case {
        Strings options;
        std::string name, written;  // as given to -o, as completed
        std::size_t at;             // npos: anywhere
        std::string signature;
    };
    const std::vector<Case> cases = {
        {{"--format", "bmp"}, "pic", "pic.BMP", 0, "BM"},
        {{"--format", "png"}, "pic", "pic.png", 0, "\x89PNG\r\n\x1a\n"},
        {{"--format", "svg", "--include", "title,grid"}, "pic", "pic.svg", std::string::npos, "<svg"},
        {{"--format", "emf"}, "vec", "vec.EMF", 40, " EMF"},
        {{"--format", "html"}, "page.htm", "page.htm", 0, "<html>"},
        {{"--format", "html-fragment", "--include", "title,grid"}, "part.htm", "part.htm", 0, "\r\n<!--  TITLE  -->"},
        {{"--format", "text", "--spacing", "0", "--include", "title"}, "pets.txt", "pets.txt", 0, "Pets\r\n\r\n"},
        {{"--format", "play"}, "play.html", "play.html", 0, "<!DOCTYPE html>\n"},
        {{"--format", "play", "--mystery"}, "secret.html", "secret.html", std::string::npos, "\"mystery\":true"},
    };
    for (const Case& c : cases) {
        Strings arguments = {"export", file, "-o", Path(c.name)};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const RunResult run = Run(arguments);
        ASSERT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(run.err, "") << c.name;
        EXPECT_EQ(run.out, Path(c.written) + "\n");
        const std::string bytes = Slurp(Path(c.written));
        if (c.at == std::string::npos)
            EXPECT_NE(bytes.find(c.signature), std::string::npos) << c.written;
        else
            EXPECT_EQ(bytes.substr(c.at, c.signature.size()), c.signature) << c.written;
    }
}

// Protects: the print job's sheet plan reaches the PDF: copies, forms and solution choices give
// the right number of sheets, all-unique copies each followed by their own solution.
TEST_F(Commands, PrintIntoPdfHasEverySheet) {
    const std::string file = MakeFile("p.ws", {"--seed", "5", "--word", "cat, dog, owl, emu, yak"});
    const std::vector<std::pair<Strings, int>> cases = {
        {{}, 2},
        {{"--copies", "4", "--forms", "unique", "--solutions", "one"}, 8},
        {{"--copies", "5", "--forms", "2"}, 7},
        {{"--copies", "3", "--solutions", "many", "--paper", "a4"}, 6},
    };
    for (const auto& [options, pages] : cases) {
        Strings arguments = {"print", file, "-o", Path("out.pdf")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const RunResult run = Run(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const std::string pdf = Slurp(Path("out.pdf"));
        EXPECT_TRUE(pdf.starts_with("%PDF-"));
        int found = 0;  // page objects, not the page tree ("/Type /Pages")
        for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
            if (at + 11 >= pdf.size() || pdf[at + 11] != 's') ++found;
        EXPECT_EQ(found, pages) << arguments.back();
    }
    // Only the PDF is left: the temporary it was printed into is gone.
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_TRUE(entry.path().filename() == "out.pdf" ||
                    entry.path().filename().string().find("pdf") == std::string::npos) << entry.path();
}

}  // namespace
}  // namespace vorlix::cli::testing
