// vorlix-cli show: open a puzzle file, print it, optionally turn it and save it again.
#pragma once

#include "command.h"

namespace vorlix::cli {

class ShowCommand : public Command {
public:
    std::string_view Name() const override { return "show"; }
    std::string_view Summary() const override { return "Open a puzzle file, print it, save it again"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
