// vorlix-cli book: many puzzles in one print-ready PDF, with an optional paper check.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command.h"

namespace vorlix::cli {

struct BookArguments {
    std::optional<std::string> output;  // a .pdf file
    std::string trim = "8.5x11";
    bool bleed = false;
    bool largePrint = false;
    std::optional<std::string> title, subtitle, author;
    bool noContents = false;
    int answersPerPage = 0;  // 0: the trim's default
    std::optional<std::uint32_t> seed;
    bool paperCheck = false;
    std::optional<std::string> pool;
    int puzzles = 0;
    int wordsPerPuzzle = 0;
    bool titleFromName = true;
    bool usePreferences = false;
    bool help = false;
    std::vector<std::string> files;
};

// Throws UsageError naming the first bad argument or clash.
BookArguments ParseBookArguments(const std::vector<std::string>& arguments);

class BookCommand : public Command {
public:
    std::string_view Name() const override { return "book"; }
    std::string_view Summary() const override { return "Make a print-ready book of many puzzles (PDF)"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
