// The "Type_" page: the four puzzle types, a marker beside the chosen one, Next and Cancel.
#pragma once

#include <array>

#include "page.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vorlix::shell {

class TTypePage : public TPage {
    Q_OBJECT
public:
    // The choices in page order; hidden and clues are the bits of the position.
    enum TChoice { Standard = 0, Hidden = 1, Clues = 2, CluesHidden = 3 };
    static int ChoiceOf(bool hidden, bool clues) { return (clues ? Clues : Standard) | (hidden ? Hidden : 0); }
    static bool ChoiceHasHidden(int choice) { return (choice & Hidden) != 0; }
    static bool ChoiceHasClues(int choice) { return (choice & Clues) != 0; }

    explicit TTypePage(IPageHost& host);

    void Enter() override;  // focuses Type_NextBtn
    void LoadFromModel() override;

    int CheckedChoice() const;
    // The choice the "(Current puzzle type)" marker stands beside.
    int MarkerChoice() const { return markerChoice_; }
    // True while the pause after a press has not run out.
    bool Pausing() const { return pendingChoice_ >= 0; }

    void Next();
    void Cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A left press on a choice: the marker moves at once, the choice is taken after the pause.
    void PressChoice(int choice);
    void FinishPress(unsigned token);
    void DropPendingPress();
    void Check(int choice);
    void MoveMarker(int choice);
    void PlaceMarker();

    std::array<QRadioButton*, 4> choices_{};
    QButtonGroup* group_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* marker_ = nullptr;
    QPushButton* next_ = nullptr;
    int markerChoice_ = Standard;
    int pendingChoice_ = -1;
    unsigned pressToken_ = 0;  // a newer press, Cancel or Next makes an older pause void
};

}  // namespace vorlix::shell
