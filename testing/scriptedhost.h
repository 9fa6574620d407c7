// A message host that records what was shown and answers from a script: the answerer of
// every test that drives the model or the windows.
#pragma once

#include <deque>
#include <vector>

#include <QString>
#include <QStringList>

#include "messages.h"

namespace vorlix {

class TScriptedMessageHost : public IMessageHost {
public:
    struct Shown {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };
    std::vector<Shown> Messages;
    std::deque<MessageAnswer> Answers;  // once they run out, the first button

    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override {
        Messages.push_back({kind, QString::fromStdU16String(text), buttons});
        if (buttons == MessageButtons::Ok || Answers.empty()) return FirstAnswerOf(buttons);
        const MessageAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const Shown& m : Messages) texts << m.Text;
        return texts;
    }
};

}  // namespace vorlix
