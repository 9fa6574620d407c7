// Argument parsing shared by the subcommands: each command lists its options in one table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
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

// Parses a command's arguments as ParseArguments does; when they ask for help (a "help"
// member set), prints the command's help and returns nothing.
template <class Options>
std::optional<std::vector<std::string>> ParseCommandArguments(const Command& command,
                                                              const std::vector<std::string>& arguments,
                                                              std::span<const OptionRule<Options>> table,
                                                              Options& options, std::ostream& out) {
    std::vector<std::string> positional = ParseArguments<Options>(arguments, table, command.Name(), options);
    if (!options.help) return positional;
    out << command.Help();
    return std::nullopt;
}

// The one puzzle file of show, export and print; throws UsageError for none or several.
const std::string& OnePuzzleFile(std::string_view command, const std::vector<std::string>& files);

// Rules several commands share. Flag<&Options::member>(name) is an option without a value
// that sets that member.
template <class>
struct MemberOf;
template <class Options, class Type>
struct MemberOf<Type Options::*> {
    using Owner = Options;
};
template <auto Member>
constexpr auto Flag(std::string_view name) {
    using Options = typename MemberOf<decltype(Member)>::Owner;
    return OptionRule<Options>{name, false, [](Options& o, std::string_view, const std::string&) { o.*Member = true; }};
}

// --transform V, 0..7, may be repeated.
template <class Options>
constexpr OptionRule<Options> TransformRule() {
    return {"--transform", true, [](Options& o, std::string_view n, const std::string& v) {
                o.transforms.push_back(static_cast<int>(ParseNumber(n, v, 0, 7)));
            }};
}

// --accidental none|taboo|all: the accidental-word check of builds and transforms.
int ParseAccidentalLevel(std::string_view option, const std::string& text);
template <class Options>
constexpr OptionRule<Options> AccidentalRule() {
    return {"--accidental", true, [](Options& o, std::string_view n, const std::string& v) {
                o.accidental = ParseAccidentalLevel(n, v);
            }};
}
// The help line of --accidental, the same for every command that takes it.
inline constexpr std::string_view AccidentalHelp =
    "  --accidental LEVEL  words the filler must not spell: none, taboo (the default:\n"
    "                      rude words and second copies of listed words) or all (also\n"
    "                      every dictionary word of five letters or more)\n";

// -o FILE.ws: the puzzle is saved there.
template <class Options>
constexpr OptionRule<Options> PuzzleOutputRule() {
    return {"-o", true, [](Options& o, std::string_view n, const std::string& v) {
                RequireEnding(n, v, ".ws", "a puzzle file");
                o.output = v;
            }};
}

// -o FILE with any name but an empty one.
template <class Options>
constexpr OptionRule<Options> OutputRule() {
    return {"-o", true, [](Options& o, std::string_view n, const std::string& v) {
                if (v.empty()) throw UsageError("option '" + std::string(n) + "' needs a file name");
                o.output = v;
            }};
}

}  // namespace vorlix::cli
