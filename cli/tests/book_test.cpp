// vorlix-cli book end to end: bad arguments, the written PDF read back with poppler-utils,
// repeatable seeds and the paper check's exit status.
#include <cstdio>
#include <regex>
#include <sstream>

#include "clirun.h"

namespace vorlix::cli::testing {
namespace {

class Book : public CliRun {
protected:
    // The output of a poppler-utils tool on a file.
    std::string Tool(const std::string& tool, const std::string& file, const std::string& options = "") {
        const std::string to = tool == "pdftotext" ? " -" : "";
        const std::string command = tool + " " + options + " '" + file + "'" + to + " 2>/dev/null";
        std::string text;
        if (std::FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
            pclose(pipe);
        }
        return text;
    }
    std::string Info(const std::string& file) { return Tool("pdfinfo", file); }
    Strings Lists() {
        return {WriteFile("fruit.txt", "apple\nbanana\ncherry\ngrape\nlemon\nmango\npeach\npear\n"),
                MakeFile("msg.ws", {"--seed", "3", "--word", "owl, emu, kiwi, hen, jay", "--hidden", "GO TEAM",
                                    "--title", "Birds"}),
                WriteFile("trees.txt", "oak\nelm\nash\nfir\nyew\nbeech\nlarch\n")};
    }
};

// Protects: a bad argument is named on one line with exit 2 and nothing written.
TEST_F(Book, BadArgumentsAreNamed) {
    const std::string list = WriteFile("l.txt", "cat\ndog\n");
    const std::string out = Path("b.pdf");
    const std::pair<Strings, std::string> cases[] = {
        {{"book", list}, "book needs -o BOOK.pdf"},
        {{"book", "-o", out}, "book needs puzzle files or word lists, or --pool LIST"},
        {{"book", "-o", Path("b.txt"), list}, "must end in .pdf"},
        {{"book", "-o", out, "--trim", "5x8", list}, "unknown value '5x8' for --trim (use 6x9, 7x10"},
        {{"book", "-o", out, "--answers-per-page", "10", list}, "expected a whole number from 1 to 9"},
        {{"book", "-o", out, "--pool", list}, "--pool needs --puzzles N and --words-per-puzzle K"},
        {{"book", "-o", out, "--puzzles", "3", list}, "--puzzles and --words-per-puzzle go with --pool LIST"},
        {{"book", "-o", out, "--title-from", "dir", list}, "unknown value 'dir' for --title-from"},
        {{"book", "-o", out, "--pool", list, "--puzzles", "2", "--words-per-puzzle", "2"},
         "The list has 2 different words; 2 puzzles of 2 words need 4."},
        {{"book", "-o", out, Path("none.txt")}, "none.txt"},
    };
    for (const auto& [arguments, message] : cases) {
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out));
    }
}

// Protects: 6x9 and 8.5x11 books, with and without bleed and large print, pass the paper
// check; the PDF has the trim's page size, an even count, every font embedded, the
// headings and page numbers; a short book is warned about.
TEST_F(Book, PrintReadyPdf) {
    const Strings lists = Lists();
    const std::tuple<std::string, bool, bool, std::string> books[] = {
        {"6x9", false, false, "432 x 648"},
        {"6x9", true, true, "441 x 666"},
        {"8.5x11", true, false, "621 x 810"},
        {"8.5x11", false, true, "612 x 792"},
    };
    for (const auto& [trim, bleed, large, size] : books) {
        const std::string out = Path("book.pdf");
        Strings arguments = {"book", "-o", out, "--trim", trim, "--seed", "5", "--title", "Sample", "--paper-check"};
        if (bleed) arguments.push_back("--bleed");
        if (large) arguments.push_back("--large-print");
        arguments.insert(arguments.end(), lists.begin(), lists.end());
        const RunResult run = Run(arguments);
        ASSERT_EQ(run.status, 0) << trim << run.out << run.err;
        EXPECT_NE(run.out.find("Paper check passed"), std::string::npos);
        EXPECT_NE(run.err.find("print services ask for at least 24"), std::string::npos);
        const std::string info = Info(out);
        EXPECT_NE(info.find("Page size:       " + size), std::string::npos) << info;
        std::smatch pages;
        ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages: +(\\d+)")));
        EXPECT_EQ(std::stoi(pages[1]) % 2, 0);
        const std::string fonts = Tool("pdffonts", out);
        // The emb column, fifth from the end of each font's line, always says yes.
        std::istringstream lines(fonts);
        int fontCount = 0;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            const Strings w{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
            if (w.size() < 7 || w[0] == "name" || w[0].starts_with("---")) continue;
            EXPECT_EQ(w[w.size() - 5], "yes") << line;
            ++fontCount;
        }
        EXPECT_GE(fontCount, 2);
        const std::string text = Tool("pdftotext", out, "-layout");
        for (const char* heading : {"Sample", "Contents", "Puzzle 1", "Puzzle 3", "Solutions", "Puzzle 2 (page",
                                    "Hidden message: GO TEAM", "fruit", "trees"})
            EXPECT_NE(text.find(heading), std::string::npos) << heading;
        EXPECT_TRUE(std::regex_search(text, std::regex("\\n\\s+2\\s*\\n"))) << "page number 2";
    }
}

// Protects: the seed makes the book repeatable, and a pooled book puts no word in two
// puzzles; the paper check's verdict is the exit status.
TEST_F(Book, SeedRepeatsPooledBook) {
    std::string pool;
    for (const char* w : {"ant", "bee", "cat", "dog", "eel", "fox", "gnu", "hen", "ibis", "jay", "koi", "lynx", "mole",
                          "newt", "orca", "puma", "quail", "rat", "seal", "toad", "urchin", "vole", "wasp", "yak"})
        pool += std::string(w) + "\n";
    const std::string list = WriteFile("pool.txt", pool);
    const auto make = [&](const std::string& name) {
        return Run({"book", "-o", Path(name), "--pool", list, "--puzzles", "4", "--words-per-puzzle", "6", "--seed",
                    "11", "--no-contents", "--title-from", "none"});
    };
    ASSERT_EQ(make("a.pdf").status, 0);
    ASSERT_EQ(make("b.pdf").status, 0);
    const std::regex date("/CreationDate \\(D:\\d+Z\\)");
    EXPECT_EQ(std::regex_replace(Slurp(Path("a.pdf")), date, ""), std::regex_replace(Slurp(Path("b.pdf")), date, ""));
    const std::string a = Tool("pdftotext", Path("a.pdf"));
    EXPECT_EQ(a.find("Contents"), std::string::npos);
    EXPECT_EQ(a.find("pool 1"), std::string::npos);
    // Each word is listed once under its puzzle (the solutions show grids only).
    for (const char* w : {"ant", "wasp", "urchin", "yak", "gnu", "bee"}) {
        const std::string word = std::string("\n") + w + "\n";
        std::size_t count = 0;
        for (std::size_t at = a.find(word); at != std::string::npos; at = a.find(word, at + 1)) ++count;
        EXPECT_EQ(count, 1u) << w;
    }
}

}  // namespace
}  // namespace vorlix::cli::testing
