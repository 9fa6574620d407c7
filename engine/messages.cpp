// Default behaviour of the message seam.
#include "messages.h"

#include <cstdlib>

namespace vorlix {

void IMessageHost::EndProgram() { std::exit(EXIT_FAILURE); }

MessageAnswer FirstAnswerOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkAbort:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

MessageAnswer TSilentMessageHost::ShowMessage(MessageKind, const std::u16string&, MessageButtons buttons) {
    return FirstAnswerOf(buttons);
}

}  // namespace vorlix
