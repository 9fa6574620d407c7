// Argument parsing shared by the subcommands: each command lists its options in one table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"

namespace vorlix::cli {

// Digits only, within low..high; throws UsageError naming the option otherwise.
std::uint64_t ParseNumber(std::string_view option, const std::string& text, std::uint64_t low, std::uint64_t high);

// ASCII letters upper-cased; names of choices compare without regard to case.
std::string Upper(std::string_view text);
std::string_view Trim(std::string_view text);

// The choice whose name matches text without regard to case; throws UsageError listing
// the names otherwise.
template <class Value>
struct NamedChoice {
    std::string_view name;
    Value value;
};
template <class Value>
Value ParseChoice(std::string_view option, const std::string& text, std::span<const NamedChoice<Value>> choices) {
    for (const auto& choice : choices)
        if (Upper(choice.name) == Upper(text)) return choice.value;
    std::string names;
    for (const auto& choice : choices) names += (names.empty() ? "" : ", ") + std::string(choice.name);
    throw UsageError("unknown value '" + text + "' for " + std::string(option) + " (use " + names + ")");
}

template <class Options>
struct OptionRule {
    std::string_view name;
    bool takesValue;
    void (*apply)(Options& options, std::string_view name, const std::string& value);
};

// Options may come before, between or after the other arguments; "--name=value" and
// "--name value" are the same, "--" ends the options and "-" is an argument.
template <class Options>
std::vector<std::string> ParseArguments(const std::vector<std::string>& arguments,
                                        std::span<const OptionRule<Options>> table, std::string_view command,
                                        Options& options) {
    std::vector<std::string> positional;
    bool argumentsOnly = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (argumentsOnly || argument == "-" || !argument.starts_with("-")) {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            argumentsOnly = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto rule = std::find_if(table.begin(), table.end(), [&](const auto& r) { return r.name == name; });
        if (rule == table.end())
            throw UsageError("unknown option '" + name + "' (run 'vorlix-cli " + std::string(command) +
                             " --help' for the options)");
        std::string value;
        if (!rule->takesValue) {
            if (equals != std::string::npos) throw UsageError("option '" + name + "' takes no value");
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (k + 1 < arguments.size()) {
            value = arguments[++k];
        } else {
            throw UsageError("option '" + name + "' needs a value");
        }
        rule->apply(options, rule->name, value);
    }
    return positional;
}

// Refuses an output name whose ending does not match what will be written into it.
void RequireEnding(std::string_view option, const std::string& name, std::string_view ending, std::string_view what);
bool EndsWithNoCase(std::string_view name, std::string_view ending);

}  // namespace vorlix::cli
