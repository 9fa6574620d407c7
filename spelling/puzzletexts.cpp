// Reading and correcting a puzzle's texts for the spelling walk.
#include "puzzletexts.h"

#include "puzzle.h"

namespace vorlix::spelling {

const QStringList* TPuzzleTexts::Memo(int stage) const {
    switch (stage) {
    case StageLeftWorksheet: return &puzzle_->WorksheetLeftLines;
    case StageRightWorksheet: return &puzzle_->WorksheetRightLines;
    case StageTitle: return &puzzle_->TitleLines;
    case StageInstructions: return &puzzle_->InstructionLines;
    case StageWords: return &puzzle_->WordLines;
    case StageHiddenMessage: return &puzzle_->HiddenMessageLines;
    default: return nullptr;
    }
}

int TPuzzleTexts::LineCount(int stage) const {
    if (stage == StageCredits) return 1;
    const QStringList* memo = Memo(stage);
    return memo ? static_cast<int>(memo->size()) : 0;
}

QString TPuzzleTexts::Line(int stage, int row) const {
    if (stage == StageCredits) return puzzle_->CreditsLine;
    const QStringList* memo = Memo(stage);
    return memo && row >= 0 && row < memo->size() ? memo->at(row) : QString();
}

void TPuzzleTexts::SetLine(int stage, int row, const QString& text) {
    QStringList lines;
    if (stage == StageCredits) {
        lines << text;
    } else {
        const QStringList* memo = Memo(stage);
        if (!memo || row < 0 || row >= memo->size()) return;
        lines = *memo;
        lines[row] = text;
    }
    if (apply_) apply_(stage, lines);
    changed_ = true;
}

}  // namespace vorlix::spelling
