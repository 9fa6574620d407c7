#include "command.h"

#include <ostream>

#include "bookcommand.h"
#include "exportcommand.h"
#include "makecommand.h"
#include "printcommand.h"
#include "showcommand.h"
#include "utf8.h"
#include "wordscommand.h"

namespace vorlix::cli {

const std::vector<std::unique_ptr<Command>>& AllCommands() {
    static const std::vector<std::unique_ptr<Command>> commands = [] {
        std::vector<std::unique_ptr<Command>> list;
        list.push_back(std::make_unique<MakeCommand>());
        list.push_back(std::make_unique<ShowCommand>());
        list.push_back(std::make_unique<WordsCommand>());
        list.push_back(std::make_unique<ExportCommand>());
        list.push_back(std::make_unique<PrintCommand>());
        list.push_back(std::make_unique<BookCommand>());
        return list;
    }();
    return commands;
}

Command* FindCommand(std::string_view name) {
    for (const auto& command : AllCommands())
        if (command->Name() == name) return command.get();
    return nullptr;
}

std::string GeneralUsage() {
    std::string text = "Usage: vorlix-cli COMMAND [OPTIONS...]\n\nCommands:\n";
    for (const auto& command : AllCommands()) {
        std::string name(command->Name());
        name.resize(10, ' ');
        text += "  " + name + std::string(command->Summary()) + "\n";
    }
    text += "\nRun 'vorlix-cli COMMAND --help' for the options of a command.\n";
    return text;
}

namespace {

void ReportError(CommandIo& io, std::string_view message) {
    // What the user typed may hold escape sequences too.
    io.err << ProgramName << ": " << Utf8Bytes(TerminalSafe(Utf8Text(message))) << '\n';
    io.err.flush();
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, CommandIo& io) {
    if (arguments.empty()) {
        io.err << GeneralUsage();
        return ExitUsage;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h" || name == "help") {
        const Command* command = arguments.size() > 1 && name == "help" ? FindCommand(arguments[1]) : nullptr;
        io.out << (command != nullptr ? command->Help() : GeneralUsage());
        io.out.flush();
        return ExitSuccess;
    }
    Command* command = FindCommand(name);
    if (command == nullptr) {
        ReportError(io, "unknown command '" + name + "' (run 'vorlix-cli --help' for the list)");
        return ExitUsage;
    }
    int status = ExitSuccess;
    try {
        status = command->Execute({arguments.begin() + 1, arguments.end()}, io);
    } catch (const UsageError& error) {
        ReportError(io, error.what());
        return ExitUsage;
    }
    io.out.flush();
    if (!io.out) {
        ReportError(io, "cannot write the output");
        return ExitFailure;
    }
    return status;
}

}  // namespace vorlix::cli
