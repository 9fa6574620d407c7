#include "arguments.h"

#include "wordsearch.h"

namespace vorlix::cli {

std::uint64_t ParseNumber(std::string_view option, const std::string& text, std::uint64_t low, std::uint64_t high) {
    const auto bad = [&] {
        return UsageError("invalid value '" + text + "' for " + std::string(option) +
                          ": expected a whole number from " + std::to_string(low) + " to " + std::to_string(high));
    };
    // Digits only: no sign, no spaces, no hexadecimal; the length check keeps the sum from overflowing.
    if (text.empty() || text.size() > 19) throw bad();
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') throw bad();
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value < low || value > high) throw bad();
    return value;
}

std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool EndsWithNoCase(std::string_view name, std::string_view ending) {
    return name.size() > ending.size() && Upper(name.substr(name.size() - ending.size())) == Upper(ending);
}

void RequireEnding(std::string_view option, const std::string& name, std::string_view ending, std::string_view what) {
    if (!EndsWithNoCase(name, ending))
        throw UsageError("the name '" + name + "' given to " + std::string(option) + " must end in " +
                         std::string(ending) + " (" + std::string(what) + ")");
}

int ParseAccidentalLevel(std::string_view option, const std::string& text) {
    static constexpr NamedChoice<int> Levels[] = {
        {"none", AccidentalNone}, {"taboo", AccidentalTaboo}, {"all", AccidentalAllWords}};
    return ParseChoice<int>(option, text, Levels);
}

const std::string& OnePuzzleFile(std::string_view command, const std::vector<std::string>& files) {
    if (files.size() != 1) throw UsageError(std::string(command) + " takes exactly one puzzle file");
    return files.front();
}

}  // namespace vorlix::cli
