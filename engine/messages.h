// The one seam through which every layer asks the user something or tells them something.
#pragma once

#include <string>

namespace vorlix {

enum class MessageKind { Warning, Information, Error, Confirmation };

// The fixed button sets of the program's message boxes.
enum class MessageButtons { Ok, OkAbort, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Abort, Yes, No, Cancel };

// Supplied by the host: a dialog in the desktop program, standard error in the CLI,
// a scripted answerer in tests.
class IMessageHost {
public:
    virtual ~IMessageHost() = default;
    virtual MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text,
                                      MessageButtons buttons) = 0;
    // Called when the user answers Abort to an internal error.
    virtual void EndProgram();
};

// Answers every question with its first button and forgets the text; for hosts that
// have nobody to ask.
class TSilentMessageHost : public IMessageHost {
public:
    MessageAnswer ShowMessage(MessageKind, const std::u16string&, MessageButtons buttons) override;
    void EndProgram() override {}
};

MessageAnswer FirstAnswerOf(MessageButtons buttons);

}  // namespace vorlix
