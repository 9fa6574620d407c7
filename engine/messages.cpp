// Default behaviour of the message seam.
#include "messages.h"

namespace vorlix {

MessageAnswer FirstAnswerOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
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
