// The subcommands of vorlix-cli: each is one Command, looked up by name from main.
#pragma once

#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::cli {

constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1;  // the work could not be finished (output not written)
constexpr int ExitUsage = 2;    // bad arguments or unreadable input; nothing was done

constexpr std::string_view ProgramName = "vorlix-cli";

struct CommandIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Standard output is a terminal: file texts are printed with TerminalSafe.
    bool terminal = false;
};

// A problem with what the user typed or named; its text is shown as one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Command {
public:
    virtual ~Command() = default;
    virtual std::string_view Name() const = 0;
    virtual std::string_view Summary() const = 0;
    virtual std::string Help() const = 0;
    // Throws UsageError for bad arguments before it has produced any output.
    virtual int Execute(const std::vector<std::string>& arguments, CommandIo& io) = 0;
};

const std::vector<std::unique_ptr<Command>>& AllCommands();
Command* FindCommand(std::string_view name);

std::string GeneralUsage();

// Everything main does, given the arguments after the program name.
int RunCli(const std::vector<std::string>& arguments, CommandIo& io);

}  // namespace vorlix::cli
