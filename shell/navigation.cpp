// Page histories: pushes drop the oldest entry beyond 100; empty pops give Home.
#include "navigation.h"

namespace vorlix::shell {

void TPageStack::Push(const QString& page) {
    if (static_cast<int>(entries_.size()) >= HistoryCapacity) entries_.pop_back();
    entries_.push_front(page);
}

QString TPageStack::Pop() {
    if (entries_.empty()) return HomePageName;
    QString top = entries_.front();
    entries_.pop_front();
    return top;
}

QString TPageStack::At(int position) const {
    if (position < 1 || position > static_cast<int>(entries_.size())) return HomePageName;
    return entries_[static_cast<size_t>(position - 1)];
}

QStringList TPageStack::Entries() const {
    QStringList list;
    for (const QString& e : entries_) list << e;
    return list;
}

void TPageHistory::Turning(const QString& current) {
    ContinueDepth = 0;
    BackHistory.Push(current);
}

QString TPageHistory::Back(const QString& current) {
    ForwardHistory.Push(current);
    return BackHistory.Pop();
}

QString TPageHistory::Forward(const QString& current) {
    BackHistory.Push(current);
    return ForwardHistory.Pop();
}

QString TPageHistory::Continue(const QString& current) {
    ContinueDepth += 1;
    const QString target = BackHistory.At(ContinueDepth);
    ContinueDepth += 1;
    BackHistory.Push(current);
    return target;
}

}  // namespace vorlix::shell
