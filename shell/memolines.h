// A memo's text as the model keeps it, and back: one entry per line, none for a final
// line break.
#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace vorlix::shell {

QStringList LinesOfText(const QString& text);
QStringList MemoLines(const QPlainTextEdit& memo);
// Shows lines in a memo without firing its change handler.
void ShowMemoLines(QPlainTextEdit& memo, const QStringList& lines);

}  // namespace vorlix::shell
