// The guided tour: a short illustrated walk ("Intro") or the animation of a puzzle being
// made ("Animation"). It builds and draws its own little puzzle and changes no puzzle state.
#pragma once

#include <memory>

#include <QDialog>
#include <QString>

#include "puzzle.h"

class QLabel;
class QPushButton;

namespace vorlix {
class TPuzzleDocument;
class TPuzzleModel;
class TSilentMessageHost;
struct TPreferences;
}  // namespace vorlix

namespace vorlix::shell {

class TWebFm;
class TTourPicture;

inline const QString TourIntroMode = QStringLiteral("Intro");
inline const QString TourAnimationMode = QStringLiteral("Animation");

// The tour's own puzzle, built by a builder of its own from a fixed seed, and a document
// over it.
class TTourPuzzle {
public:
    TTourPuzzle();
    ~TTourPuzzle();
    const TPuzzle& Puzzle() const { return puzzle_; }
    TPuzzleDocument& Document() const { return *document_; }
    static QStringList Words();
    static QString HiddenMessage();

private:
    TPuzzle puzzle_;
    std::unique_ptr<TPuzzleDocument> document_;
};

class TTourFm : public QDialog {
    Q_OBJECT
public:
    // mode "Intro" or "Animation"; anything else is taken as "Intro".
    TTourFm(TWebFm& main, const QString& mode);
    ~TTourFm() override;

    QString Mode() const { return mode_; }
    // Intro: the step shown, 0-based.
    int Step() const { return step_; }
    int StepCount() const;
    void ShowStep(int step);
    // Animation: restarts it; Finished once the message and the filler are in.
    void Replay();
    bool AnimationFinished() const;
    QWidget* Picture() const;
    const TTourPuzzle& Puzzle() const { return *puzzle_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildIntro();
    void BuildAnimation();
    void Tick();

    TWebFm* main_;
    QString mode_;
    std::unique_ptr<TTourPuzzle> puzzle_;
    TTourPicture* picture_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* text_ = nullptr;
    QLabel* stepLbl_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    int step_ = 0;
    bool ticking_ = false;
    int tickRun_ = 0;  // each start stamps its number, so a stopped run's tick dies out
};

// Runs the tour modally through the main window's modal runner.
void ShowTourWindow(TWebFm& main, const QString& mode);

}  // namespace vorlix::shell
