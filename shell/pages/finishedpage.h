// The "Finished" page: the built puzzle's preview in six views, its size, the words that
// did not fit, and the commands that rescramble, turn or mirror the grid.
#pragma once

#include "page.h"

class QButtonGroup;
class QLabel;
class QListWidget;
class QToolBar;

namespace vorlix {
class TWordSearch;
}

namespace vorlix::shell {

class TPreviewBox;

// The hint shown before an empty puzzle sends the user back to the word list.
QString EmptyPuzzleHintText();

class TFinishedPage : public TPage {
    Q_OBJECT
public:
    explicit TFinishedPage(IPageHost& host);

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
    QWidget* BuildLeftPanel();
    QToolBar* BuildViewBar();
    void ShowAccidentalWords(const TWordSearch& puzzle);
    // Rotate and the two flips: the grid is turned in place, never rebuilt.
    void ApplyTransform(int variant, bool exchangeRequestedSize = false);
    void Puzzle_Rotate90LnkClick();

    TPreviewBox* preview_ = nullptr;
    QWidget* leftPanel_ = nullptr;
    QLabel* sizeLbl_ = nullptr;
    QLabel* excludedLbl_ = nullptr;
    QListWidget* excludedLB_ = nullptr;
    QLabel* accidentalLbl_ = nullptr;  // shown only when the grid spells a word it should not
    QButtonGroup* views_ = nullptr;
    // Each check stamps its number; a newer check or a later entry drops an older one.
    int emptyCheckNumber_ = 0;
};

}  // namespace vorlix::shell
