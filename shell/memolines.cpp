// Memo text to model lines and back.
#include "memolines.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace vorlix::shell {

QStringList LinesOfText(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList MemoLines(const QPlainTextEdit& memo) { return LinesOfText(memo.toPlainText()); }

void ShowMemoLines(QPlainTextEdit& memo, const QStringList& lines) {
    const QSignalBlocker block(memo);
    memo.setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace vorlix::shell
