// The "Design" page: word list, title, hidden message, columns and rows, and the
// commands that import, export and build.
#pragma once

#include "page.h"

class QPlainTextEdit;

namespace vorlix::shell {

class TDesignPage : public TPage {
    Q_OBJECT
public:
    explicit TDesignPage(TWebFm& main);

    void Enter() override;  // lays out, focuses Words_Memo
    void LoadFromModel() override;
    // The model's puzzle type changed: prompt, wrapping, long-clue link, hidden message.
    void PuzzleTypeChanged();
    // The word list control (hints are shown beside it).
    QWidget* WordsMemoWidget() const;
};

}  // namespace vorlix::shell
