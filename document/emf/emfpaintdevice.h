// A QPaintDevice that records what QPainter draws as an Enhanced Metafile (.emf), so the
// page painting code that serves the screen and the printer also serves office suites.
#pragma once

#include <functional>
#include <memory>

#include <QPaintDevice>
#include <QSize>
#include <QString>

class QIODevice;
class QPainter;

namespace vorlix {

namespace emf {
class TEmfRecordStream;
}
class TEmfPaintEngine;

// How LOGFONT heights are written: the em size (a negative height, what Qt's pixel size
// means) or the cell height, ascent plus descent (a positive height).
enum class TEmfFontHeight { EmSize, CellHeight };

// Coordinates are whole device units, so pick a resolution fine enough for the drawing
// (600 dpi or more for a page). The file goes to the output when the painter ends, or
// on finish(); a failed write is reported there and by QPainter::end().
class TEmfPaintDevice : public QPaintDevice {
public:
    TEmfPaintDevice(QIODevice* output, QSize size, double dpi);
    ~TEmfPaintDevice() override;

    QPaintEngine* paintEngine() const override;

    QSize size() const { return size_; }
    double dpi() const { return dpi_; }
    TEmfFontHeight fontHeight() const { return fontHeight_; }
    void setFontHeight(TEmfFontHeight mode) { fontHeight_ = mode; }
    // Rounded rectangles as EMR_ROUNDRECT (GDI and Office) instead of polygons. LibreOffice
    // takes that record's corner size for radii, not diameters, and doubles the corners.
    bool roundRectRecords() const { return roundRectRecords_; }
    void setRoundRectRecords(bool on) { roundRectRecords_ = on; }
    // The header's description, usually the program's name; empty writes none.
    void setDescription(const QString& text) { description_ = text; }

    // Writes the picture; only the first call writes, later ones return its result, and
    // nothing can be drawn after it. While a painter is active it returns false and
    // leaves the writing to the painter's end().
    bool finish();
    bool isFinished() const { return finished_; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class TEmfPaintEngine;

    QIODevice* output_;
    QSize size_;
    double dpi_;
    TEmfFontHeight fontHeight_ = TEmfFontHeight::EmSize;
    bool roundRectRecords_ = false;
    QString description_ = QStringLiteral("Vorlix");
    std::unique_ptr<emf::TEmfRecordStream> stream_;
    std::unique_ptr<TEmfPaintEngine> engine_;
    bool finished_ = false;
    bool written_ = false;
};

// Paints a picture of pixelSize device units at dpi and writes it to out.
bool WriteEmf(QIODevice& out, QSize pixelSize, double dpi, const std::function<void(QPainter&)>& paint);

}  // namespace vorlix
