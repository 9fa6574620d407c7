// Records each change of the model as a value-holding command, merging typing into one field.
#include "undohistory.h"

#include <QUndoCommand>

#include "puzzlemodel.h"

namespace vorlix::shell {

namespace {

// The text fields whose typing merges, in the numbering TypedField returns.
struct TTextField {
    int Id;
    const char* Name;
    bool (*Differs)(const TPuzzle&, const TPuzzle&);
};

const TTextField TextFields[] = {
    {1, "Typing in the Word List", [](const TPuzzle& a, const TPuzzle& b) { return a.WordLines != b.WordLines; }},
    {2, "Typing in the Title", [](const TPuzzle& a, const TPuzzle& b) { return a.TitleLines != b.TitleLines; }},
    {3, "Typing in the Hidden Message",
     [](const TPuzzle& a, const TPuzzle& b) { return a.HiddenMessageLines != b.HiddenMessageLines; }},
    {4, "Typing in the Worksheet",
     [](const TPuzzle& a, const TPuzzle& b) { return a.WorksheetLeftLines != b.WorksheetLeftLines; }},
    {5, "Typing in the Worksheet",
     [](const TPuzzle& a, const TPuzzle& b) { return a.WorksheetRightLines != b.WorksheetRightLines; }},
    {6, "Typing in the Instructions",
     [](const TPuzzle& a, const TPuzzle& b) { return a.InstructionLines != b.InstructionLines; }},
    {7, "Typing in the Credits",
     [](const TPuzzle& a, const TPuzzle& b) {
         return a.CreditsName != b.CreditsName || a.CreditsRecipient != b.CreditsRecipient;
     }},
    {8, "Typing in the Credits Line", [](const TPuzzle& a, const TPuzzle& b) { return a.CreditsLine != b.CreditsLine; }},
};

// The other parts of a puzzle, by the name their page gives them.
struct TOtherPart {
    const char* Name;
    bool (*Differs)(const TPuzzle&, const TPuzzle&);
};

const TOtherPart OtherParts[] = {
    {"Grid", [](const TPuzzle& a, const TPuzzle& b) { return !a.Built->SameAs(*b.Built); }},
    {"Puzzle Type", [](const TPuzzle& a, const TPuzzle& b) { return a.Type != b.Type; }},
    {"Word Directions", [](const TPuzzle& a, const TPuzzle& b) { return a.Directions != b.Directions; }},
    {"Letter Sharing", [](const TPuzzle& a, const TPuzzle& b) { return a.SharingLevel != b.SharingLevel; }},
    {"Capitalization", [](const TPuzzle& a, const TPuzzle& b) { return a.Capitalization != b.Capitalization; }},
    {"Appearance", [](const TPuzzle& a, const TPuzzle& b) { return a.Format != b.Format; }},
    {"Grid Size",
     [](const TPuzzle& a, const TPuzzle& b) {
         return a.RequestedColumns != b.RequestedColumns || a.RequestedRows != b.RequestedRows;
     }},
    {"Fit All Words", [](const TPuzzle& a, const TPuzzle& b) { return a.PackMode != b.PackMode; }},
    {"Instructions",
     [](const TPuzzle& a, const TPuzzle& b) {
         return a.InstructionsIncluded != b.InstructionsIncluded || a.InstructionsMode != b.InstructionsMode;
     }},
};

class TPuzzleChange : public QUndoCommand {
public:
    TPuzzleChange(TUndoHistory& history, TPuzzleState before, TPuzzleState after, const QString& text, int field)
        : QUndoCommand(text), history_(&history), before_(std::move(before)), after_(std::move(after)), field_(field) {}

    int id() const override { return field_ > 0 ? field_ : -1; }
    // A name given once the change was recorded; a named change merges with nothing.
    void Rename(const QString& text) {
        setText(text);
        field_ = 0;
    }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const TPuzzleChange*>(other);
        if (next->field_ != field_ || field_ <= 0) return false;
        after_ = next->after_;
        return true;
    }
    void undo() override { history_->Restore(before_); }
    void redo() override {
        // The change is already made when the command is pushed.
        if (first_) {
            first_ = false;
            return;
        }
        history_->Restore(after_);
    }

private:
    TUndoHistory* history_;
    TPuzzleState before_;
    TPuzzleState after_;
    int field_;
    bool first_ = true;
};

}  // namespace

int TypedField(const TPuzzle& before, const TPuzzle& after) {
    int found = 0;
    for (const TTextField& f : TextFields)
        if (f.Differs(before, after)) {
            if (found) return 0;
            found = f.Id;
        }
    if (!found) return 0;
    for (const TOtherPart& p : OtherParts)
        if (p.Differs(before, after)) return 0;
    return found;
}

QString ChangeName(const TPuzzle& before, const TPuzzle& after) {
    if (const int field = TypedField(before, after))
        for (const TTextField& f : TextFields)
            if (f.Id == field) return QString::fromLatin1(f.Name);
    QString name;
    int parts = 0;
    for (const TOtherPart& p : OtherParts)
        if (p.Differs(before, after) && parts++ == 0) name = QString::fromLatin1(p.Name);
    for (const TTextField& f : TextFields)
        if (f.Differs(before, after) && parts++ == 0) name = QString::fromLatin1(f.Name).remove(QStringLiteral("Typing in the "));
    return parts == 1 ? name + QStringLiteral(" Change") : QStringLiteral("Changes");
}

TUndoHistory::TUndoHistory(TPuzzleModel& model, QObject* parent) : QObject(parent), model_(&model) {
    stack_.setUndoLimit(Limit);
    committed_ = Current();
    connect(&model.Signals(), &TModelSignals::PuzzleChanged, this, [this] {
        if (!restoring_) Schedule();
    });
    connect(&stack_, &QUndoStack::indexChanged, this, [this] {
        if (!moved_) return;
        moved_ = false;
        model_->SetModified(!stack_.isClean());
    });
}

TPuzzleState TUndoHistory::Current() const {
    return {model_->Puzzle(), model_->CreditsLineIndex(), model_->Finished};
}

// One user action may change the model several times; they become one command once the
// action returns to the event loop.
void TUndoHistory::Schedule() {
    justPushed_ = false;
    if (scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (scheduled_) Flush();
        },
        Qt::QueuedConnection);
}

void TUndoHistory::Name(const QString& text) {
    // The action may have let the events run (a progress window, a repaint), so that its
    // change is recorded already: it takes the name then.
    if (!scheduled_ && justPushed_ && stack_.count() > 0 && stack_.index() == stack_.count()) {
        justPushed_ = false;
        static_cast<TPuzzleChange*>(const_cast<QUndoCommand*>(stack_.command(stack_.count() - 1)))->Rename(text);
        emit stack_.undoTextChanged(stack_.undoText());
        return;
    }
    name_ = text;
    Schedule();
}

void TUndoHistory::Flush() {
    scheduled_ = false;
    const QString name = std::exchange(name_, QString());
    TPuzzleState now = Current();
    if (now.Puzzle == committed_.Puzzle && now.CreditsIndex == committed_.CreditsIndex) return;
    const int field = name.isEmpty() ? TypedField(committed_.Puzzle, now.Puzzle) : 0;
    const QString text = name.isEmpty() ? ChangeName(committed_.Puzzle, now.Puzzle) : name;
    TPuzzleState before = std::exchange(committed_, now);
    stack_.push(new TPuzzleChange(*this, std::move(before), std::move(now), text, field));
    justPushed_ = true;
}

void TUndoHistory::Reset() {
    justPushed_ = false;
    scheduled_ = false;
    name_.clear();
    stack_.clear();
    committed_ = Current();
    stack_.setClean();
}

void TUndoHistory::MarkSaved() {
    Flush();
    stack_.setClean();
}

void TUndoHistory::Undo() {
    justPushed_ = false;
    Flush();
    moved_ = true;
    stack_.undo();
    moved_ = false;
}

void TUndoHistory::Redo() {
    justPushed_ = false;
    Flush();
    moved_ = true;
    stack_.redo();
    moved_ = false;
}

void TUndoHistory::Restore(const TPuzzleState& state) {
    restoring_ = true;
    model_->RestorePuzzle(state.Puzzle, state.CreditsIndex);
    model_->Finished = state.Finished;
    committed_ = state;
    emit Restored();
    restoring_ = false;
}

}  // namespace vorlix::shell
