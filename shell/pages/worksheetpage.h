// The "Worksheet" page: the header lines printed at the top left and top right of the puzzle.
#pragma once

#include <QStringList>

#include "memolines.h"
#include "page.h"

class QPlainTextEdit;

namespace vorlix::shell {


class TWorksheetPage : public TPage {
    Q_OBJECT
public:
    explicit TWorksheetPage(IPageHost& host);

    void LoadFromModel() override;

private:
    QWidget* MakeSide(bool left);
    void Toggle(bool left, int lineIndex);
    void MemoEdited(bool left);

    QPlainTextEdit* leftMemo_ = nullptr;
    QPlainTextEdit* rightMemo_ = nullptr;
};

}  // namespace vorlix::shell
