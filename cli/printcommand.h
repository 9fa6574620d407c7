// vorlix-cli print: the print page's job, on a printer or into a PDF file.
#pragma once

#include "command.h"

namespace vorlix::cli {

class PrintCommand : public Command {
public:
    std::string_view Name() const override { return "print"; }
    std::string_view Summary() const override { return "Print a puzzle file, or print it into a PDF file"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
