// Pictures of the puzzle or its solution, cropped to the chosen page elements: a bitmap of
// a given pixel size (BMP or PNG) or a vector picture (EMF or SVG), saved or copied.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "ascanvas.h"
#include "messages.h"
#include "puzzledocument.h"
#include "textexport.h"

class QIODevice;

namespace vorlix {

// Pixels per grid cell: where the export window starts, and how low the spin goes.
constexpr int StartPixelsPerCell = 20;
constexpr int MinPixelsPerCell = 5;
// The most pixels along the longer grid side the spin climbs to, which is also the most
// per cell of any grid (one cell); a puzzle without a grid stops at 50.
constexpr int MaxGridSidePixels = 1000;
constexpr int MaxPixelsPerCellWithoutGrid = 50;
int MaxPixelsPerCell(int columns, int rows);
// Limits of a suggested bitmap side.
constexpr int MinSuggestedSide = 30;
constexpr int MaxSuggestedSide = 2000;
// A size field that holds no number.
constexpr int DefaultBitmapSide = 100;
// Sides the user may type; larger ones would need hundreds of megabytes.
constexpr int MaxBitmapSide = 10000;

QString NothingChosenMessage();
QString BitmapSizeMessage();
// Boxes are ticked but what they choose lies off the paper (a huge margin, endless texts).
QString PictureOffPageMessage();
bool SomethingChosen(const TExportSections& sections, bool solution);

// The elements a picture covers, from the export window's boxes.
TPictureElements PictureElementsOf(const TExportSections& sections);

// The union of the chosen elements' areas after a refresh; its top stays at 11.0 when
// nothing is chosen.
TInchRect PictureExportArea(TPuzzleDocument& document, const TExportSections& sections, bool solution);
inline bool PictureAreaEmpty(const TInchRect& area) { return area.Top == EmptyPictureArea.Top; }

// The spin button: up while below MaxPixelsPerCell, down while above MinPixelsPerCell.
int PixelsPerCellUp(int pixelsPerCell, int columns, int rows);
int PixelsPerCellDown(int pixelsPerCell);

struct TBitmapSize {
    int Width = DefaultBitmapSide;
    int Height = DefaultBitmapSide;
    bool WidthLimited = false;  // shown in red
    bool HeightLimited = false;
    bool operator==(const TBitmapSize&) const = default;
};
// The area scaled so that each grid cell gets pixelsPerCell pixels, each side held to
// 30..2000 and flagged when it sits on a limit.
TBitmapSize SuggestBitmapSize(const TInchRect& area, const TInchRect& gridRect, int columns, int rows,
                              int pixelsPerCell);
TBitmapSize SuggestBitmapSize(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                              int pixelsPerCell);
// A size field's text: its number, or 100 when it holds none.
int BitmapSideFromText(const QString& text);

enum class TPictureFileFormat { Bmp, Png, Svg, Emf };
// Bitmap names: ".BMP" appended when the file name has no "."; a ".png" name gives PNG.
QString BitmapExportFileName(const QString& name);
TPictureFileFormat BitmapFileFormatOf(const QString& name);
// Vector names: ".EMF" appended when the file name has no "."; a ".svg" name gives SVG.
QString VectorExportFileName(const QString& name);
TPictureFileFormat VectorFileFormatOf(const QString& name);

// Draws the chosen elements fitted into a width x height bitmap. A null image, after a
// message, when nothing is chosen or the size is outside 1..10000.
QImage RenderBitmapPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution, int width,
                           int height, IMessageHost& host);
// The vector picture's file bytes, its size the area's. Empty, after a message, when
// nothing is chosen or the picture could not be made.
QByteArray RenderVectorPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                               TVectorFormat format, IMessageHost& host);

// BMP or PNG bytes of a bitmap; empty when it cannot be encoded.
QByteArray EncodeBitmap(const QImage& image, TPictureFileFormat format);
bool WriteBitmap(QIODevice& out, const QImage& image, TPictureFileFormat format);

// Save: the name is completed as above, the picture drawn and written through a
// temporary file. On success writtenName (when given) receives the completed name.
bool SaveBitmapPicture(const QString& name, TPuzzleDocument& document, const TExportSections& sections,
                       bool solution, int width, int height, IMessageHost& host, QString* writtenName = nullptr);
bool SaveVectorPicture(const QString& name, TPuzzleDocument& document, const TExportSections& sections,
                       bool solution, IMessageHost& host, QString* writtenName = nullptr);

// Copy: the picture on the clipboard (needs the application's clipboard).
bool CopyBitmapPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution, int width,
                       int height, IMessageHost& host);
bool CopyVectorPicture(TPuzzleDocument& document, const TExportSections& sections, bool solution,
                       TVectorFormat format, IMessageHost& host);

}  // namespace vorlix
