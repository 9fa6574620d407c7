// A puzzle's texts as the spelling walk reads and corrects them.
#pragma once

#include <functional>

#include <QStringList>

#include "spellwalk.h"

namespace vorlix {
struct TPuzzle;
}

namespace vorlix::spelling {

class TPuzzleTexts : public ISpellingTexts {
public:
    // A corrected text: the stage's lines as they should now be (the credits stage: one line).
    using TApply = std::function<void(int stage, const QStringList& lines)>;

    // Reads puzzle, which outlives this and follows the corrections apply makes.
    TPuzzleTexts(const TPuzzle& puzzle, TApply apply) : puzzle_(&puzzle), apply_(std::move(apply)) {}
    int LineCount(int stage) const override;
    QString Line(int stage, int row) const override;
    void SetLine(int stage, int row, const QString& text) override;
    // True once a correction was written since the last ClearChanged.
    bool Changed() const { return changed_; }
    void ClearChanged() { changed_ = false; }

private:
    const QStringList* Memo(int stage) const;
    const TPuzzle* puzzle_;
    TApply apply_;
    bool changed_ = false;
};

}  // namespace vorlix::spelling
