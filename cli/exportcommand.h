// vorlix-cli export: the export window's operations on a puzzle file.
#pragma once

#include "command.h"

namespace vorlix::cli {

class ExportCommand : public Command {
public:
    std::string_view Name() const override { return "export"; }
    std::string_view Summary() const override { return "Export a puzzle file as a web page, text or picture"; }
    std::string Help() const override;
    int Execute(const std::vector<std::string>& arguments, CommandIo& io) override;
};

}  // namespace vorlix::cli
