// The "Finished" page: the built puzzle's preview in six views, its size, the words that
// did not fit, and the commands that rescramble, turn or mirror the grid.
#pragma once

#include "page.h"

class QLabel;
class QListWidget;

namespace vorlix::shell {

class TPreviewBox;

class TFinishedPage : public TPage {
    Q_OBJECT
public:
    explicit TFinishedPage(TWebFm& main);

    // Entering the page: Solution view, the list sized to the page, the empty-puzzle check.
    void Enter() override;
    void LoadFromModel() override;

    void SelectSolutionView();
    void SetView(int view);  // TPreviewView
    int View() const;
    void RefreshFinishedPage();
    void EmptyPuzzleCheck();
    void SizeExcludedList();
    TPreviewBox* Preview() const { return preview_; }

private:
    TPreviewBox* preview_ = nullptr;
};

}  // namespace vorlix::shell
