// The export window: navigation between its pages, the "Include" boxes with their puzzle
// and solution rules, and the commands, which leave every drawing and every file to the
// document's exporters.
#include "exportfm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "desktopfit.h"
#include "exportclipboard.h"
#include "finishedpage.h"
#include "htmlexport.h"
#include "link.h"
#include "pictureexport.h"
#include "playexport.h"
#include "previewbox.h"
#include "puzzledocument.h"
#include "puzzlemodel.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

// The smallest preview box whose size still says something about the screen.
constexpr int MinPreviewSide = 50;
const QColor LimitedColour = WarningText;

const QString WebPageFilter = QStringLiteral("HTML files (*.htm  *.html)|*.HTM;*.HTML|All files (*.*)|*.*");
const QString TextFilter = QStringLiteral("Text files (*.txt)|*.TXT|All files (*.*)|*.*");
const QString VectorFilter =
    QStringLiteral("Enhanced Metafiles (*.emf)|*.EMF|SVG pictures (*.svg)|*.SVG|All files (*.*)|*.*");
const QString BitmapFilter =
    QStringLiteral("Bitmap (*.bmp)|*.BMP|PNG pictures (*.png)|*.PNG|All files (*.*)|*.*");

void Tell(IMessageHost& host, MessageKind kind, const QString& text) {
    host.ShowMessage(kind, text.toStdU16String(), MessageButtons::Ok);
}

}  // namespace

QString ClipboardHintText() {
    return QStringLiteral(
        "The clipboard is a temporary holding place used to move information from one program to another. The "
        "clipboard is not visible, so you won't see anything until you select Paste in another application.");
}

QString ExplainHtmlHintText() {
    return QStringLiteral(
        "HTML is how text and fomatting information are transmitted over the World Wide Web. The names of these "
        "files can end with \".htm\" or \".html\".");
}

QString TextBasedWayHintText() {
    return QStringLiteral(
        "Most HTML editing programs will also accept text and do the convertion to HTML themselves. To use this "
        "method, go back and choose the \"Export as Text\" option.");
}

// --- The pixels-per-cell spin.

TPixelsPerCellSpin::TPixelsPerCellSpin(QWidget* parent) : QSpinBox(parent) {
    // Any value the rules can reach; the arrows, not the range, keep it in bounds.
    setRange(MinPixelsPerCell, MaxGridSidePixels);
    setValue(StartPixelsPerCell);
    lineEdit()->setReadOnly(true);
}

void TPixelsPerCellSpin::SetGridSize(int columns, int rows) {
    columns_ = columns;
    rows_ = rows;
    update();
}

void TPixelsPerCellSpin::stepBy(int steps) {
    int v = value();
    for (; steps > 0; --steps) v = PixelsPerCellUp(v, columns_, rows_);
    for (; steps < 0; ++steps) v = PixelsPerCellDown(v);
    setValue(v);
}

QAbstractSpinBox::StepEnabled TPixelsPerCellSpin::stepEnabled() const {
    StepEnabled on = StepNone;
    if (PixelsPerCellUp(value(), columns_, rows_) != value()) on |= StepUpEnabled;
    if (PixelsPerCellDown(value()) != value()) on |= StepDownEnabled;
    return on;
}

// --- The window.

TExportFm::TExportFm(TWebFm& main) : QDialog(&main), main_(&main) {
    setObjectName(QStringLiteral("TExportFm"));
    setWindowTitle(QStringLiteral("Publish or Export Your Puzzle"));
    setAccessibleName(windowTitle());
    setModal(true);
    setMinimumSize(760, 560);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(BuildToolbar());

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 14, 14);
    row->setSpacing(10);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("Export_Pages"));
    pages_->addWidget(BuildOptionsPage());
    pages_->addWidget(BuildHtmlPage());
    pages_->addWidget(BuildPlayPage());
    pages_->addWidget(BuildCopyHtmlPage());
    pages_->addWidget(BuildTextPage());
    pages_->addWidget(BuildMetafilePage(false));
    pages_->addWidget(BuildMetafilePage(true));
    pages_->addWidget(BuildBitmapPage());
    row->addWidget(pages_, 1);
    include_ = BuildIncludeGroup();
    row->addWidget(include_, 0, Qt::AlignTop);
    outer->addLayout(row, 1);

    SetExportingSolution(false);
    TurnTo(ExportOptionsPage);
}

void TExportFm::PrepareToShow() {
    {
        const QSignalBlocker quiet(pixelsSpin_);
        pixelsSpin_->setValue(StartPixelsPerCell);
    }
    TurnTo(ExportOptionsPage);
}

void TExportFm::ShowExport() {
    PrepareToShow();
    main_->Services().Modal.Run(*this);
}

void TExportFm::TurnTo(const QString& pageName) {
    for (int i = 0; i < pages_->count(); ++i) {
        if (pages_->widget(i)->accessibleName() != pageName) continue;
        pages_->setCurrentIndex(i);
        // The interactive page always holds the whole puzzle.
        include_->setVisible(pageName != ExportOptionsPage && pageName != PlayPagePage);
        if (pageName == BitmapPage) {
            SetBitmapWording();
            SuggestBitmapSize();
        }
        return;
    }
}

QString TExportFm::CurrentPageName() const { return pages_->currentWidget()->accessibleName(); }

TExportSections TExportFm::Sections() const {
    TExportSections s;
    s.Worksheet = worksheetCB_->isChecked();
    s.Title = titleCB_->isChecked();
    s.Instructions = instructionsCB_->isChecked();
    s.Grid = gridCB_->isChecked();
    s.WordList = listCB_->isChecked();
    s.Solution = solutionCB_->isChecked();
    return s;
}

int TExportFm::PixelsPerCell() const { return pixelsSpin_->value(); }

void TExportFm::Choose(const QString& pageName, bool solution) {
    SetExportingSolution(solution);
    TurnTo(pageName);
}

void TExportFm::SetExportingSolution(bool solution) {
    solution_ = solution;
    const QSignalBlocker a(worksheetCB_), b(instructionsCB_), c(gridCB_), d(listCB_), e(solutionCB_);
    for (QCheckBox* box : {worksheetCB_, instructionsCB_, gridCB_, listCB_}) box->setEnabled(!solution);
    gridCB_->setChecked(!solution);
    listCB_->setChecked(!solution);
    solutionCB_->setChecked(solution);
    solutionCB_->setVisible(solution);
}

void TExportFm::IncludeChanged() {
    if (CurrentPageName() == BitmapPage) SuggestBitmapSize();
}

void TExportFm::SetBitmapWording() {
    const QString what = solution_ ? QStringLiteral("solution") : QStringLiteral("puzzle");
    bitmapHeading_->setText(solution_ ? QStringLiteral("Export Solution    (Fixed-size)")
                                      : QStringLiteral("Export Puzzle    (Fixed-size)"));
    bitmapSubheading_->setText(QStringLiteral("Copy and paste your ") + what +
                               QStringLiteral(" into another program."));
    bitmapStep3_->setText(QStringLiteral("Step 3   - Click on this button.   It copies your ") + what +
                          QStringLiteral(" to the Clipboard."));
    for (QLabel* label : {bitmapHeading_, bitmapSubheading_, bitmapStep3_}) label->setAccessibleName(label->text());
}

void TExportFm::BackClicked() {
    if (CurrentPageName() == ExportOptionsPage)
        reject();
    else
        TurnTo(ExportOptionsPage);
}

void TExportFm::MaximizeFontSizes() {
    main_->ShowAppearance();
    // Bigger fonts change the picture's area, so the size suggested before is stale.
    if (CurrentPageName() == BitmapPage) SuggestBitmapSize();
}

void TExportFm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (TLink* link = main_->Highlighter().Current(); link && link->window() == this) {
            link->Activate();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

// --- Bitmap size.

void TExportFm::SetFieldLimited(QLineEdit* field, bool limited) {
    QPalette p = field->palette();
    p.setColor(QPalette::Text, limited ? LimitedColour : QColor(Qt::black));
    field->setPalette(p);
}

void TExportFm::SuggestBitmapSize() {
    const TWordSearch& puzzle = main_->Model().Puzzle().Grid();
    pixelsSpin_->SetGridSize(puzzle.ActualColumns, puzzle.ActualRows);
    const TBitmapSize size = vorlix::SuggestBitmapSize(main_->Document(), Sections(), solution_, PixelsPerCell());
    const QSignalBlocker a(widthEd_), b(heightEd_);
    widthEd_->setText(QString::number(size.Width));
    heightEd_->setText(QString::number(size.Height));
    SetFieldLimited(widthEd_, size.WidthLimited);
    SetFieldLimited(heightEd_, size.HeightLimited);
}

// --- Commands.

bool TExportFm::ConfirmSomethingChosen() {
    if (!SomethingChosen(Sections(), solution_)) {
        Tell(main_->Services().Messages, MessageKind::Information, NothingChosenMessage());
        return false;
    }
    if (!PictureAreaEmpty(PictureExportArea(main_->Document(), Sections(), solution_))) return true;
    Tell(main_->Services().Messages, MessageKind::Warning, PictureOffPageMessage());
    return false;
}

QString TExportFm::AskSaveName(const QString& title, const QString& filter, const QString& suffix) {
    TFileDialogRequest request;
    request.Title = title;
    request.Filter = filter;
    request.DefaultSuffix = suffix;
    QString base = main_->Model().CurrentFileName();
    if (base.endsWith(QLatin1String(".ws"), Qt::CaseInsensitive)) base.chop(3);
    if (!base.isEmpty()) request.FileName = base + u'.' + suffix;
    return WithChosenSuffix(main_->Services().Files.SaveFileName(this, request), request);
}

namespace {

// The finished page's preview box sets the web page's grid width, as on screen.
THtmlPreviewScale PreviewScaleOf(TWebFm& main) {
    THtmlPreviewScale scale;
    if (const QSize box = main.FinishedPreviewSize();
        box.width() >= MinPreviewSide && box.height() >= MinPreviewSide) {
        scale.BoxWidth = box.width();
        scale.BoxHeight = box.height();
    }
    return scale;
}

}  // namespace

bool TExportFm::SaveWebPage() {
    const QString name = AskSaveName(QStringLiteral("Export as Complete Web Page"), WebPageFilter,
                                     QStringLiteral("htm"));
    if (name.isEmpty()) return false;
    const TBusyCursor busy;
    return SaveHtmlPage(name, main_->Model().Puzzle(), Sections(), PreviewScaleOf(*main_), main_->Services().Messages);
}

bool TExportFm::SaveInteractivePage() {
    const QString name = AskSaveName(QStringLiteral("Export as Interactive Web Page"), WebPageFilter,
                                     QStringLiteral("html"));
    if (name.isEmpty()) return false;
    const TBusyCursor busy;
    return SavePlayPage(name, main_->Model().Puzzle(), TPlayOptions{mysteryCB_->isChecked()},
                        main_->Services().Messages);
}

bool TExportFm::CopyHtml() {
    const QStringList lines = HtmlFragmentLines(main_->Model().Puzzle(), Sections(), PreviewScaleOf(*main_));
    return PutOnClipboard(HtmlMimeData(HtmlClipboardText(lines)));
}

bool TExportFm::CopyText() {
    const QStringList lines = TextExportLines(main_->Model().Puzzle(), Sections(), spacingCmBx_->currentIndex());
    return PutOnClipboard(TextMimeData(TextExportClipboard(lines)));
}

bool TExportFm::SaveText() {
    const QString name = AskSaveName(QStringLiteral("Export as Text File on Disk"), TextFilter, QStringLiteral("txt"));
    if (name.isEmpty()) return false;
    const TBusyCursor busy;
    return SaveTextExport(name, main_->Model().Puzzle(), Sections(), spacingCmBx_->currentIndex(), main_->Services().Messages);
}

bool TExportFm::CopyVectorPicture() {
    IMessageHost& host = main_->Services().Messages;
    const TBusyCursor busy;
    // Nothing chosen stops at the first picture, with its message.
    const QByteArray svg = RenderVectorPicture(main_->Document(), Sections(), solution_, TVectorFormat::Svg, host);
    if (svg.isEmpty()) return false;
    QByteArray emf;
    if (TAsCanvas::EmfAvailable())
        emf = RenderVectorPicture(main_->Document(), Sections(), solution_, TVectorFormat::Emf, host);
    return PutOnClipboard(VectorPictureMimeData(svg, emf));
}

bool TExportFm::SaveVectorPicture() {
    if (!ConfirmSomethingChosen()) return false;
    const QString name = AskSaveName(QStringLiteral("Save as Enhanced Metafile"), VectorFilter, QStringLiteral("emf"));
    if (name.isEmpty()) return false;
    const TBusyCursor busy;
    return vorlix::SaveVectorPicture(name, main_->Document(), Sections(), solution_, main_->Services().Messages);
}

bool TExportFm::CopyBitmap() {
    const TBusyCursor busy;
    return CopyBitmapPicture(main_->Document(), Sections(), solution_, BitmapSideFromText(widthEd_->text()),
                             BitmapSideFromText(heightEd_->text()), main_->Services().Messages);
}

bool TExportFm::SaveBitmap() {
    if (!ConfirmSomethingChosen()) return false;
    const int width = BitmapSideFromText(widthEd_->text());
    const int height = BitmapSideFromText(heightEd_->text());
    if (width < 1 || width > MaxBitmapSide || height < 1 || height > MaxBitmapSide) {
        Tell(main_->Services().Messages, MessageKind::Warning, BitmapSizeMessage());
        return false;
    }
    const QString name = AskSaveName(QStringLiteral("Save as Bitmap"), BitmapFilter, QStringLiteral("bmp"));
    if (name.isEmpty()) return false;
    const TBusyCursor busy;
    return SaveBitmapPicture(name, main_->Document(), Sections(), solution_, width, height,
                             main_->Services().Messages);
}

}  // namespace vorlix::shell
