// The one seam through which every layer asks the user something or tells them something.
#pragma once

#include <string>

namespace vorlix {

enum class MessageKind { Warning, Information, Error, Confirmation };

// The fixed button sets of the program's message boxes.
enum class MessageButtons { Ok, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Yes, No, Cancel };

// Supplied by the host: a dialog in the desktop program, standard error in the CLI,
// a scripted answerer in tests.
class IMessageHost {
public:
    virtual ~IMessageHost() = default;
    virtual MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text,
                                      MessageButtons buttons) = 0;
};

// Answers every question with its first button and forgets the text; for hosts that
// have nobody to ask.
class TSilentMessageHost : public IMessageHost {
public:
    MessageAnswer ShowMessage(MessageKind, const std::u16string&, MessageButtons buttons) override;
};

MessageAnswer FirstAnswerOf(MessageButtons buttons);

}  // namespace vorlix
