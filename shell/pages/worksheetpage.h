// The "Worksheet" page: the header lines printed at the top left and top right of the puzzle.
#pragma once

#include <QStringList>

#include "page.h"

class QPlainTextEdit;

namespace vorlix::shell {

// A memo's text as the model keeps it: one entry per line, none for a final line break.
QStringList MemoLines(const QPlainTextEdit& memo);
// Shows lines in a memo without firing its change handler.
void ShowMemoLines(QPlainTextEdit& memo, const QStringList& lines);

class TWorksheetPage : public TPage {
    Q_OBJECT
public:
    explicit TWorksheetPage(TWebFm& main);

    void LoadFromModel() override;

private:
    QWidget* MakeSide(bool left);
    void Toggle(bool left, int lineIndex);
    void MemoEdited(bool left);

    QPlainTextEdit* leftMemo_ = nullptr;
    QPlainTextEdit* rightMemo_ = nullptr;
};

}  // namespace vorlix::shell
