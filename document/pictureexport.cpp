#include "pictureexport.h"

#include <algorithm>
#include <cmath>

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include "puzzle.h"

namespace vorlix {

QString NothingChosenMessage() {
    return QStringLiteral("Please indicate what you want to export by clicking on at least one of the checkboxes.");
}

QString PictureOffPageMessage() {
    return QStringLiteral(
        "There is nothing to draw: the parts of the page you chose lie off the paper or are empty. A very wide "
        "margin or very long texts can push them off the page.");
}

bool SomethingChosen(const TExportSections& s, bool solution) {
    if (solution) return s.Title || s.Solution;
    return s.Worksheet || s.Title || s.Instructions || s.Grid || s.WordList;
}

QString BitmapSizeMessage() {
    return QStringLiteral("Please enter a width and a height from 1 to ") + QString::number(MaxBitmapSide) +
           QStringLiteral(" pixels.");
}

TPictureElements PictureElementsOf(const TExportSections& s) {
    return {s.Worksheet, s.Title, s.Instructions, s.Grid, s.WordList, s.Solution};
}

TInchRect PictureExportArea(TPuzzleDocument& document, const TExportSections& sections, bool solution) {
    document.LayOut();
    return document.PictureArea(PictureElementsOf(sections), solution);
}

int MaxPixelsPerCell(int columns, int rows) {
    const int side = std::max(columns, rows);
    return side > 0 ? MaxGridSidePixels / side : MaxPixelsPerCellWithoutGrid;
}

int PixelsPerCellUp(int pixelsPerCell, int columns, int rows) {
    return pixelsPerCell < MaxPixelsPerCell(columns, rows) ? pixelsPerCell + 1 : pixelsPerCell;
}

int PixelsPerCellDown(int pixelsPerCell) {
    return pixelsPerCell > MinPixelsPerCell ? pixelsPerCell - 1 : pixelsPerCell;
}

namespace {

int SuggestedSide(double areaInches, double gridInches, int gridPixels, bool& limited) {
    long side = DefaultBitmapSide;
    if (gridInches > 0.0) side = std::lround(areaInches * gridPixels / gridInches);
    side = std::clamp<long>(side, MinSuggestedSide, MaxSuggestedSide);
    limited = side == MinSuggestedSide || side == MaxSuggestedSide;
    return static_cast<int>(side);
}

void Tell(IMessageHost& host, MessageKind kind, const QString& text) {
    host.ShowMessage(kind, text.toStdU16String(), MessageButtons::Ok);
}

// The area and page of a picture, or false after the nothing-chosen message.
bool PreparePicture(TPuzzleDocument& document, const TExportSections& sections, bool solution, IMessageHost& host,
                    TInchRect& area, int& page) {
    if (!SomethingChosen(sections, solution)) {
        Tell(host, MessageKind::Information, NothingChosenMessage());
        return false;
    }
    area = PictureExportArea(document, sections, solution);
    // Boxes were ticked, yet they cover nothing on the paper.
    if (PictureAreaEmpty(area) || !(area.Width() > 0.0) || !(area.Height() > 0.0)) {
        Tell(host, MessageKind::Warning, PictureOffPageMessage());
        return false;
    }
    page = solution ? document.SolutionPage() : 1;
    return true;
}

std::unique_ptr<TAsCanvas> DrawBitmap(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                                      int width, int height, IMessageHost& host) {
    TInchRect area;
    int page = 1;
    if (!PreparePicture(document, sections, solution, host, area, page)) return nullptr;
    if (width < 1 || width > MaxBitmapSide || height < 1 || height > MaxBitmapSide) {
        Tell(host, MessageKind::Warning, BitmapSizeMessage());
        return nullptr;
    }
    auto canvas = TAsCanvas::NewBitmap(width, height);
    canvas->FitRect(area, page);
    document.DrawPictureElements(*canvas, PictureElementsOf(sections), solution);
    canvas->End();
    return canvas;
}

std::unique_ptr<TAsCanvas> DrawVector(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                                      TVectorFormat format, IMessageHost& host) {
    TInchRect area;
    int page = 1;
    if (!PreparePicture(document, sections, solution, host, area, page)) return nullptr;
    auto canvas = TAsCanvas::NewVectorPicture(std::abs(area.Width()), std::abs(area.Height()), format);
    if (!canvas) {
        Tell(host, MessageKind::Warning, ExportWriteErrorMessage());
        return nullptr;
    }
    canvas->FitRect(area, page);
    document.DrawPictureElements(*canvas, PictureElementsOf(sections), solution);
    canvas->ClosePicture();
    if (canvas->PictureData().isEmpty()) {
        Tell(host, MessageKind::Warning, ExportWriteErrorMessage());
        return nullptr;
    }
    return canvas;
}

bool NameHasDot(const QString& name) { return QFileInfo(name).fileName().contains(u'.'); }

}  // namespace

TBitmapSize SuggestBitmapSize(const TInchRect& area, const TInchRect& gridRect, int columns, int rows,
                              int pixelsPerCell) {
    TBitmapSize size;
    size.Width = SuggestedSide(area.Width(), gridRect.Width(), columns * pixelsPerCell, size.WidthLimited);
    size.Height = SuggestedSide(area.Height(), gridRect.Height(), rows * pixelsPerCell, size.HeightLimited);
    return size;
}

TBitmapSize SuggestBitmapSize(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                              int pixelsPerCell) {
    const TInchRect area = PictureExportArea(document, sections, solution);
    const TWordSearch& puzzle = document.Puzzle().Grid();
    return SuggestBitmapSize(area, document.GridRect(), puzzle.ActualColumns, puzzle.ActualRows, pixelsPerCell);
}

int BitmapSideFromText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : DefaultBitmapSide;
}

QString BitmapExportFileName(const QString& name) { return NameHasDot(name) ? name : name + QStringLiteral(".BMP"); }

TPictureFileFormat BitmapFileFormatOf(const QString& name) {
    return name.endsWith(u".png", Qt::CaseInsensitive) ? TPictureFileFormat::Png : TPictureFileFormat::Bmp;
}

QString VectorExportFileName(const QString& name) { return NameHasDot(name) ? name : name + QStringLiteral(".EMF"); }

TPictureFileFormat VectorFileFormatOf(const QString& name) {
    return name.endsWith(u".svg", Qt::CaseInsensitive) ? TPictureFileFormat::Svg : TPictureFileFormat::Emf;
}

QImage RenderBitmapPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution, int width,
                           int height, IMessageHost& host) {
    auto canvas = DrawBitmap(document, sections, solution, width, height, host);
    return canvas && canvas->Bitmap() ? *canvas->Bitmap() : QImage();
}

QByteArray RenderVectorPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                               TVectorFormat format, IMessageHost& host) {
    auto canvas = DrawVector(document, sections, solution, format, host);
    return canvas ? canvas->PictureData() : QByteArray();
}

QByteArray EncodeBitmap(const QImage& image, TPictureFileFormat format) {
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An opaque 24-bit picture: the white page has nothing to be transparent about.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(&buffer, format == TPictureFileFormat::Png ? "PNG" : "BMP");
    if (!writer.write(opaque)) return {};
    return bytes;
}

bool WriteBitmap(QIODevice& out, const QImage& image, TPictureFileFormat format) {
    const QByteArray bytes = EncodeBitmap(image, format);
    return !bytes.isEmpty() && WriteAllBytes(out, bytes);
}

bool SaveBitmapPicture(const QString& name, TPuzzleDocument& document, const TExportSections& sections,
                       bool solution, int width, int height, IMessageHost& host, QString* writtenName) {
    const QImage image = RenderBitmapPicture(document, sections, solution, width, height, host);
    if (image.isNull()) return false;
    const QString fileName = BitmapExportFileName(name);
    const TPictureFileFormat format = BitmapFileFormatOf(fileName);
    if (!SaveExportFile(fileName, [&](QIODevice& out) { return WriteBitmap(out, image, format); }, host))
        return false;
    if (writtenName) *writtenName = fileName;
    return true;
}

bool SaveVectorPicture(const QString& name, TPuzzleDocument& document, const TExportSections& sections,
                       bool solution, IMessageHost& host, QString* writtenName) {
    const QString fileName = VectorExportFileName(name);
    const TVectorFormat format =
        VectorFileFormatOf(fileName) == TPictureFileFormat::Svg ? TVectorFormat::Svg : TVectorFormat::Emf;
    const QByteArray bytes = RenderVectorPicture(document, sections, solution, format, host);
    if (bytes.isEmpty()) return false;
    if (!SaveExportFile(fileName, [&](QIODevice& out) { return WriteAllBytes(out, bytes); }, host)) return false;
    if (writtenName) *writtenName = fileName;
    return true;
}

bool CopyBitmapPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution, int width,
                       int height, IMessageHost& host) {
    auto canvas = DrawBitmap(document, sections, solution, width, height, host);
    return canvas && canvas->CopyBitmapToClipboard();
}

bool CopyVectorPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                       TVectorFormat format, IMessageHost& host) {
    auto canvas = DrawVector(document, sections, solution, format, host);
    return canvas && canvas->CopyPictureToClipboard();
}

}  // namespace vorlix
