// The engine's message boxes on a terminal: the text goes to standard error and the
// first button answers, since nobody is there to click.
#pragma once

#include <iosfwd>

#include "messages.h"

namespace vorlix::cli {

class ConsoleMessageHost : public IMessageHost {
public:
    explicit ConsoleMessageHost(std::ostream& err) : err_(err) {}
    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override;

private:
    std::ostream& err_;
};

}  // namespace vorlix::cli
