#include "ascanvas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QSvgGenerator>
#include <QSvgRenderer>

#ifdef VORLIX_HAVE_EMF
#include "emfpaintdevice.h"
#endif

#include "safewrite.h"
#include "scriptfaces.h"

namespace vorlix {

namespace {

// The largest pixel size a canvas asks of a font: 5 inches at 1200 dots per inch.
constexpr int MaxFontPixels = 6000;

}  // namespace

TInchRect TInchRect::United(const TInchRect& o) const {
    return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right), std::max(Bottom, o.Bottom)};
}

TInchRect TInchRect::Inset(double d) const { return {Left + d, Top + d, Right - d, Bottom - d}; }

// --- Printer metrics ---

PrinterPageMetrics MetricsFromDeviceValues(int resolutionX, int resolutionY, QPoint paperSizePixels,
                                           QPoint physicalOffsetPixels, QPoint printableSizePixels) {
    PrinterPageMetrics m;
    m.ResolutionX = resolutionX == 0 ? 300 : resolutionX;
    m.ResolutionY = resolutionY == 0 ? 300 : resolutionY;
    const double rx = m.ResolutionX;
    const double ry = m.ResolutionY;
    m.PageWidth = paperSizePixels.x() / rx;
    m.PageHeight = paperSizePixels.y() / ry;
    const auto nonsense = [](double inches) { return inches < 2.0 || inches > 50.0; };
    if (nonsense(m.PageWidth) || nonsense(m.PageHeight)) {
        m.PageWidth = 8.5;
        m.PageHeight = 11.0;
    }
    m.PhysicalOffsetXPixels = physicalOffsetPixels.x();
    m.PhysicalOffsetYPixels = physicalOffsetPixels.y();
    m.PrintableOffsetX = physicalOffsetPixels.x() / rx;
    m.PrintableOffsetY = physicalOffsetPixels.y() / ry;
    m.PrintableWidth = printableSizePixels.x() / rx;
    m.PrintableHeight = printableSizePixels.y() / ry;
    m.PrinterFound = true;
    return m;
}

PrinterPageMetrics MetricsFromPrinter(const QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QPoint paperSize(qRound(paper.width()), qRound(paper.height()));
    // Qt reports the printable rectangle relative to the paper's corner.
    const QPoint offset(qRound(page.left() - paper.left()), qRound(page.top() - paper.top()));
    const QPoint printable(qRound(page.width()), qRound(page.height()));
    return MetricsFromDeviceValues(printer.logicalDpiX(), printer.logicalDpiY(), paperSize, offset, printable);
}

bool PrinterInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

PrinterPageMetrics ReadPrinterMetrics() {
    if (!PrinterInstalled()) return PrinterPageMetrics{};
    QPrinter printer(QPrinter::HighResolution);
    if (!printer.isValid()) return PrinterPageMetrics{};
    return MetricsFromPrinter(printer);
}

QPageSize::PageSizeId PaperSizeId(const QString& paperName) {
    const QString name = paperName.trimmed();
    for (const TPaper& paper : Papers)
        if (name.compare(QLatin1StringView(paper.Name.data(), paper.Name.size()), Qt::CaseInsensitive) == 0)
            return paper.Id;
    return Papers.front().Id;
}

QString PaperName(QPageSize::PageSizeId id) {
    for (const TPaper& paper : Papers)
        if (paper.Id == id) return QString::fromLatin1(paper.Name);
    return DefaultPaperName();
}

QString DefaultPaperName() { return QString::fromLatin1(Papers.front().Name); }

PrinterPageMetrics MetricsForPaper(const QString& paperName, int resolution) {
    const QSizeF inches = QPageSize(PaperSizeId(paperName)).size(QPageSize::Inch);
    PrinterPageMetrics m;
    m.PageWidth = inches.width();
    m.PageHeight = inches.height();
    m.PrintableOffsetX = 0.0;
    m.PrintableOffsetY = 0.0;
    m.PrintableWidth = m.PageWidth;
    m.PrintableHeight = m.PageHeight;
    m.ResolutionX = resolution;
    m.ResolutionY = resolution;
    m.PrinterFound = true;
    return m;
}

void InstallFontSubstitutes() {
    // fontconfig already maps Arial and Times New Roman to the Liberation faces; Comic Sans
    // has no metric twin there, so point Qt at the closest installed face.
    if (QFont::substitutes(QStringLiteral("Comic Sans MS")).isEmpty())
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

// --- Simulated printer ---

TSimulatedPrinter::TSimulatedPrinter() {
    const PrinterPageMetrics m;
    page_ = QImage(qRound(m.PageWidth * m.ResolutionX), qRound(m.PageHeight * m.ResolutionY), QImage::Format_RGB32);
    page_.fill(Qt::white);
}

void TSimulatedPrinter::BeginDocument() {
    pages_ = 1;
    page_.fill(Qt::white);
}

void TSimulatedPrinter::NewPage() {
    ++pages_;
    page_.fill(Qt::white);
}

// --- Canvas ---

TAsCanvas::TAsCanvas(TCanvasKind kind, QPaintDevice* device, double resolutionX, double resolutionY,
                     QPoint originPixels)
    : kind_(kind), device_(device), resX_(resolutionX), resY_(resolutionY), origin_(originPixels) {
    Begin();
}

TAsCanvas::~TAsCanvas() {
    End();
}

namespace {

// Whoever draws or measures first gets the font substitutes, even without the application's start-up.
void EnsureFontSubstitutes() {
    static const bool substitutes = (InstallFontSubstitutes(), true);
    (void)substitutes;
}

}  // namespace

void TAsCanvas::Begin() {
    EnsureFontSubstitutes();
    painter_ = std::make_unique<QPainter>();
    if (device_ && painter_->begin(device_))
        painter_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

bool TAsCanvas::IsActive() const { return painter_ && painter_->isActive(); }

void TAsCanvas::End() {
    if (painter_ && painter_->isActive()) painter_->end();
    if (pictureOpen_) {
        pictureOpen_ = false;
#ifdef VORLIX_HAVE_EMF
        if (vectorFormat_ == TVectorFormat::Emf && ownedDevice_)
            static_cast<TEmfPaintDevice*>(ownedDevice_.get())->finish();
#endif
        if (pictureBuffer_) pictureData_ = pictureBuffer_->data();
    }
}

std::unique_ptr<TAsCanvas> TAsCanvas::ForPreview(QPaintDevice* box, int zoomPercent) {
    const double res = PreviewPixelsPerInch * zoomPercent / 100.0;
    return std::make_unique<TAsCanvas>(TCanvasKind::Preview, box, res, res);
}

std::unique_ptr<TAsCanvas> TAsCanvas::ForPrinter(QPrinter& printer, const PrinterPageMetrics& metrics) {
    // Qt's printer origin is the printable area's corner, as the metrics' offset says.
    auto canvas = std::make_unique<TAsCanvas>(TCanvasKind::Printer, &printer, metrics.ResolutionX, metrics.ResolutionY,
                                              QPoint(metrics.PhysicalOffsetXPixels, metrics.PhysicalOffsetYPixels));
    canvas->newPage_ = [&printer] { return printer.newPage(); };
    return canvas;
}

std::unique_ptr<TAsCanvas> TAsCanvas::ForSimulatedPrinter(TSimulatedPrinter& printer) {
    const PrinterPageMetrics m = TSimulatedPrinter::Metrics();
    printer.BeginDocument();
    auto canvas = std::make_unique<TAsCanvas>(TCanvasKind::Printer, &printer.Page(), m.ResolutionX, m.ResolutionY);
    canvas->newPage_ = [&printer, c = canvas.get()] {
        // The painter must let go of the bitmap while it is cleared.
        c->painter_->end();
        printer.NewPage();
        c->Begin();
        return true;
    };
    return canvas;
}

std::unique_ptr<TAsCanvas> TAsCanvas::NewPdf(QIODevice* out, const QString& paperName) {
    auto writer = std::make_unique<QPdfWriter>(out);
    writer->setResolution(PdfResolution);
    writer->setCreator(QStringLiteral("Vorlix"));
    writer->setPageLayout(QPageLayout(QPageSize(PaperSizeId(paperName)), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    auto canvas = std::make_unique<TAsCanvas>(TCanvasKind::Printer, writer.get(), PdfResolution, PdfResolution);
    QPdfWriter* w = writer.get();
    canvas->newPage_ = [w] { return w->newPage(); };
    canvas->ownedPdf_ = std::move(writer);
    return canvas;
}

std::unique_ptr<TAsCanvas> TAsCanvas::NewBitmap(int widthPixels, int heightPixels) {
    auto image = std::make_unique<QImage>(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32);
    image->fill(Qt::white);
    auto canvas = std::make_unique<TAsCanvas>(TCanvasKind::Bitmap, nullptr, PreviewPixelsPerInch, PreviewPixelsPerInch);
    canvas->ownedImage_ = std::move(image);
    canvas->device_ = canvas->ownedImage_.get();
    canvas->Begin();
    return canvas;
}

bool TAsCanvas::EmfAvailable() {
#ifdef VORLIX_HAVE_EMF
    return true;
#else
    return false;
#endif
}

double TAsCanvas::ReferencePixelsPerInch() {
    double perMm = DefaultReferencePixelsPerMm;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSizeF mm = screen->physicalSize();
        const QSize px = screen->size();
        if (mm.width() > 0.0 && px.width() > 0) {
            const double measured = px.width() / mm.width();
            // A screen that reports nonsense gets the usual value.
            if (measured >= 1.0 && measured <= 40.0) perMm = measured;
        }
    }
    return 25.4 * perMm;
}

std::unique_ptr<TAsCanvas> TAsCanvas::NewVectorPicture(double widthInches, double heightInches, TVectorFormat format) {
    const double res = ReferencePixelsPerInch();
    const QSize size(std::max(1, static_cast<int>(std::ceil(std::abs(widthInches) * res))),
                     std::max(1, static_cast<int>(std::ceil(std::abs(heightInches) * res))));
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::WriteOnly);
    std::unique_ptr<QPaintDevice> device;
    if (format == TVectorFormat::Svg) {
        auto svg = std::make_unique<QSvgGenerator>();
        svg->setOutputDevice(buffer.get());
        svg->setSize(size);
        svg->setViewBox(QRect(QPoint(0, 0), size));
        svg->setResolution(qRound(res));
        svg->setTitle(QStringLiteral("Vorlix puzzle"));
        device = std::move(svg);
    } else {
#ifdef VORLIX_HAVE_EMF
        device = std::make_unique<TEmfPaintDevice>(buffer.get(), size, res);
#else
        return nullptr;
#endif
    }
    auto canvas = std::make_unique<TAsCanvas>(TCanvasKind::VectorPicture, nullptr, res, res);
    canvas->vectorFormat_ = format;
    canvas->pictureBuffer_ = std::move(buffer);
    canvas->ownedDevice_ = std::move(device);
    canvas->device_ = canvas->ownedDevice_.get();
    canvas->pictureOpen_ = true;
    canvas->Begin();
    return canvas;
}

void TAsCanvas::SetResolution(double x, double y) {
    resX_ = x;
    resY_ = y;
}

int TAsCanvas::ZoomPercent() const { return static_cast<int>(std::lround(resX_ * 100.0 / PreviewPixelsPerInch)); }

void TAsCanvas::SetZoom(double percent) {
    const double res = PreviewPixelsPerInch * percent / 100.0;
    SetResolution(res, res);
}

void TAsCanvas::SetPagePlacement(int n, QPointF topLeftInches) {
    if (n >= 1 && n <= MaxPagePlacements) placements_[static_cast<std::size_t>(n)] = topLeftInches;
}

QPointF TAsCanvas::PagePlacement(int n) const {
    if (n >= 1 && n <= MaxPagePlacements) return placements_[static_cast<std::size_t>(n)];
    return {};
}

void TAsCanvas::SelectPage(int n) {
    if (n >= 1 && n <= MaxPagePlacements) pageOffset_ = placements_[static_cast<std::size_t>(n)];
}

int TAsCanvas::PixelX(double x) const {
    return static_cast<int>(std::lround((pageOffset_.x() + x - scroll_.x()) * resX_)) - origin_.x();
}

int TAsCanvas::PixelY(double y) const {
    return static_cast<int>(std::lround((pageOffset_.y() + y - scroll_.y()) * resY_)) - origin_.y();
}

int TAsCanvas::FontCellPixels(int points) const {
    // Held to what a font can be drawn at: a size read from a damaged file must neither
    // overflow nor ask for glyphs metres high.
    return static_cast<int>(std::lround(std::clamp(points / 72.0 * resY_, 0.0, double(MaxFontPixels))));
}

namespace {

int CellHeightOf(const QFont& font) {
    const QFontMetrics fm(font);
    return fm.ascent() + fm.descent();
}

// The pixel size whose ascent + descent comes closest to cellPixels without exceeding it;
// hinting makes the relation a little uneven, so search around a scaled first guess.
int PixelSizeForCell(QFont font, int cellPixels) {
    using Key = std::tuple<QString, bool, bool, int>;
    static std::map<Key, int> cache;
    const Key key{font.family(), font.bold(), font.italic(), cellPixels};
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    constexpr int reference = 200;
    font.setPixelSize(reference);
    const int refCell = std::max(1, CellHeightOf(font));
    const double guess = std::clamp(static_cast<double>(cellPixels) * reference / refCell, 1.0, double(MaxFontPixels));
    int size = static_cast<int>(std::lround(guess));
    const auto cellAt = [&font](int px) {
        font.setPixelSize(px);
        return CellHeightOf(font);
    };
    // Hinting moves the answer a step or two from the guess; a font whose metrics are
    // far off (or a huge cell) gets a bisection, so the number of measurements stays small.
    constexpr int LocalSteps = 8;
    int steps = 0;
    while (size > 1 && cellAt(size) > cellPixels && ++steps <= LocalSteps) --size;
    while (size < MaxFontPixels && cellAt(size + 1) <= cellPixels && ++steps <= LocalSteps) ++size;
    if (steps > LocalSteps) {
        int lo = 1;  // the largest size whose cell fits, assuming the cell grows with the size
        int hi = MaxFontPixels;
        while (lo < hi) {
            const int mid = lo + (hi - lo + 1) / 2;
            if (cellAt(mid) <= cellPixels)
                lo = mid;
            else
                hi = mid - 1;
        }
        size = lo;
    }
    cache.emplace(key, size);
    return size;
}

// A face is only ever a name; the SVG writer copies it into an attribute unescaped, so
// quotes, markup and controls must not reach it from a puzzle file.
QString SafeFamily(const QString& name) {
    QString out;
    for (const QChar c : name)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F && !QStringView(u"\"'<>&;").contains(c)) out.append(c);
    return out;
}

// Characters XML 1.0 does not allow in a document, and unpaired surrogates.
bool ForbiddenInXml(QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    if (c < 0x20) return c != u'\t' && c != u'\n' && c != u'\r';
    if (c == 0xFFFE || c == 0xFFFF) return true;
    if (QChar::isHighSurrogate(c)) return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (QChar::isLowSurrogate(c)) return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

QString XmlSafe(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!ForbiddenInXml(text, i)) out.append(text[i]);
    return out;
}

QFont FontForCell(const TCanvasFont& font, int cellPixels) {
    QFont f(SafeFamily(font.Name));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    // Exact widths at every resolution, so the layout measures what is drawn.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(cellPixels >= 1 ? PixelSizeForCell(f, cellPixels) : 1);
    return f;
}

// The chosen font, or one of the same size and weight in a face that has text's letters.
QFont FontForText(const QFont& chosen, const QString& text) {
    const QString family = CoveringFamily(chosen.family(), chosen.bold(), chosen.italic(), text);
    if (family == chosen.family()) return chosen;
    QFont f = chosen;
    f.setFamily(family);
    return f;
}

bool SameFace(const TCanvasFont& a, const TCanvasFont& b) {
    return a.Name == b.Name && a.Bold == b.Bold && a.Italic == b.Italic;
}

}  // namespace

namespace {

// The font at the reference resolution; null when it has no size there.
const QFont* ReferenceFont(const TCanvasFont& font) {
    const int cell = static_cast<int>(std::lround(font.Size / 72.0 * ReferenceTextResolution));
    if (cell < 1) return nullptr;
    EnsureFontSubstitutes();
    // Wrapping and the word list measure the same font many times over.
    thread_local TCanvasFont key;
    thread_local int keyCell = -1;
    thread_local QFont cached;
    if (keyCell != cell || !SameFace(key, font)) {
        cached = FontForCell(font, cell);
        key = font;
        keyCell = cell;
    }
    return &cached;
}

}  // namespace

double ReferenceTextWidth(const TCanvasFont& font, const QString& text) {
    const QFont* f = ReferenceFont(font);
    return f ? QFontMetrics(FontForText(*f, text)).horizontalAdvance(text) / ReferenceTextResolution : 0.0;
}

double ReferenceTextHeight(const TCanvasFont& font) {
    const QFont* f = ReferenceFont(font);
    return f ? CellHeightOf(*f) / ReferenceTextResolution : 0.0;
}

const QFont& TAsCanvas::DeviceFont() {
    const int cell = FontCellPixels(Font.Size);
    const bool same = fontKeyRes_ == resY_ && fontKeyPixels_ == cell && SameFace(fontKey_, Font);
    if (!same) {
        deviceFont_ = FontForCell(Font, cell);
        fontKey_ = Font;
        fontKeyRes_ = resY_;
        fontKeyPixels_ = cell;
    }
    return deviceFont_;
}

void TAsCanvas::TextOut(double x, double y, const QString& text) {
    if (text.isEmpty() || FontCellPixels(Font.Size) < 1 || !IsActive()) return;
    const QFont& chosen = DeviceFont();
    QFont f = FontForText(chosen, text);
    if (letterSpacingPixels_ != 0.0) f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacingPixels_);
    painter_->setFont(f);
    painter_->setPen(QPen(Font.Color));
    // The chosen face's baseline, so a line in a stand-in face sits level with the rest.
    const QFontMetrics fm(chosen);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Hebrew or Arabic lines read right to left: trailing punctuation goes to their left end.
    const Qt::LayoutDirection direction = painter_->layoutDirection();
    if (ReadsRightToLeft(text)) painter_->setLayoutDirection(Qt::RightToLeft);
    // One control character in a title would make the whole SVG ill-formed.
    const bool xml = kind_ == TCanvasKind::VectorPicture && vectorFormat_ == TVectorFormat::Svg;
    painter_->drawText(QPoint(PixelX(x), PixelY(y) + fm.ascent()), xml ? XmlSafe(text) : text);
    painter_->setLayoutDirection(direction);
}

void TAsCanvas::TextOutWithin(double x, double y, const QString& text, double maxWidth) {
    const double excess = (TextWidth(text) - maxWidth) * resX_;
    // Closer letters move every character after the first: n - 1 gaps take up the excess.
    const qsizetype characters = text.toUcs4().size();
    if (excess > 0.0 && characters > 1) letterSpacingPixels_ = -excess / static_cast<double>(characters - 1);
    TextOut(x, y, text);
    letterSpacingPixels_ = 0.0;
}

double TAsCanvas::TextWidth(const QString& text) {
    if (FontCellPixels(Font.Size) < 1) return 0.0;
    return QFontMetrics(FontForText(DeviceFont(), text)).horizontalAdvance(text) / resX_;
}

double TAsCanvas::TextHeight(const QString& /*text*/) {
    const int cell = FontCellPixels(Font.Size);
    if (cell < 1) return 0.0;
    return CellHeightOf(DeviceFont()) / resY_;
}

double TAsCanvas::SetPenWidth(double inches) {
    const double old = Pen.Width;
    Pen.Width = inches;
    return old;
}

bool TAsCanvas::SupportsMaskMode() const {
    if (!IsActive()) return false;
    // Only the raster engine really ANDs; the PDF engine claims blend modes but paints over.
    const QPaintEngine::Type type = painter_->paintEngine()->type();
    return type == QPaintEngine::Raster || type == QPaintEngine::Picture;
}

void TAsCanvas::ApplyPenMode() {
    if (Pen.Mode == TPenMode::Mask && SupportsMaskMode()) {
        // Raster operations ignore antialiasing, so switch it off to keep the AND exact.
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    } else {
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

void TAsCanvas::ApplyPen() {
    if (Pen.Style == TPenStyle::Clear) {
        painter_->setPen(Qt::NoPen);
    } else {
        const int px = std::max(1, static_cast<int>(std::lround(Pen.Width * resX_)));
        painter_->setPen(QPen(QBrush(Pen.Color), px, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    ApplyPenMode();
}

void TAsCanvas::ApplyBrush() {
    if (Brush.Style == TBrushStyle::Clear)
        painter_->setBrush(Qt::NoBrush);
    else
        painter_->setBrush(QBrush(Brush.Color));
}

void TAsCanvas::MoveTo(double x, double y) { penPos_ = QPointF(x, y); }

void TAsCanvas::LineTo(double x, double y) {
    const QPoint from(PixelX(penPos_.x()), PixelY(penPos_.y()));
    const QPoint to(PixelX(x), PixelY(y));
    penPos_ = QPointF(x, y);
    if (!IsActive() || Pen.Style == TPenStyle::Clear) return;
    ApplyPen();
    if (from == to) {
        // A zero-length line is a round dot as wide as the pen.
        const double d = std::max(1, static_cast<int>(std::lround(Pen.Width * resX_)));
        painter_->setPen(Qt::NoPen);
        painter_->setBrush(QBrush(Pen.Color));
        painter_->drawEllipse(QRectF(from.x() - d / 2.0, from.y() - d / 2.0, d, d));
        return;
    }
    painter_->drawLine(from, to);
}

namespace {

QRectF DeviceRect(const TAsCanvas& c, const TInchRect& r) {
    return QRectF(QPointF(c.PixelX(r.Left), c.PixelY(r.Top)), QPointF(c.PixelX(r.Right), c.PixelY(r.Bottom)));
}

}  // namespace

void TAsCanvas::Rectangle(const TInchRect& r) {
    if (!IsActive()) return;
    ApplyPen();
    ApplyBrush();
    painter_->drawRect(DeviceRect(*this, r));
}

void TAsCanvas::Ellipse(const TInchRect& r) {
    if (!IsActive()) return;
    ApplyPen();
    ApplyBrush();
    painter_->drawEllipse(DeviceRect(*this, r));
}

void TAsCanvas::Arc(const TInchRect& bounds, QPointF start, QPointF end) {
    if (!IsActive() || Pen.Style == TPenStyle::Clear) return;
    const QRectF rect = DeviceRect(*this, bounds);
    const QPointF c = rect.center();
    // Qt's angles run counter-clockwise as seen, with y pointing up.
    const auto angleOf = [&c](QPointF p) { return std::atan2(-(p.y() - c.y()), p.x() - c.x()) * 180.0 / std::numbers::pi; };
    const double a0 = angleOf(QPointF(PixelX(start.x()), PixelY(start.y())));
    const double a1 = angleOf(QPointF(PixelX(end.x()), PixelY(end.y())));
    double span = a1 - a0;
    while (span <= 0.0) span += 360.0;
    ApplyPen();
    QPainterPath path;
    path.arcMoveTo(rect, a0);
    path.arcTo(rect, a0, span);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPath(path);
}

TAsCanvas::TFit TAsCanvas::FitFor(const TInchRect& r, QPointF pageOffset, QSizeF device, double scale) {
    const double w = r.Width() <= 0.0 ? 0.1 : r.Width();
    const double h = r.Height() <= 0.0 ? 0.1 : r.Height();
    const double devW = device.width();
    const double devH = device.height();
    if (scale <= 0.01) scale = 1.0;
    const double inchesPerPixel = std::max(w / devW, h / devH) / scale;
    const double res = 1.0 / inchesPerPixel;
    // The rectangle's centre goes to the device's centre.
    return {res, QPointF(pageOffset.x() + r.CentreX() - devW / 2.0 / res, pageOffset.y() + r.CentreY() - devH / 2.0 / res)};
}

bool TAsCanvas::FitRect(const TInchRect& r) {
    if (kind_ == TCanvasKind::Printer) {
        lastError_ = FitRefusedOnPrinterText;
        return false;
    }
    if (!device_) return false;
    const TFit fit = FitFor(r, pageOffset_, QSizeF(device_->width(), device_->height()), scale_);
    SetResolution(fit.Resolution, fit.Resolution);
    scroll_ = fit.ScrollOrigin;
    return true;
}

bool TAsCanvas::FitRect(const TInchRect& r, int page) {
    SelectPage(page);
    return FitRect(r);
}

bool TAsCanvas::NewPage() { return newPage_ ? newPage_() : false; }

namespace {

QString WithExtension(QString name, const char* extension) {
    if (!QFileInfo(name).fileName().contains(QLatin1Char('.'))) name += QLatin1String(extension);
    return name;
}

}  // namespace

bool TAsCanvas::SaveBitmap(QString fileName) {
    const QImage* image = ownedImage_ ? ownedImage_.get() : dynamic_cast<QImage*>(device_);
    if (!image) return false;
    fileName = WithExtension(fileName, ".BMP");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TWriteResult written{EINVAL, QStringLiteral("The picture could not be encoded")};
    if (image->save(&buffer, "BMP")) written = WriteFileAtomically(fileName, bytes);
    if (!written) {
        lastError_ =
            QStringLiteral("Could not write ") + DisplayPath(fileName) + u'\n' + WriteFailureDetail(fileName, written);
        return false;
    }
    return true;
}

bool TAsCanvas::CopyBitmapToClipboard() {
    const QImage* image = ownedImage_ ? ownedImage_.get() : dynamic_cast<QImage*>(device_);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!image || !clipboard) return false;
    clipboard->setImage(*image);
    return true;
}

void TAsCanvas::ClosePicture() {
    if (kind_ == TCanvasKind::VectorPicture) End();
}

bool TAsCanvas::PictureOpen() const { return pictureOpen_; }

bool TAsCanvas::SavePicture(QString fileName) {
    if (kind_ != TCanvasKind::VectorPicture) return false;
    if (pictureOpen_) {
        lastError_ = MetafileStillOpenText;
        return false;
    }
    fileName = WithExtension(fileName, vectorFormat_ == TVectorFormat::Emf ? ".EMF" : ".SVG");
    if (const TWriteResult written = WriteFileAtomically(fileName, pictureData_); !written) {
        lastError_ =
            QStringLiteral("Could not write ") + DisplayPath(fileName) + u'\n' + WriteFailureDetail(fileName, written);
        return false;
    }
    return true;
}

bool TAsCanvas::CopyPictureToClipboard() {
    if (kind_ != TCanvasKind::VectorPicture) return false;
    if (pictureOpen_) {
        lastError_ = MetafileStillOpenText;
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto* mime = new QMimeData;
    if (vectorFormat_ == TVectorFormat::Svg) {
        mime->setData(QStringLiteral("image/svg+xml"), pictureData_);
        // Programs that take no SVG still get a picture.
        QSvgRenderer renderer(pictureData_);
        QImage image(renderer.defaultSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        renderer.render(&p);
        p.end();
        mime->setImageData(image);
    } else {
        mime->setData(QStringLiteral("image/emf"), pictureData_);
        mime->setData(QStringLiteral("image/x-emf"), pictureData_);
    }
    clipboard->setMimeData(mime);
    return true;
}

}  // namespace vorlix
