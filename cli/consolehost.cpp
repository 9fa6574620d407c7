#include "consolehost.h"

#include <ostream>

#include "command.h"
#include "utf8.h"

namespace vorlix::cli {

namespace {

// One problem, one line: the line breaks of a message box become blanks.
std::u16string OneLine(const std::u16string& text) {
    std::u16string line;
    for (const char16_t c : text) {
        const bool brk = c == u'\r' || c == u'\n';
        if (!brk) line.push_back(c);
        else if (!line.empty() && line.back() != u' ') line.push_back(u' ');
    }
    while (!line.empty() && line.back() == u' ') line.pop_back();
    return line;
}

}  // namespace

MessageAnswer ConsoleMessageHost::ShowMessage(MessageKind, const std::u16string& text, MessageButtons buttons) {
    err_ << ProgramName << ": " << Utf8Bytes(OneLine(text)) << '\n';
    err_.flush();
    return FirstAnswerOf(buttons);
}

}  // namespace vorlix::cli
