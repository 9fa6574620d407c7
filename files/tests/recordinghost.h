// A message host for tests: remembers every message and answers questions from a script.
#pragma once

#include <QString>

#include <deque>
#include <vector>

#include "messages.h"

namespace vorlix::test {

class TRecordingHost : public IMessageHost {
public:
    struct Shown {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };

    std::vector<Shown> Messages;
    // Answers to Yes/No questions, in order; the first button once they run out.
    std::deque<MessageAnswer> Answers;

    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override {
        Messages.push_back({kind, QString::fromStdU16String(text), buttons});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (Answers.empty()) return FirstAnswerOf(buttons);
        const MessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void EndProgram() override {}

    QStringList Texts() const {
        QStringList texts;
        for (const Shown& m : Messages) texts.append(m.Text);
        return texts;
    }
};

}  // namespace vorlix::test
