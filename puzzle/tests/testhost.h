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
#include "scriptedhost.h"
#include "puzzlemodel.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix::test {

using TTestHost = TScriptedMessageHost;

// Collects the hints the model shows the windows.
struct THintListener {
    explicit THintListener(TPuzzleModel& model) {
        QObject::connect(&model.Signals(), &TModelSignals::SeparateLinesHint,
                         [this](const QString& text) { Hints << text; });
    }
    QStringList Hints;
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
