// The "Instructions" page: the text that tells the solver how to do the puzzle.
#pragma once

#include "page.h"

class QCheckBox;
class QPlainTextEdit;

namespace vorlix::shell {

class TInstructionsPage : public TPage {
    Q_OBJECT
public:
    explicit TInstructionsPage(IPageHost& host);

    void LoadFromModel() override;
    // Shows the model's instructions text when it was rewritten elsewhere (a direction or
    // type choice); leaves the memo and its caret alone when nothing changed.
    void ShowModelInstructions();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MemoEdited();

    QPlainTextEdit* memo_ = nullptr;
    QCheckBox* include_ = nullptr;
};

}  // namespace vorlix::shell
