#include "consolehost.h"

#include <ostream>

#include "command.h"
#include "utf8.h"

namespace vorlix::cli {

MessageAnswer ConsoleMessageHost::ShowMessage(MessageKind, const std::u16string& text, MessageButtons buttons) {
    err_ << ProgramName << ": " << EncodeUtf8(text) << '\n';
    err_.flush();
    return FirstAnswerOf(buttons);
}

}  // namespace vorlix::cli
