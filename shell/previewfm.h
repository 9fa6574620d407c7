// The preview window: both printed pages of the current puzzle, or a close-up, with zoom.
#pragma once

#include <QRect>
#include <QWidget>

#include "previewbox.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QScrollBar;

namespace vorlix {
class TPreferencesStore;
class TPuzzleDocument;
struct TPreferences;
}  // namespace vorlix

namespace vorlix::shell {

class TWebFm;

inline const QString PreviewBackHint = QStringLiteral("To get back to the program, close this window or click on the \"Back\" button, above.");
constexpr int PreviewHintDelayMs = 1500;
constexpr int PreviewHintSeconds = 15;

class TPreviewFm : public QWidget {
    Q_OBJECT
public:
    // Reads its placement from the store; parent is the main window.
    explicit TPreviewFm(TWebFm& main);
    // Writes the placement back.
    ~TPreviewFm() override;

    // Shows the window, or brings it forward (restored) when it is already shown.
    void ShowOrRaise();
    void Repaint();
    // The printer's paper changed: the pages are placed anew and the view fitted again.
    void PaperChanged();

    // --- Toolbar commands.
    void Back();
    void SetView(int view);  // the fitted views ViewPage1 .. ViewWordList
    void ZoomIn();
    void ZoomOut();
    // The zoom view at percent (kept within 10..1500), centred where the box's centre is.
    void ZoomTo(double percent);

    int View() const { return view_; }
    double ZoomPercent() const { return camera_.ZoomPercent; }
    const TPreviewCamera& Camera() const { return camera_; }
    bool SideBySide() const;
    QWidget* PaintBox() const { return box_; }
    // The bounds remembered while the window was in its normal state.
    QRect NormalBounds() const { return normal_; }

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildToolbar();
    void ApplyPlacement();
    void RememberPlacement();
    void BoxResized(QSize oldSize);
    void Refit();
    void UpdateScrollBars();
    void Scrolled();
    void ShowState();

    TWebFm* main_;
    TPuzzleDocument* document_;
    TPreferencesStore* store_;
    TPreferences* prefs_;
    QWidget* box_ = nullptr;
    QScrollBar* hbar_ = nullptr;
    QScrollBar* vbar_ = nullptr;
    QButtonGroup* views_ = nullptr;
    QLabel* zoomLbl_ = nullptr;
    int view_ = ViewTwoPages;
    TPreviewCamera camera_;
    QRect normal_;
    bool settingBars_ = false;
    bool placed_ = false;  // the stored placement was applied: moves are the user's now
};

}  // namespace vorlix::shell
