// The undo history of the puzzle on screen: every change of the model becomes a command
// holding the puzzle before and after, so undo and redo put whole values back.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "puzzle.h"

namespace vorlix {
class TPuzzleModel;
}

namespace vorlix::shell {

// The puzzle and the page state a change may touch.
struct TPuzzleState {
    TPuzzle Puzzle;
    int CreditsIndex = -1;
    bool Finished = false;
};

// A name for the change from before to after ("Word List", "Grid" ...), and the text
// field it was typed into (0 when it was no single text field): typing into one field
// merges into one command.
QString ChangeName(const TPuzzle& before, const TPuzzle& after);
int TypedField(const TPuzzle& before, const TPuzzle& after);

class TUndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int Limit = 100;  // a built grid can weigh a megabyte

    explicit TUndoHistory(TPuzzleModel& model, QObject* parent = nullptr);
    QUndoStack& Stack() { return stack_; }

    // The next change recorded is called text and never merged with typing.
    void Name(const QString& text);
    // Records a change the model has made but not yet reported here.
    void Flush();
    // New and Open: the history ends and the puzzle as it is counts as saved.
    void Reset();
    // Save: the puzzle as it is now is the saved one.
    void MarkSaved();
    void Undo();
    void Redo();

    // Puts a state back (the commands call it).
    void Restore(const TPuzzleState& state);

signals:
    // A state was put back: the pages show the model again.
    void Restored();

private:
    TPuzzleState Current() const;
    void Schedule();

    TPuzzleModel* model_;
    QUndoStack stack_;
    TPuzzleState committed_;  // the state the last command ends in
    QString name_;
    bool scheduled_ = false;
    bool justPushed_ = false;  // the last change recorded is the newest command
    bool restoring_ = false;
    bool moved_ = false;  // an undo or redo moved the index: the mark follows the saved state
};

}  // namespace vorlix::shell
