// Helpers shared by the files tests: a scripted message host, and reading and writing
// whole files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "messages.h"

namespace vorlix::test {

// Remembers every message and answers questions from a script.
class TRecordingHost : public IMessageHost {
public:
    struct Shown {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };

    std::vector<Shown> Messages;
    // Answers to questions, in order; the first button once they run out.
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

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace vorlix::test
