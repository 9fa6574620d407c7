// The preview window keeps a camera (zoom and scroll origin) over pages placed side by side
// or one above the other; every picture comes from the document through PaintPreviewView.
#include "previewfm.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "desktopfit.h"
#include "hintfm.h"
#include "preferences.h"
#include "preferences_store.h"
#include "puzzledocument.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

constexpr double ZoomStep = 1.5;
constexpr int FormWidth = 679;  // the window's own size when no placement applies
constexpr int FormHeight = 441;
constexpr int MinWidth = 100;
constexpr int MinHeight = 150;
constexpr int ScreenAllowance = 50;  // the default placement leaves this much of the screen free

struct TViewCommand {
    const char* Name;
    const char* Caption;
    int View;
};

const TViewCommand ViewCommands[] = {
    {"Preview_Page1Btn", "Page &1", ViewPage1},       {"Preview_Page2Btn", "Page &2", ViewPage2},
    {"Preview_TwoPagesBtn", "&Two Pages", ViewTwoPages}, {"Preview_PuzzleBtn", "&Puzzle", ViewPuzzle},
    {"Preview_SolutionBtn", "&Solution", ViewSolution}, {"Preview_WordListBtn", "&Word List", ViewWordList},
};

// The paint box: a grey desk, the pages on it through the window's camera.
class TCameraBox : public QWidget {
public:
    TCameraBox(TPuzzleDocument& document, const int& view, TPreviewCamera& camera, std::function<void(QSize)> resized,
               QWidget* parent)
        : QWidget(parent), document_(document), view_(view), camera_(camera), resized_(std::move(resized)) {
        setObjectName(QStringLiteral("PreviewPB"));
        setAccessibleName(QStringLiteral("Preview"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        {
            QPainter desk(this);
            desk.fillRect(rect(), QColor(0xB8, 0xBC, 0xC4));
        }
        PaintPreviewView(document_, *this, view_, &camera_);
    }
    void resizeEvent(QResizeEvent* event) override { resized_(event->oldSize()); }

private:
    TPuzzleDocument& document_;
    const int& view_;
    TPreviewCamera& camera_;
    std::function<void(QSize)> resized_;
};

QToolButton* MakeToolButton(QToolBar* bar, const char* name, const QString& caption) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setAccessibleName(QString(caption).remove(QLatin1Char('&')).trimmed());
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    bar->addWidget(b);
    return b;
}

}  // namespace

TPreviewFm::TPreviewFm(TWebFm& main)
    : QWidget(&main, Qt::Window),
      main_(&main),
      document_(&main.Document()),
      store_(&main.Store()),
      prefs_(&main.Preferences()) {
    setObjectName(QStringLiteral("TPreviewFm"));
    setWindowTitle(QStringLiteral("Preview"));
    setMinimumSize(MinWidth, MinHeight);
    resize(FormWidth, FormHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildToolbar());

    auto* viewport = new QWidget(this);
    auto* grid = new QGridLayout(viewport);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    box_ = new TCameraBox(*document_, view_, camera_, [this](QSize old) { BoxResized(old); }, viewport);
    box_->installEventFilter(this);
    hbar_ = new QScrollBar(Qt::Horizontal, viewport);
    vbar_ = new QScrollBar(Qt::Vertical, viewport);
    hbar_->setObjectName(QStringLiteral("Preview_HorzSB"));
    vbar_->setObjectName(QStringLiteral("Preview_VertSB"));
    hbar_->hide();
    vbar_->hide();
    connect(hbar_, &QScrollBar::valueChanged, this, [this] { Scrolled(); });
    connect(vbar_, &QScrollBar::valueChanged, this, [this] { Scrolled(); });
    grid->addWidget(box_, 0, 0);
    grid->addWidget(vbar_, 0, 1);
    grid->addWidget(hbar_, 1, 0);
    layout->addWidget(viewport, 1);

    TReport report;
    store_->LoadPreviewPlacement(*prefs_, report);
    ShowReport(main_->Services().Messages, report);
    ApplyPlacement();
    ShowState();
}

TPreviewFm::~TPreviewFm() {
    RememberPlacement();
    // Nobody is left to tell when the program closes; the placement is only a convenience.
    TReport ignored;
    store_->SavePreviewPlacement(*prefs_, ignored);
}

QWidget* TPreviewFm::BuildToolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Preview_ToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    // Spacing by the layout, not a style sheet, so the colour scheme's palette still paints it.
    bar->layout()->setSpacing(2);
    bar->setContentsMargins(6, 3, 6, 3);

    QToolButton* back = MakeToolButton(bar, "Preview_BackBtn", QStringLiteral("&Back "));
    back->setToolTip(QStringLiteral("Back to main form"));
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    back->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(back, &QToolButton::clicked, this, &TPreviewFm::Back);
    bar->addSeparator();

    views_ = new QButtonGroup(this);
    views_->setExclusive(true);
    for (const TViewCommand& command : ViewCommands) {
        QToolButton* b = MakeToolButton(bar, command.Name, QString::fromLatin1(command.Caption));
        b->setCheckable(true);
        views_->addButton(b, command.View);
        if (command.View == ViewTwoPages || command.View == ViewPuzzle) bar->addSeparator();
    }
    connect(views_, &QButtonGroup::idClicked, this, &TPreviewFm::SetView);
    bar->addSeparator();

    QToolButton* in = MakeToolButton(bar, "Preview_ZoomInBtn", QStringLiteral("Zoom &In"));
    QToolButton* out = MakeToolButton(bar, "Preview_ZoomOutBtn", QStringLiteral("Zoom &Out"));
    in->setAutoRepeat(true);
    out->setAutoRepeat(true);
    connect(in, &QToolButton::clicked, this, &TPreviewFm::ZoomIn);
    connect(out, &QToolButton::clicked, this, &TPreviewFm::ZoomOut);

    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    zoomLbl_ = new QLabel(bar);
    zoomLbl_->setObjectName(QStringLiteral("Preview_ZoomLbl"));
    zoomLbl_->setContentsMargins(8, 0, 4, 0);
    bar->addWidget(zoomLbl_);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &TPreviewFm::Back);
    addAction(close);
    return bar;
}

// --- Placement.

void TPreviewFm::ApplyPlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    TPreferences& p = *prefs_;
    // 0 (no stored size) means the default: the screen less 50 pixels.
    const int width = p.PreviewWidth > 0 ? p.PreviewWidth : area.width() - ScreenAllowance;
    const int height = p.PreviewHeight > 0 ? p.PreviewHeight : area.height() - ScreenAllowance;
    // Bounds from a larger screen, or another scale, are brought wholly onto today's.
    const QRect free = screen ? screen->availableGeometry() : area;
    normal_ = KeptOnScreen(QRect(p.PreviewLeft, p.PreviewTop, std::max(width, MinWidth), std::max(height, MinHeight)),
                           free);
    move(normal_.topLeft());
    resize(normal_.size());
    // A window that went away minimized comes back normal: it is only ever shown on request.
    if (p.PreviewWindowState == WindowStateMaximized) setWindowState(Qt::WindowMaximized);
    placed_ = true;
}

void TPreviewFm::RememberPlacement() {
    if (!placed_) return;
    if (windowState() == Qt::WindowNoState && isVisible()) normal_ = QRect(pos(), size());
    TPreferences& p = *prefs_;
    p.PreviewWindowState = isMaximized()   ? WindowStateMaximized
                           : isMinimized() ? WindowStateMinimized
                                           : WindowStateNormal;
    p.PreviewLeft = normal_.left();
    p.PreviewTop = normal_.top();
    p.PreviewWidth = normal_.width();
    p.PreviewHeight = normal_.height();
}

void TPreviewFm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    RememberPlacement();
}

void TPreviewFm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    RememberPlacement();
}

void TPreviewFm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) RememberPlacement();
}

// --- Showing.

void TPreviewFm::ShowOrRaise() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void TPreviewFm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refit();
    main_->Clock().After(PreviewHintDelayMs, this, [this] {
        if (!isVisible() || main_->Terminating()) return;
        const QRect frame = frameGeometry();
        main_->Hint().ShowHint(PreviewBackHint, frame.left(), PreviewHintSeconds, frame.top() + 70);
    });
}

void TPreviewFm::Repaint() {
    if (isVisible()) box_->update();
}

void TPreviewFm::PaperChanged() { Refit(); }

void TPreviewFm::Back() {
    hide();
    main_->raise();
    main_->activateWindow();
}

// --- Views and zoom.

bool TPreviewFm::SideBySide() const { return PagesSideBySide(document_->PageRect(), box_->size()); }

void TPreviewFm::SetView(int view) {
    if (view < ViewPage1 || view > ViewWordList) return;
    view_ = view;
    Refit();
}

void TPreviewFm::ZoomIn() { ZoomTo(std::min(camera_.ZoomPercent * ZoomStep, MaxPreviewZoom)); }

void TPreviewFm::ZoomOut() { ZoomTo(std::max(camera_.ZoomPercent / ZoomStep, MinPreviewZoom)); }

void TPreviewFm::ZoomTo(double percent) {
    document_->LayOut();
    // The camera of a fitted view follows the box's size and the puzzle: take it fresh.
    camera_ = FitPreviewView(*document_, box_->size(), view_, camera_);
    camera_ = camera_.ZoomedTo(std::clamp(percent, MinPreviewZoom, MaxPreviewZoom), box_->size());
    view_ = ViewZoom;
    ShowState();
}

void TPreviewFm::Refit() {
    document_->LayOut();
    camera_ = FitPreviewView(*document_, box_->size(), view_, camera_);
    ShowState();
}

void TPreviewFm::BoxResized(QSize oldSize) {
    if (view_ == ViewZoom && oldSize.isValid() && !oldSize.isEmpty()) {
        // The zoom stays, and so does the point at the box's centre.
        const QPointF centre = camera_.Centre(oldSize);
        const double res = camera_.Resolution();
        camera_.ScrollOrigin = centre - QPointF(box_->width() / 2.0 / res, box_->height() / 2.0 / res);
    }
    Refit();
}

void TPreviewFm::ShowState() {
    if (views_) {
        QAbstractButton* checked = views_->button(view_);
        if (checked) {
            checked->setChecked(true);
        } else if (views_->checkedButton()) {
            // The zoom view belongs to no view button.
            views_->setExclusive(false);
            views_->checkedButton()->setChecked(false);
            views_->setExclusive(true);
        }
    }
    if (zoomLbl_) zoomLbl_->setText(QStringLiteral("%1%").arg(std::lround(camera_.ZoomPercent)));
    UpdateScrollBars();
    box_->update();
}

// --- Scrolling in the zoom view.

void TPreviewFm::UpdateScrollBars() {
    if (settingBars_) return;
    settingBars_ = true;
    const QSize size = box_->size();
    const double res = camera_.Resolution();
    const TInchRect pages = AllPagesRect(*document_, size);
    const TInchRect seen{camera_.ScrollOrigin.x(), camera_.ScrollOrigin.y(), camera_.ScrollOrigin.x() + size.width() / res,
                         camera_.ScrollOrigin.y() + size.height() / res};
    const bool zoom = view_ == ViewZoom;
    // A bar shows while part of the pages lies outside the box on its axis.
    const bool horz = zoom && (pages.Left < seen.Left - 1e-6 || pages.Right > seen.Right + 1e-6);
    const bool vert = zoom && (pages.Top < seen.Top - 1e-6 || pages.Bottom > seen.Bottom + 1e-6);
    auto setBar = [](QScrollBar* bar, bool shown, double from, double to, double at, int page) {
        bar->setVisible(shown);
        if (!shown) return;
        const QSignalBlocker block(bar);
        bar->setRange(static_cast<int>(std::floor(std::min(from, at))),
                      static_cast<int>(std::ceil(std::max(to - page, at))));
        bar->setPageStep(page);
        bar->setSingleStep(std::max(page / 10, 1));
        bar->setValue(static_cast<int>(std::lround(at)));
    };
    setBar(hbar_, horz, pages.Left * res, pages.Right * res, seen.Left * res, size.width());
    setBar(vbar_, vert, pages.Top * res, pages.Bottom * res, seen.Top * res, size.height());
    settingBars_ = false;
}

void TPreviewFm::Scrolled() {
    if (settingBars_ || view_ != ViewZoom) return;
    const double res = camera_.Resolution();
    if (hbar_->isVisible()) camera_.ScrollOrigin.setX(hbar_->value() / res);
    if (vbar_->isVisible()) camera_.ScrollOrigin.setY(vbar_->value() / res);
    box_->update();
}

bool TPreviewFm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int steps = wheel->angleDelta().y() / 120;
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (steps > 0) ZoomIn();
            if (steps < 0) ZoomOut();
            return true;
        }
        QScrollBar* bar = (wheel->modifiers() & Qt::ShiftModifier) ? hbar_ : vbar_;
        if (bar->isVisible()) bar->setValue(bar->value() - steps * bar->singleStep() * 3);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vorlix::shell
