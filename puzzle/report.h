// What a reader found worth telling the user, returned as a value: the desktop program
// shows it in message boxes, the command line prints it.
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "messages.h"

namespace vorlix {

struct TReportLine {
    MessageKind Kind = MessageKind::Information;
    QString Text;
    bool operator==(const TReportLine&) const = default;
};

struct TReport {
    std::vector<TReportLine> Lines;

    void Add(MessageKind kind, const QString& text) { Lines.push_back({kind, text}); }
    void Append(const TReport& other) { Lines.insert(Lines.end(), other.Lines.begin(), other.Lines.end()); }
    bool IsEmpty() const { return Lines.empty(); }
};

// A value read from somewhere, or nothing when it was refused, with what to tell.
template <class T>
struct TReadResult {
    std::optional<T> Value;
    TReport Report;
};

// Each line in its own box with an OK button, in order.
void ShowReport(IMessageHost& host, const TReport& report);

}  // namespace vorlix
