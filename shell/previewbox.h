// The finished page's preview paint box: six views of the pages, drawn by the document.
#pragma once

#include <vector>

#include <QPointF>
#include <QSize>
#include <QWidget>

#include "ascanvas.h"

class QPaintDevice;

namespace vorlix {
class TPuzzleDocument;
}

namespace vorlix::shell {

enum TPreviewView {
    ViewPage1 = 0,
    ViewPage2 = 1,
    ViewTwoPages = 2,
    ViewPuzzle = 3,
    ViewSolution = 4,
    ViewWordList = 5,
    ViewZoom = 6  // the preview window's free zoom: its camera is kept, not fitted
};

constexpr double PreviewPageGap = 0.75;  // inches between the pages of the preview window
constexpr double MinPreviewZoom = 10.0;  // percent
constexpr double MaxPreviewZoom = 1500.0;

// What the preview window's canvas shows: its zoom (100% is 78 pixels per inch) and the
// canvas inch at the box's top-left pixel.
struct TPreviewCamera {
    double ZoomPercent = 100.0;
    QPointF ScrollOrigin;
    double Resolution() const { return PreviewPixelsPerInch * ZoomPercent / 100.0; }
    // The canvas inch at the box's centre, and the camera that keeps it there at another zoom.
    QPointF Centre(QSize box) const;
    TPreviewCamera ZoomedTo(double percent, QSize box) const;
};

// Pages lie side by side when the paper is taller, relative to its width, than the box,
// and also when the box has no size or the paper no width; otherwise one above the other.
bool PagesSideBySide(const TInchRect& paper, QSize box);
// Where pages 1 .. SolutionPage lie in the window's canvas space (element 0 is page 1).
std::vector<QPointF> PagePlacements(const TPuzzleDocument& document, QSize box);
// The rectangle over every placed page.
TInchRect AllPagesRect(const TPuzzleDocument& document, QSize box);
// The camera of a fitted view of the laid-out document; the zoom view keeps current.
TPreviewCamera FitPreviewView(const TPuzzleDocument& document, QSize box, int view,
                              const TPreviewCamera& current = {});

// Lays the document out and draws one view fitted into the device. The one drawing path
// of every on-screen preview. With a camera (the preview window) every page is drawn at its
// placement, a fitted view stores its fit in the camera and the zoom view paints through it.
void PaintPreviewView(TPuzzleDocument& document, QPaintDevice& box, int view, TPreviewCamera* camera = nullptr);

class TPreviewBox : public QWidget {
    Q_OBJECT
public:
    TPreviewBox(TPuzzleDocument& document, QWidget* parent = nullptr);
    int View() const { return view_; }
    void SetView(int view);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPuzzleDocument* document_;
    int view_ = ViewSolution;
};

}  // namespace vorlix::shell
