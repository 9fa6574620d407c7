// The puzzle model's texts as the spelling walk reads and corrects them.
#pragma once

#include "spellwalk.h"

namespace vorlix {
class TPuzzleModel;
}

namespace vorlix::spelling {

class TPuzzleTexts : public ISpellingTexts {
public:
    explicit TPuzzleTexts(TPuzzleModel& model) : model_(&model) {}
    int LineCount(int stage) const override;
    QString Line(int stage, int row) const override;
    // Runs the text's change handler and marks the puzzle modified, as typing would.
    void SetLine(int stage, int row, const QString& text) override;
    // True once a correction was written since the last ClearChanged.
    bool Changed() const { return changed_; }
    void ClearChanged() { changed_ = false; }

private:
    const QStringList* Memo(int stage) const;
    TPuzzleModel* model_;
    bool changed_ = false;
};

}  // namespace vorlix::spelling
