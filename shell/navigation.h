// The main window's two page histories and the Continue depth, without any widget.
#pragma once

#include <deque>

#include <QString>
#include <QStringList>

namespace vorlix::shell {

constexpr int HistoryCapacity = 100;
inline const QString HomePageName = QStringLiteral("Home");

// A stack of at most 100 page names; position 1 (index 0) is the most recent.
class TPageStack {
public:
    void Push(const QString& page);
    // The top entry, removed; Home when empty.
    QString Pop();
    // The entry at position (1-based) without removing it; Home when there is none.
    QString At(int position) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }
    QStringList Entries() const;  // top first

private:
    std::deque<QString> entries_;
};

// The navigation rules: what becomes current for TurnPage, Back, Forward and Continue.
class TPageHistory {
public:
    TPageStack BackHistory;
    TPageStack ForwardHistory;
    int ContinueDepth = 0;

    // TurnPage's history part: the page being left is pushed; Forward is emptied later.
    void Turning(const QString& current);
    void TurnDone() { ForwardHistory.Clear(); }
    QString Back(const QString& current);
    QString Forward(const QString& current);
    QString Continue(const QString& current);
};

}  // namespace vorlix::shell
