// Reading and writing the puzzle's texts for the spelling walk.
#include "puzzletexts.h"

#include "puzzlemodel.h"

namespace vorlix::spelling {

const QStringList* TPuzzleTexts::Memo(int stage) const {
    switch (stage) {
    case StageLeftWorksheet: return &model_->Worksheet_LeftMemo;
    case StageRightWorksheet: return &model_->Worksheet_RightMemo;
    case StageTitle: return &model_->Words_TitleMemo;
    case StageInstructions: return &model_->Layout_InstructionsMemo;
    case StageWords: return &model_->Words_Memo;
    case StageHiddenMessage: return &model_->Words_HiddenMemo;
    default: return nullptr;
    }
}

int TPuzzleTexts::LineCount(int stage) const {
    if (stage == StageCredits) return 1;
    const QStringList* memo = Memo(stage);
    return memo ? static_cast<int>(memo->size()) : 0;
}

QString TPuzzleTexts::Line(int stage, int row) const {
    if (stage == StageCredits) return model_->CreditsLineCmBx.Text;
    const QStringList* memo = Memo(stage);
    return memo && row >= 0 && row < memo->size() ? memo->at(row) : QString();
}

void TPuzzleTexts::SetLine(int stage, int row, const QString& text) {
    TPuzzleModel& m = *model_;
    if (stage == StageCredits) {
        // A typed line is nobody's list entry.
        m.CreditsLineCmBx.ItemIndex = -1;
        m.CreditsLineCmBx.Text = text;
        m.CreditsLineChange();
    } else {
        auto* memo = const_cast<QStringList*>(Memo(stage));
        if (!memo || row < 0 || row >= memo->size()) return;
        (*memo)[row] = text;
        switch (stage) {
        case StageLeftWorksheet:
        case StageRightWorksheet: m.Worksheet_MemoChange(); break;
        case StageTitle: m.Words_TitleMemoChange(); break;
        case StageInstructions:
            m.Layout_InstructionsMemoKeyPress();
            m.Layout_InstructionsMemoChange();
            break;
        case StageWords: m.Words_MemoChange(); break;
        case StageHiddenMessage: m.Words_HiddenMemoChange(); break;
        default: break;
        }
    }
    m.SetModified(true);
    changed_ = true;
}

}  // namespace vorlix::spelling
