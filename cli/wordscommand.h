// vorlix-cli words: import word-list files and print or export the resulting lines.
#pragma once

#include "command.h"

namespace vorlix::cli {

class WordsCommand : public Command {
public:
    std::string_view Name() const override { return "words"; }
    std::string_view Summary() const override { return "Import word lists; print them or export them"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
