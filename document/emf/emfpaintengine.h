// The paint engine behind TEmfPaintDevice. It maps QPainter's coordinates itself and keeps
// the GDI state of the playback (selected pen, brush, font, text colour, fill mode, clip)
// so that a record is written only when that state has to change.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QBrush>
#include <QPaintEngine>
#include <QPen>
#include <QPolygon>
#include <QRegion>
#include <QTransform>

namespace vorlix {

class TEmfPaintDevice;

namespace emf {
class TEmfRecord;
}

class TEmfPaintEngine : public QPaintEngine {
public:
    TEmfPaintEngine();

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;

    void drawRects(const QRectF* rects, int rectCount) override;
    void drawLines(const QLineF* lines, int lineCount) override;
    void drawEllipse(const QRectF& rect) override;
    void drawPath(const QPainterPath& path) override;
    void drawPoints(const QPointF* points, int pointCount) override;
    void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override;
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags = Qt::AutoColor) override;
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override;

    Type type() const override { return Type(User + 7); }

    // What a created (or stock) object stands for, compared to decide whether the one
    // selected will do.
    struct TPenKey {
        bool Null = false;
        std::uint32_t Style = 0;
        int Width = 1;
        std::uint32_t Color = 0;
        bool operator==(const TPenKey&) const = default;
    };
    struct TBrushKey {
        bool Null = false;
        std::uint32_t Color = 0;
        bool operator==(const TBrushKey&) const = default;
    };
    struct TFontKey {
        QString Face;
        int Height = 0;
        int Weight = 400;
        bool Italic = false;
        std::uint8_t PitchAndFamily = 0;
        bool operator==(const TFontKey&) const = default;
    };

private:
    void Emit(emf::TEmfRecord& record);
    void Emit(const QByteArray& record);
    bool Stroking() const;
    bool Filling() const;
    void SelectPen(const TPenKey& key);
    void SelectBrush(const TBrushKey& key);
    void SelectFont(const TFontKey& key);
    // Selects object into the DC, then deletes the created object it replaces.
    void SelectObject(std::uint32_t& selectedHandle, std::uint32_t object);
    TPenKey PenKey() const;
    TBrushKey BrushKey() const;
    void SetFillMode(Qt::FillRule rule);
    void SetTextColor(std::uint32_t color);
    void UpdateClip();

    QPoint Map(const QPointF& p) const;
    // The rectangle's mapped corners, right and bottom on the far edge (RectL style).
    QRect DeviceBox(const QRectF& rect) const;
    bool ScaleOnly() const { return transform_.type() <= QTransform::TxScale; }
    // Fills (brush, implicit closing) then strokes (pen) device polygons as QPainter would.
    void DrawPolygons(const QList<QPolygonF>& polygons, Qt::FillRule rule);
    bool DrawAsRoundRect(const QPainterPath& path);

    TEmfPaintDevice* device_ = nullptr;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;

    std::uint32_t penHandle_ = 0, brushHandle_ = 0, fontHandle_ = 0;  // 0: stock or none
    std::optional<TPenKey> penKey_;  // unset until the first selection
    std::optional<TBrushKey> brushKey_;
    std::optional<TFontKey> fontKey_;
    std::optional<std::uint32_t> textColor_;
    std::uint32_t fillMode_ = 0;
    std::optional<QRegion> clip_;  // device units; none while unclipped
};

}  // namespace vorlix
