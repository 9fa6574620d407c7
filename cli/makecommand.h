// vorlix-cli make: build one puzzle from word-list lines, print it and optionally save it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "puzzle.h"

namespace vorlix::cli {

struct MakeOptions {
    std::optional<std::uint32_t> seed;
    int columns = 0;  // 0: automatic
    int rows = 0;
    // Unset: the defaults of a new puzzle (all eight directions, sharing 2, AllUpper
    // unless --use-preferences brings others).
    std::optional<std::array<bool, 9>> directions;  // 1..8
    std::optional<int> sharing;
    std::optional<TCapitalization> capitalization;
    std::u16string hiddenMessage;
    std::optional<TPuzzleType> type;
    std::vector<std::string> wordLines;  // UTF-8 as typed
    std::vector<std::string> titleLines;
    std::vector<std::string> worksheetLeft;
    std::vector<std::string> worksheetRight;
    std::vector<std::string> instructions;
    bool noInstructions = false;
    std::optional<std::string> credits;
    bool usePreferences = false;
    std::optional<int> accidental;  // unset: taboo, or the stored preference
    std::vector<int> transforms;
    TPackMode pack = TPackMode::Classic;
    std::optional<std::string> language;  // canonical BCP 47; unset: detected from the list
    std::optional<TFillerMode> filler;    // unset: by the list (or the stored preference)
    std::optional<int> packLimitMs;  // unset: the engine's 2 seconds
    std::vector<std::string> files;  // "-" is standard input
    std::optional<std::string> output;  // a .ws file
    bool json = false;
    bool help = false;
};

// Throws UsageError naming the first bad argument or the first clash between options.
MakeOptions ParseMakeArguments(const std::vector<std::string>& arguments);

class MakeCommand : public Command {
public:
    std::string_view Name() const override { return "make"; }
    std::string_view Summary() const override { return "Build a puzzle from a word list, print it, save it"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
