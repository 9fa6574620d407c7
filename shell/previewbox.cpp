// The finished page's preview paint box and the one painting routine of on-screen previews.
#include "previewbox.h"

#include <algorithm>

#include <QPaintDevice>
#include <QPainter>

#include "puzzledocument.h"

namespace vorlix::shell {

QPointF TPreviewCamera::Centre(QSize box) const {
    const double res = Resolution();
    return ScrollOrigin + QPointF(box.width() / 2.0 / res, box.height() / 2.0 / res);
}

TPreviewCamera TPreviewCamera::ZoomedTo(double percent, QSize box) const {
    TPreviewCamera zoomed{percent, {}};
    const double res = zoomed.Resolution();
    zoomed.ScrollOrigin = Centre(box) - QPointF(box.width() / 2.0 / res, box.height() / 2.0 / res);
    return zoomed;
}

bool PagesSideBySide(const TInchRect& paper, QSize box) {
    const double w = paper.Width();
    if (box.width() <= 0 || box.height() <= 0 || w <= 0.0) return true;
    return paper.Height() / w > static_cast<double>(box.height()) / box.width();
}

std::vector<QPointF> PagePlacements(const TPuzzleDocument& document, QSize box) {
    const TInchRect paper = document.PageRect();
    const bool sideBySide = PagesSideBySide(paper, box);
    const QPointF step = sideBySide ? QPointF(paper.Width() + PreviewPageGap, 0.0) : QPointF(0.0, paper.Height() + PreviewPageGap);
    std::vector<QPointF> placements;
    const int last = std::clamp(document.SolutionPage(), 1, MaxPagePlacements);
    for (int page = 1; page <= last; ++page) placements.push_back(step * (page - 1));
    return placements;
}

TInchRect AllPagesRect(const TPuzzleDocument& document, QSize box) {
    const TInchRect paper = document.PageRect();
    const QPointF last = PagePlacements(document, box).back();
    return {0.0, 0.0, last.x() + paper.Width(), last.y() + paper.Height()};
}

namespace {

QPointF PlacementOf(const std::vector<QPointF>& placements, int page) {
    if (page < 1 || page > static_cast<int>(placements.size())) return {};
    return placements[static_cast<std::size_t>(page - 1)];
}

}  // namespace

TPreviewCamera FitPreviewView(const TPuzzleDocument& document, QSize box, int view, const TPreviewCamera& current) {
    if (view == ViewZoom || box.width() <= 0 || box.height() <= 0) return current;
    const std::vector<QPointF> placements = PagePlacements(document, box);
    TInchRect r = document.PageRect();
    int page = 1;
    switch (view) {
    case ViewPage1: break;
    case ViewPage2: page = std::min(2, static_cast<int>(placements.size())); break;
    case ViewTwoPages: r = AllPagesRect(document, box); break;
    case ViewPuzzle: r = document.GridRect(); break;
    case ViewSolution: r = document.SolutionGridRect(); page = document.SolutionPage(); break;
    case ViewWordList: r = document.WordListRect(); page = document.WordListPage(); break;
    default: return current;
    }
    const TAsCanvas::TFit fit = TAsCanvas::FitFor(r, PlacementOf(placements, page), QSizeF(box));
    return {fit.Resolution * 100.0 / PreviewPixelsPerInch, fit.ScrollOrigin};
}

namespace {

// The preview window: every page at its placement, seen through the camera.
void PaintThroughCamera(TPuzzleDocument& document, QPaintDevice& box, int view, TPreviewCamera& camera) {
    const QSize size(box.width(), box.height());
    camera = FitPreviewView(document, size, view, camera);
    auto canvas = TAsCanvas::ForPreview(&box);
    if (!canvas->IsActive()) return;
    const std::vector<QPointF> placements = PagePlacements(document, size);
    for (std::size_t i = 0; i < placements.size(); ++i) canvas->SetPagePlacement(static_cast<int>(i) + 1, placements[i]);
    canvas->SetZoom(camera.ZoomPercent);
    canvas->SetScrollOrigin(camera.ScrollOrigin);
    for (int page = 1; page <= static_cast<int>(placements.size()); ++page) document.DrawPage(*canvas, page, 0);
}

}  // namespace

void PaintPreviewView(TPuzzleDocument& document, QPaintDevice& box, int view, TPreviewCamera* camera) {
    document.LayOut();
    // A box without area has nothing to fit into (and would give an infinite scale).
    if (box.width() <= 0 || box.height() <= 0) return;
    if (camera) {
        PaintThroughCamera(document, box, view, *camera);
        return;
    }
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
        const QSize size(box.width(), box.height());
        const std::vector<QPointF> placements = PagePlacements(document, size);
        for (std::size_t i = 0; i < placements.size(); ++i)
            canvas->SetPagePlacement(static_cast<int>(i) + 1, placements[i]);
        canvas->SelectPage(1);
        canvas->FitRect(AllPagesRect(document, size));
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
