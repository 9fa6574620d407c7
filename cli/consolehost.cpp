#include "consolehost.h"

#include <ostream>
#include <vector>

#include "command.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

void TrimBlanks(std::u16string& line) {
    while (!line.empty() && line.back() == u' ') line.pop_back();
}

// One problem, one line: the paragraph breaks of a message box become blanks. A lone "\n"
// (a write failure's file name and reason) keeps its own line.
std::vector<std::u16string> MessageLines(const std::u16string& text) {
    std::vector<std::u16string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool brk = c == u'\r' || c == u'\n';
        const bool lone = c == u'\n' && (i == 0 || (text[i - 1] != u'\r' && text[i - 1] != u'\n')) &&
                          (i + 1 == text.size() || (text[i + 1] != u'\r' && text[i + 1] != u'\n'));
        std::u16string& line = lines.back();
        if (lone) {
            TrimBlanks(line);
            lines.emplace_back();
        } else if (!brk) {
            line.push_back(c);
        } else if (!line.empty() && line.back() != u' ') {
            line.push_back(u' ');
        }
    }
    TrimBlanks(lines.back());
    return lines;
}

}  // namespace

MessageAnswer ConsoleMessageHost::ShowMessage(MessageKind, const std::u16string& text, MessageButtons buttons) {
    // Names and words inside a message come from files: never raw to the terminal.
    for (const std::u16string& line : MessageLines(text))
        err_ << ProgramName << ": " << Utf8Bytes(TerminalSafe(line)) << '\n';
    err_.flush();
    return FirstAnswerOf(buttons);
}

}  // namespace vorlix::cli
