#include "finishedpage.h"

#include "previewbox.h"
#include "webfm.h"

namespace vorlix::shell {

TFinishedPage::TFinishedPage(TWebFm& main)
    : TPage(main, QStringLiteral("Finished"), QStringLiteral("Puzzle_Bnr"), QStringLiteral("Finished Puzzle")) {
    preview_ = new TPreviewBox(main.Document(), this);
}

void TFinishedPage::Enter() {}
void TFinishedPage::LoadFromModel() {}
void TFinishedPage::SelectSolutionView() {}
void TFinishedPage::SetView(int view) { preview_->SetView(view); }
int TFinishedPage::View() const { return preview_->View(); }
void TFinishedPage::RefreshFinishedPage() {}
void TFinishedPage::EmptyPuzzleCheck() {}
void TFinishedPage::SizeExcludedList() {}

}  // namespace vorlix::shell
