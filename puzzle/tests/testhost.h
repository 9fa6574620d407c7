// Test doubles shared by the puzzle and files tests: a message host that records what was
// shown and answers from a script, a hint listener, and whole-file helpers.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <deque>
#include <ostream>
#include <vector>

#include "messages.h"
#include "puzzlemodel.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix::test {

class TTestHost : public IMessageHost {
public:
    struct Shown {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };
    std::vector<Shown> Messages;
    std::deque<MessageAnswer> Answers;  // the first button once they run out

    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override {
        Messages.push_back({kind, QString::fromStdU16String(text), buttons});
        if (buttons == MessageButtons::Ok || Answers.empty()) return FirstAnswerOf(buttons);
        const MessageAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    void EndProgram() override {}

    QStringList Texts() const {
        QStringList texts;
        for (const Shown& m : Messages) texts.append(m.Text);
        return texts;
    }
};

// Collects the hints the model shows the windows.
class THintListener : public IPuzzleModelListener {
public:
    QStringList Hints;
    void SeparateLinesHint(const QString& text) override { Hints << text; }
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
