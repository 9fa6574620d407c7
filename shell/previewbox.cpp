// The finished page's preview paint box and the one painting routine of on-screen previews.
#include "previewbox.h"

#include <QPaintDevice>
#include <QPainter>

#include "puzzledocument.h"

namespace vorlix::shell {

namespace {

constexpr double PageGap = 0.75;  // inches between the two pages of the Two Pages view

// Places pages 2 .. last after page 1, beside it when the paper is at least as tall
// (relative to its width) as the box, otherwise below it; returns the rectangle over all.
TInchRect PlacePages(TAsCanvas& canvas, const TPuzzleDocument& document, const QPaintDevice& box) {
    const TInchRect paper = document.PageRect();
    const double w = paper.Width();
    const double h = paper.Height();
    const bool sideBySide =
        box.width() <= 0 || w <= 0.0 || h / w >= static_cast<double>(box.height()) / box.width();
    const int last = document.SolutionPage();
    canvas.SetPagePlacement(1, {0.0, 0.0});
    QPointF at(0.0, 0.0);
    for (int page = 2; page <= last; ++page) {
        at += sideBySide ? QPointF(w + PageGap, 0.0) : QPointF(0.0, h + PageGap);
        canvas.SetPagePlacement(page, at);
    }
    return {0.0, 0.0, at.x() + w, at.y() + h};
}

}  // namespace

void PaintPreviewView(TPuzzleDocument& document, QPaintDevice& box, int view) {
    document.LayOut();
    // A box without area has nothing to fit into (and would give an infinite scale).
    if (box.width() <= 0 || box.height() <= 0) return;
    auto canvas = TAsCanvas::ForPreview(&box);
    if (!canvas->IsActive()) return;
    const int solution = document.SolutionPage();
    switch (view) {
    case ViewPage1:
        canvas->FitRect(document.PageRect(), 1);
        document.DrawPage(*canvas, 1, 0);
        break;
    case ViewPage2:
        canvas->FitRect(document.PageRect(), solution);
        document.DrawPage(*canvas, solution, 0);
        break;
    case ViewTwoPages: {
        const TInchRect both = PlacePages(*canvas, document, box);
        canvas->SelectPage(1);
        canvas->FitRect(both);
        document.DrawPage(*canvas, 1, 0);
        document.DrawPage(*canvas, solution, 0);
        break;
    }
    case ViewPuzzle:
        canvas->FitRect(document.GridRect(), 1);
        document.DrawPage(*canvas, 1, 0);
        break;
    case ViewSolution:
        canvas->FitRect(document.SolutionGridRect(), solution);
        document.DrawPage(*canvas, solution, 0);
        break;
    case ViewWordList:
        canvas->FitRect(document.WordListRect(), 1);
        document.DrawPage(*canvas, 1, 0);
        break;
    default:
        break;  // an unknown view shows only the background
    }
}

TPreviewBox::TPreviewBox(TPuzzleDocument& document, QWidget* parent) : QWidget(parent), document_(&document) {
    setObjectName(QStringLiteral("FinishedPuzzle_PaintBox"));
    setAccessibleName(QStringLiteral("Preview"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(200, 200);
}

void TPreviewBox::SetView(int view) {
    view_ = view;
    update();
}

void TPreviewBox::paintEvent(QPaintEvent*) {
    {
        // A soft grey desk, so the white paper and the gap between pages stand out.
        QPainter desk(this);
        desk.fillRect(rect(), QColor(0xB8, 0xBC, 0xC4));
    }
    PaintPreviewView(*document_, *this, view_);
}

}  // namespace vorlix::shell
