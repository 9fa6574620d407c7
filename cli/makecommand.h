// vorlix-cli make: build one puzzle from word-list lines and print it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "jsonwriter.h"
#include "wordsearch.h"

namespace vorlix::cli {

struct MakeOptions {
    std::optional<std::uint32_t> seed;
    int columns = 0;  // 0: automatic
    int rows = 0;
    std::array<bool, 9> directions{false, true, true, true, true, true, true, true, true};  // 1..8
    int sharing = ShareIntersect;
    TCapitalization capitalization = TCapitalization::AllUpper;
    std::u16string hiddenMessage;
    std::vector<std::string> wordLines;  // UTF-8 as typed
    std::vector<int> transforms;
    std::vector<std::string> files;  // "-" is standard input
    bool json = false;
    bool help = false;
};

// Throws UsageError naming the first bad argument.
MakeOptions ParseMakeArguments(const std::vector<std::string>& arguments);

// The --word lines, then every line of every file. Throws UsageError when a file cannot be read.
std::vector<std::u16string> ReadMakeLines(const MakeOptions& options, std::istream& standardInput);

std::string FormatPuzzleText(const TWordSearch& puzzle);
JsonValue PuzzleToJson(const TWordSearch& puzzle);

class MakeCommand : public Command {
public:
    std::string_view Name() const override { return "make"; }
    std::string_view Summary() const override { return "Build a puzzle from a word list and print it"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
