// words, export and print end to end, and the refusals of every new option.
#include <algorithm>

#include "clirun.h"

namespace vorlix::cli::testing {
namespace {

std::vector<std::string> OutputLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) value = value << 8 | static_cast<unsigned char>(bytes.at(at + k));
    return value;
}

// PDF page objects, not the page tree ("/Type /Pages").
int PdfPages(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        if (at + 11 >= pdf.size() || pdf[at + 11] != 's') ++pages;
    return pages;
}

// Protects: each kind of word-list file gives the lines the import rules take from it, with
// clues joined only for a clue puzzle.
TEST_F(CliRun, WordsImportsEachKind) {
    struct Case {
        std::string name;
        std::string bytes;
        bool clues;
        std::vector<std::string> lines;
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
        const std::string path = WriteFile(c.name, c.bytes);
        std::vector<std::string> arguments = {"words", path};
        if (c.clues) arguments.push_back("--clues");
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(OutputLines(run.out), c.lines) << c.name;
    }
    const RunResult both = Run({"words", WriteFile("a.txt", "one\n"), "-"}, "two\n");
    EXPECT_EQ(OutputLines(both.out), (std::vector<std::string>{"one", "two"}));
}

// Protects: the export side of words: a .thm name with clues splits "word/clue" into
// word TAB | clue, any other name keeps the lines, each ending in CR LF.
TEST_F(CliRun, WordsExportsByName) {
    const std::string list = WriteFile("in.txt", "cat / a pet\nowl\n");
    const std::string thm = (dir_ / "out.THM").string();
    const std::string txt = (dir_ / "out.txt").string();
    EXPECT_EQ(Run({"words", list, "--clues", "-o", thm}).status, 0);
    EXPECT_EQ(Run({"words", list, "--clues", "-o", txt}).status, 0);
    EXPECT_EQ(Slurp(thm), "cat\t| a pet\r\nowl\r\n");
    EXPECT_EQ(Slurp(txt), "cat / a pet\r\nowl\r\n");
}

// Protects: every export format writes its own kind of file under the name the export window
// would give it, and reports that name.
TEST_F(CliRun, ExportFormatsWriteTheirSignature) {
    const std::string file = MakeFile("p.ws", {"--seed", "5", "--word", "cat/a pet, dog, owl", "--title", "Pets"});
    struct Case {
        std::vector<std::string> options;
        std::string name;     // as given to -o
        std::string written;  // as completed
        std::size_t at;
        std::string signature;
    };
    const std::vector<Case> cases = {
        {{"--format", "bmp"}, "pic", "pic.BMP", 0, "BM"},
        {{"--format", "png"}, "pic", "pic.png", 0, "\x89PNG\r\n\x1a\n"},
        {{"--format", "png", "--solution"}, "sol.PNG", "sol.PNG", 0, "\x89PNG"},
        {{"--format", "svg", "--include", "title,grid"}, "pic", "pic.svg", std::string::npos, "<svg"},
        {{"--format", "emf"}, "vec", "vec.EMF", 40, " EMF"},
        {{"--format", "emf", "--solution", "--include", "title"}, "sol.emf", "sol.emf", 40, " EMF"},
        {{"--format", "html"}, "page.htm", "page.htm", 0, "<html>"},
        {{"--format", "html-fragment", "--include", "title,grid"}, "part.htm", "part.htm", 0, "\r\n<!--  TITLE  -->"},
        {{"--format", "text", "--spacing", "0", "--include", "title"}, "pets.txt", "pets.txt", 0, "Pets\r\n\r\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"export", file, "-o", (dir_ / c.name).string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const RunResult run = Run(arguments);
        ASSERT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(run.err, "") << c.name;
        EXPECT_EQ(run.out, (dir_ / c.written).string() + "\n");
        const std::string bytes = Slurp(dir_ / c.written);
        if (c.at == std::string::npos)
            EXPECT_NE(bytes.find(c.signature), std::string::npos) << c.written;
        else
            EXPECT_EQ(bytes.substr(c.at, c.signature.size()), c.signature) << c.written;
    }
    const RunResult page = Run({"export", file, "--format", "html", "-o", "-"});
    EXPECT_TRUE(page.out.starts_with("<html><head>\r\n")) << page.out.substr(0, 40);
}

// Protects: the bitmap size is the export window's suggestion from the pixels per cell (held
// to 30..2000), or exactly the width and height given.
TEST_F(CliRun, BitmapSizeFollowsCellsOrAsked) {
    const std::string file =
        MakeFile("small.ws", {"--seed", "1", "--columns", "3", "--rows", "3", "--word", "cat", "--directions", "E"});
    struct Case {
        std::vector<std::string> options;
        std::uint32_t width;
        std::uint32_t height;
    };
    const std::vector<Case> cases = {
        {{"--include", "grid"}, 60, 60},
        {{"--include", "grid", "--pixels-per-cell", "5"}, 30, 30},  // 15 x 15, raised to the least
        {{"--include", "grid", "--pixels-per-cell", "50"}, 150, 150},
        {{"--width", "123", "--height", "45"}, 123, 45},
    };
    for (const Case& c : cases) {
        const std::string out = (dir_ / "size.png").string();
        std::vector<std::string> arguments = {"export", file, "--format", "png", "-o", out};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const RunResult run = Run(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string png = Slurp(out);
        EXPECT_EQ(BigEndian32(png, 16), c.width) << c.options.back();
        EXPECT_EQ(BigEndian32(png, 20), c.height) << c.options.back();
    }
}

// Protects: the print job's sheet plan reaches the PDF: copies, forms and solution choices give
// the right number of sheets, all-unique copies each followed by their own solution.
TEST_F(CliRun, PrintIntoPdfHasEverySheet) {
    const std::string file = MakeFile("p.ws", {"--seed", "5", "--word", "cat, dog, owl, emu, yak"});
    struct Case {
        std::vector<std::string> options;
        int pages;
    };
    const std::vector<Case> cases = {
        {{}, 2},
        {{"--copies", "4", "--forms", "unique", "--solutions", "one"}, 8},
        {{"--copies", "5", "--forms", "2"}, 7},
        {{"--copies", "3", "--solutions", "many", "--paper", "a4"}, 6},
        {{"--copies", "3", "--forms", "3", "--solutions", "none", "--paper", "Legal"}, 3},
    };
    for (const Case& c : cases) {
        const std::string pdf = (dir_ / "out.pdf").string();
        std::vector<std::string> arguments = {"print", file, "-o", pdf};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const RunResult run = Run(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const std::string bytes = Slurp(pdf);
        EXPECT_TRUE(bytes.starts_with("%PDF-"));
        EXPECT_EQ(PdfPages(bytes), c.pages) << arguments.back();
    }
    // Only the PDF is left: the temporary it was printed into is gone.
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".vorlix")) << entry.path();
}

// Protects: the all-unique copies are new puzzles, and the same file prints the same puzzles
// each time (the generator is reseeded as the print page's diagram does).
TEST_F(CliRun, UniqueCopiesRepeat) {
    const std::string file = MakeFile("p.ws", {"--seed", "5", "--word", "cat, dog, owl, emu, yak, gnu, ant"});
    const std::string one = (dir_ / "one.pdf").string();
    const std::string two = (dir_ / "two.pdf").string();
    const std::vector<std::string> options = {"--copies", "2", "--forms", "unique", "--solutions", "none"};
    auto print = [&](const std::string& pdf) {
        std::vector<std::string> arguments = {"print", file, "-o", pdf};
        arguments.insert(arguments.end(), options.begin(), options.end());
        EXPECT_EQ(Run(arguments).status, 0);
    };
    print(one);
    print(two);
    // The files differ in dates and font objects; the pages' drawing does not.
    auto streams = [](const std::string& pdf) {
        std::vector<std::string> pages;
        for (std::size_t at = pdf.find("/Contents "); at != std::string::npos; at = pdf.find("/Contents ", at + 1)) {
            const std::string object = "\n" + pdf.substr(at + 10, pdf.find(' ', at + 10) - at - 10) + " 0 obj";
            const std::size_t start = pdf.find("stream\n", pdf.find(object));
            pages.push_back(pdf.substr(start, pdf.find("endstream", start) - start));
        }
        return pages;
    };
    const auto a = streams(Slurp(one));
    ASSERT_EQ(a.size(), 2u);
    EXPECT_TRUE(a == streams(Slurp(two)));
    EXPECT_NE(a[0], a[1]);
}

// Protects: a file the reader refuses is the reader's message and status 1, and nothing is saved.
TEST_F(CliRun, ShowRefusesWrongFormat) {
    const std::string bad = WriteFile("bad.ws", "QZ_WSFileFormat=1.0 \r\nEND.\r\n");
    const RunResult run = Run({"show", bad, "-o", (dir_ / "copy.ws").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vorlix-cli: " + bad + " has an unknown file format.\n");
    EXPECT_FALSE(fs::exists(dir_ / "copy.ws"));
}

// Protects: every bad argument of the new options is refused before anything is written:
// status 2, one line naming the problem, nothing on standard output, no output file.
TEST_F(CliRun, NewOptionsRefuseBadArguments) {
    const std::string ws = MakeFile("p.ws", {"--seed", "1", "--columns", "3", "--rows", "3", "--word", "cat"});
    const std::string out = (dir_ / "out").string();
    const std::string missing = (dir_ / "missing.ws").string();
    struct Case {
        std::vector<std::string> arguments;
        std::string mentions;
    };
    const std::vector<Case> cases = {
        // make
        {{"make", "--type", "fancy"}, "fancy"},
        {{"make", "--type", "standard", "--hidden", "x"}, "--hidden"},
        {{"make", "--type", "clues", "--hidden", "x"}, "--hidden"},
        {{"make", "--instructions", "a", "--no-instructions"}, "--no-instructions"},
        {{"make", "--credits", "a", "--credits", "b"}, "--credits"},
        {{"make", "--word", "cat", "-o", out + ".txt"}, ".ws"},
        // show
        {{"show"}, "one puzzle file"},
        {{"show", missing, "-o", out + ".ws"}, "missing.ws"},
        {{"show", ws, "-o", out + ".wsx"}, ".ws"},
        {{"show", ws, "--transform", "9", "-o", out + ".ws"}, "--transform"},
        // words
        {{"words"}, "at least one file"},
        {{"words", missing, "-o", out + ".txt"}, "missing.ws"},
        // export
        {{"export", ws, "-o", out}, "--format"},
        {{"export", ws, "--format", "gif", "-o", out}, "gif"},
        {{"export", ws, "--format", "png"}, "-o"},
        {{"export", missing, "--format", "png", "-o", out}, "missing.ws"},
        {{"export", ws, "--format", "text", "--solution", "-o", out}, "solution"},
        {{"export", ws, "--format", "html", "--include", "solution", "-o", out}, "solution"},
        {{"export", ws, "--format", "png", "--include", "grid,bogus", "-o", out}, "bogus"},
        {{"export", ws, "--format", "png", "--include", "", "-o", out}, "--include"},
        {{"export", ws, "--format", "png", "--solution", "--include", "grid", "-o", out}, "solution"},
        {{"export", ws, "--format", "png", "-o", out + ".bmp"}, ".png"},
        {{"export", ws, "--format", "bmp", "-o", out + ".png"}, "BMP"},
        {{"export", ws, "--format", "emf", "-o", out + ".svg"}, "EMF"},
        {{"export", ws, "--format", "png", "-o", "-"}, "standard output"},
        {{"export", ws, "--format", "png", "--spacing", "1", "-o", out}, "--spacing"},
        {{"export", ws, "--format", "text", "--pixels-per-cell", "9", "-o", out}, "--pixels-per-cell"},
        {{"export", ws, "--format", "png", "--pixels-per-cell", "400", "-o", out}, "at most 333"},
        {{"export", ws, "--format", "png", "--width", "100", "-o", out}, "--height"},
        {{"export", ws, "--format", "png", "--width", "9", "--height", "9", "--pixels-per-cell", "9", "-o", out},
         "--pixels-per-cell"},
        // print
        {{"print", ws, "--copies", "0", "-o", out + ".pdf"}, "--copies"},
        {{"print", ws, "--forms", "9", "-o", out + ".pdf"}, "--forms"},
        {{"print", ws, "--solutions", "all", "-o", out + ".pdf"}, "all"},
        {{"print", ws, "--paper", "a3", "-o", out + ".pdf"}, "a3"},
        {{"print", ws, "-o", out + ".ps"}, ".pdf"},
        {{"print", ws, "--printer", "P", "-o", out + ".pdf"}, "--printer"},
        {{"print", ws, "--printer", "no-such-printer-here"}, "no-such-printer-here"},
        {{"print", missing, "-o", out + ".pdf"}, "missing.ws"},
    };
    for (const Case& c : cases) {
        const RunResult run = Run(c.arguments);
        std::string shown;
        for (const std::string& a : c.arguments) shown += a + " ";
        EXPECT_EQ(run.status, 2) << shown << run.err;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_TRUE(run.err.starts_with("vorlix-cli: ")) << shown << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << shown << run.err;
        for (const auto& entry : fs::directory_iterator(dir_))
            EXPECT_FALSE(entry.path().filename().string().starts_with("out")) << shown << entry.path();
    }
}

// Protects: a save that cannot be written is the Save command's warning and status 1, and
// leaves nothing behind.
TEST_F(CliRun, UnwritableOutputFails) {
    const std::string ws = MakeFile("p.ws", {"--seed", "1", "--word", "cat"});
    const std::string nowhere = (dir_ / "no-folder").string();
    const std::vector<std::vector<std::string>> runs = {
        {"make", "--word", "cat", "-o", nowhere + "/a.ws"},
        {"show", ws, "-o", nowhere + "/a.ws"},
        {"export", ws, "--format", "png", "-o", nowhere + "/a.png"},
        {"print", ws, "-o", nowhere + "/a.pdf"},
    };
    for (const auto& arguments : runs) {
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.status, 1) << arguments[0] << run.err;
        EXPECT_EQ(run.out, "") << arguments[0];
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments[0] << run.err;
    }
    EXPECT_FALSE(fs::exists(nowhere));
}

}  // namespace
}  // namespace vorlix::cli::testing
