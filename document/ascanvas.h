// The drawing surface measured in inches: one set of drawing operations for the preview,
// the printer, PDF files, bitmaps and vector pictures.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPageSize>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QBuffer;
class QIODevice;
class QPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;

namespace vorlix {

// A rectangle in page inches: left, top, right, bottom; y grows downwards.
struct TInchRect {
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;

    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
    double CentreX() const { return (Left + Right) / 2.0; }
    double CentreY() const { return (Top + Bottom) / 2.0; }
    // Smaller left and top, larger right and bottom.
    TInchRect United(const TInchRect& other) const;
    // Moved inwards by d on every side (outwards when d < 0).
    TInchRect Inset(double d) const;
    bool operator==(const TInchRect&) const = default;
};

// Paper size, printable area and resolution of the printer; the defaults are the
// stand-in values used when no printer is installed.
struct PrinterPageMetrics {
    double PageWidth = 8.5;  // inches
    double PageHeight = 11.0;
    double PrintableOffsetX = 0.25;  // paper edge to the first printable pixel
    double PrintableOffsetY = 0.25;
    double PrintableWidth = 8.0;
    double PrintableHeight = 10.25;
    int ResolutionX = 300;  // pixels per inch
    int ResolutionY = 300;
    int PhysicalOffsetXPixels = 0;  // the printer's device origin, paper corner to printable corner
    int PhysicalOffsetYPixels = 0;
    bool PrinterFound = false;

    TInchRect PageRect() const { return {0.0, 0.0, PageWidth, PageHeight}; }
    TInchRect PrintableRect() const {
        return {PrintableOffsetX, PrintableOffsetY, PrintableOffsetX + PrintableWidth,
                PrintableOffsetY + PrintableHeight};
    }
    bool operator==(const PrinterPageMetrics&) const = default;
};

// Metrics from what a printer reports in device pixels. A resolution of 0 counts as 300;
// a paper side outside 2..50 inches gives 8.5 x 11 paper (offsets and printable size stay).
PrinterPageMetrics MetricsFromDeviceValues(int resolutionX, int resolutionY, QPoint paperSizePixels,
                                           QPoint physicalOffsetPixels, QPoint printableSizePixels);
// Reads a printer's paper, printable area and resolution.
PrinterPageMetrics MetricsFromPrinter(const QPrinter& printer);
// Whether the printing service knows at least one printer.
bool PrinterInstalled();
// The default printer's metrics, or the defaults when no printer is installed.
PrinterPageMetrics ReadPrinterMetrics();
// The papers a PDF can have, by the names the command line and the print page use; the
// first is the default.
struct TPaper {
    std::string_view Name;
    QPageSize::PageSizeId Id;
};
inline constexpr std::array<TPaper, 3> Papers = {{
    {"letter", QPageSize::Letter},
    {"legal", QPageSize::Legal},
    {"a4", QPageSize::A4},
}};
// The paper of a name, without regard to case or surrounding blanks; anything else is letter.
QPageSize::PageSizeId PaperSizeId(const QString& paperName);
// The name of a printer's paper when a PDF can have it, else letter's.
QString PaperName(QPageSize::PageSizeId id);
QString DefaultPaperName();

// Metrics of PDF output on one of the Papers (by name, as PaperSizeId reads it): the whole
// sheet is printable, at the given resolution.
constexpr int PdfResolution = 1200;
PrinterPageMetrics MetricsForPaper(const QString& paperName, int resolution = PdfResolution);

enum class TCanvasKind { Preview, Printer, VectorPicture, Bitmap };
enum class TVectorFormat { Svg, Emf };
enum class TPenMode { Copy, Mask };  // Mask: colour ANDed with what lies beneath
enum class TPenStyle { Solid, Clear };
enum class TBrushStyle { Solid, Clear };

constexpr double PreviewPixelsPerInch = 78.0;
constexpr double DefaultFitScale = 0.97;
constexpr int MaxPagePlacements = 101;
constexpr double DefaultReferencePixelsPerMm = 4.0;

inline const QString FitRefusedOnPrinterText =
    QStringLiteral("Printing of selected parts of a page is not yet supported.");
inline const QString MetafileStillOpenText = QStringLiteral("Metafile canvas is still open.");

struct TCanvasFont {
    QString Name = QStringLiteral("Times New Roman");
    int Size = 12;  // points
    bool Bold = false;
    bool Italic = false;
    QColor Color = Qt::black;
};

struct TCanvasPen {
    QColor Color = Qt::black;
    double Width = 0.0;  // inches; never thinner than one device pixel
    TPenStyle Style = TPenStyle::Solid;
    TPenMode Mode = TPenMode::Copy;
};

struct TCanvasBrush {
    QColor Color = Qt::white;
    TBrushStyle Style = TBrushStyle::Solid;
};

// Maps the Windows faces the puzzles name to installed metric-compatible faces. Call once
// after the application object exists (idempotent; the first canvas also calls it).
void InstallFontSubstitutes();

// Text measured without a canvas uses the PDF's resolution, so a PDF draws exactly the
// widths that were measured.
constexpr double ReferenceTextResolution = PdfResolution;
// The width in inches of text in font, by the canvas's own font sizing at the reference
// resolution: the same whichever device later draws it.
double ReferenceTextWidth(const TCanvasFont& font, const QString& text);
// The height of a line in font, measured the same way.
double ReferenceTextHeight(const TCanvasFont& font);

// Stands in for the printer when none is installed: one page bitmap of the default
// printer geometry (8.5 x 11 inches at 300 pixels per inch).
class TSimulatedPrinter {
public:
    TSimulatedPrinter();
    QImage& Page() { return page_; }
    const QImage& Page() const { return page_; }
    int PagesStarted() const { return pages_; }
    void BeginDocument();
    void NewPage();  // clears the bitmap to white
    void EndDocument() {}
    static PrinterPageMetrics Metrics() { return PrinterPageMetrics{}; }

private:
    QImage page_;
    int pages_ = 0;
};

class TAsCanvas {
public:
    // A canvas on any paint device. resolution is device pixels per inch; originPixels is
    // subtracted from every mapped position (the printer's physical offset). The canvas
    // paints on the device until End() or destruction.
    TAsCanvas(TCanvasKind kind, QPaintDevice* device, double resolutionX, double resolutionY,
              QPoint originPixels = {});
    virtual ~TAsCanvas();
    TAsCanvas(const TAsCanvas&) = delete;
    TAsCanvas& operator=(const TAsCanvas&) = delete;

    // --- Targets.
    // A preview box (widget or any screen-sized device) at 78 pixels per inch times zoom.
    static std::unique_ptr<TAsCanvas> ForPreview(QPaintDevice* box, int zoomPercent = 100);
    // A real printer, not yet begun: the canvas starts its job. metrics must be the ones read
    // from this printer (MetricsFromPrinter): their resolution, and their physical offset as
    // the origin, since Qt's printer origin is the printable area's corner.
    static std::unique_ptr<TAsCanvas> ForPrinter(QPrinter& printer, const PrinterPageMetrics& metrics);
    // Begins the simulated printer's document; NewPage clears its bitmap for the next sheet.
    static std::unique_ptr<TAsCanvas> ForSimulatedPrinter(TSimulatedPrinter& printer);
    // A PDF on "letter", "legal" or "a4" paper, written into out (open for writing) when
    // the canvas ends.
    static std::unique_ptr<TAsCanvas> NewPdf(QIODevice* out, const QString& paperName);
    // A new white bitmap of the given pixel size; its resolution is set by FitRect.
    static std::unique_ptr<TAsCanvas> NewBitmap(int widthPixels, int heightPixels);
    // A new vector picture of the given size in inches at the reference resolution.
    // Emf falls back to nullptr when no EMF writer is built in.
    static std::unique_ptr<TAsCanvas> NewVectorPicture(double widthInches, double heightInches,
                                                       TVectorFormat format = TVectorFormat::Svg);
    static bool EmfAvailable();
    // 25.4 x the reference screen's pixels per millimetre (4.0 when unknown).
    static double ReferencePixelsPerInch();

    TCanvasKind Kind() const { return kind_; }
    QPaintDevice* Device() const { return device_; }
    QPainter& Painter() { return *painter_; }
    bool IsPrinter() const { return kind_ == TCanvasKind::Printer; }

    // --- State.
    TCanvasFont Font;
    TCanvasPen Pen;
    TCanvasBrush Brush;

    double ResolutionX() const { return resX_; }
    double ResolutionY() const { return resY_; }
    void SetResolution(double x, double y);
    int ZoomPercent() const;
    // Preview: resolution = 78 x percent / 100.
    void SetZoom(double percent);
    double ScaleFactor() const { return scale_; }
    void SetScaleFactor(double s) { scale_ = s; }

    // Page placements 1..101: where page n lies in the canvas's own inch space.
    void SetPagePlacement(int n, QPointF topLeftInches);
    QPointF PagePlacement(int n) const;
    // Uses placement n as the page offset; n outside 1..101 is ignored.
    void SelectPage(int n);
    QPointF PageOffset() const { return pageOffset_; }
    void SetScrollOrigin(QPointF inches) { scroll_ = inches; }
    QPointF ScrollOrigin() const { return scroll_; }

    // Device pixel of a page position.
    int PixelX(double x) const;
    int PixelY(double y) const;
    // The device pixel height asked of a font of that many points (ascent + descent).
    int FontCellPixels(int points) const;

    // --- Drawing, all positions in inches.
    virtual void TextOut(double x, double y, const QString& text);  // top-left corner at (x, y)
    // TextOut no wider than maxWidth: a device whose rounded font size comes out wider than
    // the reference measurement sets the letters closer instead of running past it.
    void TextOutWithin(double x, double y, const QString& text, double maxWidth);
    virtual double TextWidth(const QString& text);
    virtual double TextHeight(const QString& text);
    virtual void MoveTo(double x, double y);
    virtual void LineTo(double x, double y);
    virtual void Rectangle(const TInchRect& r);
    virtual void Ellipse(const TInchRect& r);
    // Counter-clockwise as seen on the page, from the ray towards start to the ray towards end.
    virtual void Arc(const TInchRect& bounds, QPointF start, QPointF end);
    // Returns the previous width.
    double SetPenWidth(double inches);
    // Whether Mask pen mode really combines with what lies beneath on this device.
    bool SupportsMaskMode() const;

    // Fits a page rectangle (on the selected page) into the whole device, centred, at the
    // scale factor. Refused on the printer: returns false.
    bool FitRect(const TInchRect& r);
    bool FitRect(const TInchRect& r, int page);
    // What FitRect sets on a device of that size: the resolution (pixels per inch) and the
    // scroll origin, for r on a page placed at pageOffset. Windows use it before painting.
    struct TFit {
        double Resolution = PreviewPixelsPerInch;
        QPointF ScrollOrigin;
    };
    static TFit FitFor(const TInchRect& r, QPointF pageOffset, QSizeF device, double scale = DefaultFitScale);

    // Starts a new sheet (printer, PDF, simulated printer); false elsewhere.
    bool NewPage();
    // Finishes painting: sends a print job, closes a PDF or a vector picture.
    void End();
    bool IsActive() const;

    // --- Results.
    // Bitmap canvas: the bitmap (also readable from a preview on a QImage).
    const QImage* Bitmap() const { return ownedImage_.get(); }
    // ".BMP" is appended when the name has no ".". False on failure.
    bool SaveBitmap(QString fileName);
    bool CopyBitmapToClipboard();
    // Vector picture: closes it; afterwards PictureData holds the file's bytes.
    void ClosePicture();
    bool PictureOpen() const;
    QByteArray PictureData() const { return pictureData_; }
    TVectorFormat PictureFormat() const { return vectorFormat_; }
    // ".EMF" (".SVG" for SVG pictures) is appended when the name has no ".". Before
    // ClosePicture it fails with MetafileStillOpenText in LastError.
    bool SavePicture(QString fileName);
    bool CopyPictureToClipboard();
    const QString& LastError() const { return lastError_; }

protected:
    // The Qt font for the current TCanvasFont at this device's resolution; cached.
    const QFont& DeviceFont();
    void ApplyPen();
    void ApplyBrush();
    void ApplyPenMode();

private:
    void Begin();

    TCanvasKind kind_;
    QPaintDevice* device_;
    std::unique_ptr<QPainter> painter_;
    double resX_;
    double resY_;
    QPoint origin_;
    double scale_ = DefaultFitScale;
    std::array<QPointF, MaxPagePlacements + 1> placements_{};
    QPointF pageOffset_;
    QPointF scroll_;
    QPointF penPos_;
    double letterSpacingPixels_ = 0.0;  // set by TextOutWithin for the one text it draws

    // Font resolution cache.
    TCanvasFont fontKey_;
    double fontKeyRes_ = -1.0;
    int fontKeyPixels_ = -1;
    QFont deviceFont_;

    // Owned targets.
    std::unique_ptr<QImage> ownedImage_;
    std::unique_ptr<QPdfWriter> ownedPdf_;
    std::unique_ptr<QBuffer> pictureBuffer_;
    std::unique_ptr<QPaintDevice> ownedDevice_;
    TVectorFormat vectorFormat_ = TVectorFormat::Svg;
    bool pictureOpen_ = false;
    QByteArray pictureData_;
    std::function<bool()> newPage_;
    QString lastError_;
};

}  // namespace vorlix
