// A message host for the model tests: records what was shown and answers from a script.
#pragma once

#include <deque>
#include <ostream>
#include <vector>

#include <QString>
#include <QStringList>

#include "messages.h"
#include "puzzlemodel.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix::test {

class TScriptedHost : public IMessageHost {
public:
    struct Shown {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };
    std::vector<Shown> Messages;
    std::deque<MessageAnswer> Answers;  // first button once they run out

    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override {
        Messages.push_back({kind, QString::fromStdU16String(text), buttons});
        if (buttons == MessageButtons::Ok || Answers.empty()) return FirstAnswerOf(buttons);
        const MessageAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    void EndProgram() override {}
};

// Counts what the model announced to the windows.
class TRecordingListener : public IPuzzleModelListener {
public:
    QStringList Captions;
    QStringList Hints;
    int AppearanceResets = 0;
    std::vector<bool> ModifiedCalls;
    void ModifiedChanged(bool modified) override { ModifiedCalls.push_back(modified); }
    void CaptionChanged(const QString& caption) override { Captions << caption; }
    void SeparateLinesHint(const QString& text) override { Hints << text; }
    void AppearanceReset() override { ++AppearanceResets; }
};

}  // namespace vorlix::test
