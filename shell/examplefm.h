// The "Example" window: a sample word list, or a word/clue list, and how it is typed.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace vorlix::shell {

class TLink;
class TWebFm;

class TExampleFm : public QDialog {
    Q_OBJECT
public:
    explicit TExampleFm(TWebFm& main, QWidget* parent = nullptr);

    void ShowWordsExample();
    void ShowCluesExample();
    bool ShowingClues() const { return showingClues_; }

    // "Words", "Clues", or anything else: clues exactly when the puzzle has them.
    static bool ClueExampleFor(const QString& kind, bool puzzleHasClues);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBullet();

    TWebFm* main_;
    QLabel* heading_ = nullptr;
    QLabel* bullet_ = nullptr;
    QLabel* comment_ = nullptr;
    QPlainTextEdit* normalMemo_ = nullptr;
    QPlainTextEdit* cluesMemo_ = nullptr;
    TLink* normalLnk_ = nullptr;
    TLink* cluesLnk_ = nullptr;
    TLink* hideLnk_ = nullptr;
    bool showingClues_ = false;
};

// Builds the window on the example the kind asks for, shows it modally, and afterwards
// clears the main window's link highlight.
void ShowExampleWindow(TWebFm& main, const QString& kind);

}  // namespace vorlix::shell
