#include "emfpaintdevice.h"

#include <algorithm>
#include <cmath>

#include <QFileDevice>
#include <QFontMetricsF>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "emfpaintengine.h"
#include "emfrecords.h"

namespace vorlix {

using namespace emf;

namespace {

// Far beyond any page, well inside int: absurd transforms must not overflow rounding.
constexpr double CoordinateLimit = 1e9;

int RoundCoordinate(double v) {
    return int(std::lround(std::clamp(v, -CoordinateLimit, CoordinateLimit)));
}

// Consecutive duplicate points only cost bytes once rounded to device units.
QPolygon Rounded(const QPolygonF& polygon) {
    QPolygon out;
    out.reserve(polygon.size());
    for (const QPointF& p : polygon) {
        const QPoint q(RoundCoordinate(p.x()), RoundCoordinate(p.y()));
        if (out.isEmpty() || out.last() != q) out.append(q);
    }
    return out;
}

// EMF has no alpha for vector drawing: blend over white paper instead.
std::uint32_t ToColorRef(const QColor& color) {
    const QColor c = color.toRgb();
    const double a = c.alphaF();
    const auto blend = [a](int v) { return int(std::lround(v * a + 255 * (1 - a))); };
    return ColorRef(blend(c.red()), blend(c.green()), blend(c.blue()));
}

// A gradient becomes its first colour; patterns and textures their brush colour.
QColor BrushColor(const QBrush& brush) {
    if (const QGradient* gradient = brush.gradient(); gradient && !gradient->stops().isEmpty())
        return gradient->stops().first().second;
    return brush.color();
}

std::uint32_t PenStyleBits(const QPen& pen) {
    std::uint32_t bits = PsGeometric;
    switch (pen.style()) {
        case Qt::DashLine: bits |= PsDash; break;
        case Qt::DotLine: bits |= PsDot; break;
        case Qt::DashDotLine: bits |= PsDashDot; break;
        case Qt::DashDotDotLine: bits |= PsDashDotDot; break;
        default: bits |= PsSolid; break;
    }
    switch (pen.capStyle()) {
        case Qt::FlatCap: bits |= PsEndcapFlat; break;
        case Qt::SquareCap: bits |= PsEndcapSquare; break;
        default: bits |= PsEndcapRound; break;
    }
    switch (pen.joinStyle()) {
        case Qt::BevelJoin: bits |= PsJoinBevel; break;
        case Qt::RoundJoin: bits |= PsJoinRound; break;
        default: bits |= PsJoinMiter; break;
    }
    return bits;
}

std::uint8_t PitchAndFamily(const QFont& font) {
    constexpr std::uint8_t FixedPitch = 1, Roman = 0x10, Swiss = 0x20, Modern = 0x30, Script = 0x40,
                           Decorative = 0x50;
    if (font.fixedPitch()) return FixedPitch | Modern;
    switch (font.styleHint()) {
        case QFont::Serif: return Roman;
        case QFont::SansSerif: return Swiss;
        case QFont::TypeWriter: return FixedPitch | Modern;
        case QFont::Cursive: return Script;
        case QFont::Decorative:
        case QFont::Fantasy: return Decorative;
        default: return 0;
    }
}

bool Near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

// The shape QPainterPath::addRoundedRect makes: one closed subpath of four quarter-ellipse
// curves of equal radii at the corners of its box, joined by straight edges.
bool RoundedRectOf(const QPainterPath& path, QRectF& box, QSizeF& radii) {
    const int count = path.elementCount();
    if (count < 13 || !path.elementAt(0).isMoveTo()) return false;
    box = path.controlPointRect();
    const double eps = 1e-6 * std::max({1.0, box.width(), box.height()});
    const auto onVerticalEdge = [&](QPointF p) { return Near(p.x(), box.left(), eps) || Near(p.x(), box.right(), eps); };
    const auto onHorizontalEdge = [&](QPointF p) { return Near(p.y(), box.top(), eps) || Near(p.y(), box.bottom(), eps); };
    const QPointF start = path.elementAt(0);
    QPointF current = start;
    radii = {};
    int curves = 0;
    for (int i = 1; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) return false;
        if (e.isLineTo()) {
            const bool vertical = Near(e.x, current.x(), eps) && onVerticalEdge(e);
            const bool horizontal = Near(e.y, current.y(), eps) && onHorizontalEdge(e);
            if (!vertical && !horizontal) return false;
            current = e;
            continue;
        }
        if (i + 2 >= count) return false;
        const QPointF c1 = path.elementAt(i), c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
        i += 2;
        const QSizeF r(std::abs(end.x() - current.x()), std::abs(end.y() - current.y()));
        if (curves == 0) radii = r;
        if (r.width() <= eps || r.height() <= eps || !Near(r.width(), radii.width(), eps) ||
            !Near(r.height(), radii.height(), eps))
            return false;
        // Tangents along the edges, and each end on the edge it continues.
        if (!(Near(c1.x(), current.x(), eps) || Near(c1.y(), current.y(), eps))) return false;
        if (!(Near(c2.x(), end.x(), eps) || Near(c2.y(), end.y(), eps))) return false;
        const bool ends = (onVerticalEdge(current) && onHorizontalEdge(end)) || (onHorizontalEdge(current) && onVerticalEdge(end));
        if (!ends) return false;
        current = end;
        ++curves;
    }
    return curves == 4 && Near(current.x(), start.x(), eps) && Near(current.y(), start.y(), eps);
}

// 24-bit bottom-up rows, each padded to 4 bytes, over white where the image is transparent.
QByteArray DibBits(const QImage& image) {
    QImage rgb(image.size(), QImage::Format_BGR888);
    rgb.fill(Qt::white);
    {
        QPainter p(&rgb);
        p.drawImage(0, 0, image);
    }
    const int rowBytes = (rgb.width() * 3 + 3) / 4 * 4;
    QByteArray bits;
    bits.reserve(qsizetype(rowBytes) * rgb.height());
    for (int y = rgb.height() - 1; y >= 0; --y) {
        bits.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
        bits.append(rowBytes - rgb.width() * 3, '\0');
    }
    return bits;
}

}  // namespace

// ---------------------------------------------------------------------------------------

TEmfPaintDevice::TEmfPaintDevice(QIODevice* output, QSize size, double dpi)
    : output_(output),
      size_(size.expandedTo(QSize(1, 1))),
      dpi_(dpi > 0 ? dpi : 96),
      stream_(std::make_unique<TEmfRecordStream>()),
      engine_(std::make_unique<TEmfPaintEngine>()) {}

TEmfPaintDevice::~TEmfPaintDevice() = default;

QPaintEngine* TEmfPaintDevice::paintEngine() const {
    return engine_.get();
}

int TEmfPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return int(std::lround(size_.width() * 25.4 / dpi_));
        case PdmHeightMM: return int(std::lround(size_.height() * 25.4 / dpi_));
        case PdmNumColors: return 0xFFFFFF;
        case PdmDepth: return 24;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return int(std::lround(dpi_));
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
    }
}

bool TEmfPaintDevice::finish() {
    if (finished_) return written_;
    if (engine_->isActive()) return false;  // the painter's end() finishes
    finished_ = true;
    const QByteArray bytes = stream_->Compose({size_, dpi_, description_});
    stream_.reset();
    if (!output_ || !output_->isWritable()) return false;
    // Some devices take a write in parts; a short write with no progress is a failure.
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 n = output_->write(data, left);
        if (n <= 0) return false;
        data += n;
        left -= n;
    }
    // A buffered file reports a full disk only when its buffer goes out.
    if (auto* file = qobject_cast<QFileDevice*>(output_); file && !file->flush()) return false;
    written_ = true;
    return true;
}

bool WriteEmf(QIODevice& out, QSize pixelSize, double dpi, const std::function<void(QPainter&)>& paint) {
    TEmfPaintDevice device(&out, pixelSize, dpi);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    if (paint) paint(painter);
    return painter.end();
}

// ---------------------------------------------------------------------------------------

TEmfPaintEngine::TEmfPaintEngine() : QPaintEngine(AllFeatures) {}

bool TEmfPaintEngine::begin(QPaintDevice* device) {
    if (!device || device->paintEngine() != this) return false;
    device_ = static_cast<TEmfPaintDevice*>(device);
    if (device_->isFinished()) return false;
    if (device_->stream_->RecordCount() == 0) {
        // Qt draws text without a background box and from its baseline.
        TEmfRecord mode(EmrSetBkMode);
        Emit(mode.U32(BkTransparent));
        TEmfRecord align(EmrSetTextAlign);
        Emit(align.U32(TaBaseline));
    }
    setActive(true);
    return true;
}

bool TEmfPaintEngine::end() {
    // Leave no created object behind in the playback's table.
    if (penHandle_) SelectPen(TPenKey{true});
    if (brushHandle_) SelectBrush(TBrushKey{true});
    if (fontHandle_) {
        SelectObject(fontHandle_, StockDefaultFont);
        fontKey_.reset();
    }
    setActive(false);
    return device_->finish();
}

void TEmfPaintEngine::Emit(TEmfRecord& record) {
    device_->stream_->Append(record);
}

void TEmfPaintEngine::Emit(const QByteArray& record) {
    device_->stream_->Append(record);
}

void TEmfPaintEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags flags = state.state();
    if (flags & DirtyPen) pen_ = state.pen();
    if (flags & DirtyBrush) brush_ = state.brush();
    if (flags & DirtyTransform) transform_ = state.transform();
    if (flags & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) UpdateClip();
}

void TEmfPaintEngine::UpdateClip() {
    std::optional<QRegion> wanted;
    if (QPainter* p = painter(); p && p->hasClipping()) {
        const QPainterPath clip = transform_.map(p->clipPath());
        wanted = QRegion(clip.toFillPolygon().toPolygon(), clip.fillRule());
    }
    if (wanted == clip_) return;
    // Back to the whole page first, then intersect: LibreOffice ignores the region data
    // of an RGN_COPY, so a region is only ever given with RGN_AND.
    if (clip_) {
        TEmfRecord reset(EmrExtSelectClipRgn);
        Emit(reset.U32(0).U32(RgnCopy));
    }
    clip_ = wanted;
    if (!clip_) return;
    QList<QRect> rects(clip_->begin(), clip_->end());
    if (rects.isEmpty()) rects.append(QRect());  // clipped to nothing
    const QRect bounds = clip_->boundingRect();
    TEmfRecord record(EmrExtSelectClipRgn);
    record.U32(std::uint32_t(32 + 16 * rects.size())).U32(RgnAnd);
    record.U32(32).U32(1).U32(std::uint32_t(rects.size())).U32(std::uint32_t(16 * rects.size()));
    record.Box(bounds.x(), bounds.y(), bounds.x() + bounds.width(), bounds.y() + bounds.height());
    for (const QRect& r : rects) record.Box(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
    Emit(record);
}

bool TEmfPaintEngine::Stroking() const {
    return pen_.style() != Qt::NoPen && pen_.brush().style() != Qt::NoBrush && pen_.color().alpha() > 0;
}

bool TEmfPaintEngine::Filling() const {
    return brush_.style() != Qt::NoBrush && BrushColor(brush_).alpha() > 0;
}

TEmfPaintEngine::TPenKey TEmfPaintEngine::PenKey() const {
    if (!Stroking()) return TPenKey{true};
    double width = pen_.widthF();
    if (pen_.isCosmetic())
        width = width > 0 ? width : 1;  // device units whatever the transform
    else
        width *= std::sqrt(std::abs(transform_.m11() * transform_.m22() - transform_.m12() * transform_.m21()));
    TPenKey key;
    key.Style = PenStyleBits(pen_);
    key.Width = std::max(1, RoundCoordinate(width));
    key.Color = ToColorRef(pen_.color());
    return key;
}

TEmfPaintEngine::TBrushKey TEmfPaintEngine::BrushKey() const {
    if (!Filling()) return TBrushKey{true};
    return TBrushKey{false, ToColorRef(BrushColor(brush_))};
}

void TEmfPaintEngine::SelectObject(std::uint32_t& selectedHandle, std::uint32_t object) {
    TEmfRecord select(EmrSelectObject);
    Emit(select.U32(object));
    if (selectedHandle) {
        TEmfRecord del(EmrDeleteObject);
        Emit(del.U32(selectedHandle));
        device_->stream_->FreeHandle(selectedHandle);
    }
    selectedHandle = (object & 0x80000000u) ? 0 : object;
}

void TEmfPaintEngine::SelectPen(const TPenKey& key) {
    if (penKey_ == key) return;
    std::uint32_t object = StockNullPen;
    if (!key.Null) {
        object = device_->stream_->AllocateHandle();
        TEmfRecord create(EmrExtCreatePen);
        create.U32(object).U32(0).U32(0).U32(0).U32(0);  // no bitmap pattern
        create.U32(key.Style).U32(std::uint32_t(key.Width)).U32(BsSolid).U32(key.Color).U32(0).U32(0);
        Emit(create);
    }
    SelectObject(penHandle_, object);
    penKey_ = key;
}

void TEmfPaintEngine::SelectBrush(const TBrushKey& key) {
    if (brushKey_ == key) return;
    std::uint32_t object = StockNullBrush;
    if (!key.Null) {
        object = device_->stream_->AllocateHandle();
        TEmfRecord create(EmrCreateBrushIndirect);
        Emit(create.U32(object).U32(BsSolid).U32(key.Color).U32(0));
    }
    SelectObject(brushHandle_, object);
    brushKey_ = key;
}

void TEmfPaintEngine::SelectFont(const TFontKey& key) {
    if (fontKey_ == key) return;
    const std::uint32_t object = device_->stream_->AllocateHandle();
    TEmfRecord create(EmrExtCreateFontIndirectW);
    create.U32(object);
    create.I32(key.Height).I32(0).I32(0).I32(0).I32(key.Weight);  // width, escapement, orientation
    create.U8(key.Italic ? 1 : 0).U8(0).U8(0);                     // underline and strike-out are drawn by Qt
    create.U8(1 /*DEFAULT_CHARSET*/).U8(0).U8(0).U8(0).U8(key.PitchAndFamily);
    create.Utf16(key.Face).Zeros(int(FontFaceChars - key.Face.size()) * 2);
    create.Zeros(320 - 92);  // the rest of LogFontPanose: no full name, style or PANOSE data
    Emit(create);
    SelectObject(fontHandle_, object);
    fontKey_ = key;
}

void TEmfPaintEngine::SetFillMode(Qt::FillRule rule) {
    const std::uint32_t mode = rule == Qt::WindingFill ? FillWinding : FillAlternate;
    if (fillMode_ == mode) return;
    fillMode_ = mode;
    TEmfRecord record(EmrSetPolyFillMode);
    Emit(record.U32(mode));
}

void TEmfPaintEngine::SetTextColor(std::uint32_t color) {
    if (textColor_ == color) return;
    textColor_ = color;
    TEmfRecord record(EmrSetTextColor);
    Emit(record.U32(color));
}

QPoint TEmfPaintEngine::Map(const QPointF& p) const {
    const QPointF d = transform_.map(p);
    return {RoundCoordinate(d.x()), RoundCoordinate(d.y())};
}

QRect TEmfPaintEngine::DeviceBox(const QRectF& rect) const {
    const QPoint a = Map(rect.topLeft()), b = Map(rect.bottomRight());
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// ---------------------------------------------------------------------------------------

void TEmfPaintEngine::drawRects(const QRectF* rects, int rectCount) {
    for (int i = 0; i < rectCount; ++i) {
        if (!ScaleOnly()) {
            QPainterPath path;
            path.addRect(rects[i]);
            drawPath(path);
            continue;
        }
        if (!Stroking() && !Filling()) return;
        SelectPen(PenKey());
        SelectBrush(BrushKey());
        const QRect box = DeviceBox(rects[i]);
        TEmfRecord record(EmrRectangle);
        Emit(record.Box(box.left(), box.top(), box.right(), box.bottom()));
    }
}

void TEmfPaintEngine::drawEllipse(const QRectF& rect) {
    if (!ScaleOnly()) {
        QPainterPath path;
        path.addEllipse(rect);
        drawPath(path);
        return;
    }
    if (!Stroking() && !Filling()) return;
    SelectPen(PenKey());
    SelectBrush(BrushKey());
    const QRect box = DeviceBox(rect);
    TEmfRecord record(EmrEllipse);
    Emit(record.Box(box.left(), box.top(), box.right(), box.bottom()));
}

void TEmfPaintEngine::drawLines(const QLineF* lines, int lineCount) {
    if (!Stroking() || lineCount <= 0) return;
    SelectPen(PenKey());
    std::vector<QPolygon> polylines;
    for (int i = 0; i < lineCount; ++i) polylines.push_back(QPolygon{Map(lines[i].p1()), Map(lines[i].p2())});
    Emit(polylines.size() == 1 ? PolyRecord(false, polylines.front()) : PolyPolyRecord(false, polylines));
}

void TEmfPaintEngine::drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) {
    if (pointCount < 2) return;
    const QPolygonF device = transform_.map(QPolygonF(QList<QPointF>(points, points + pointCount)));
    if (mode == PolylineMode) {
        if (!Stroking()) return;
        const QPolygon line = Rounded(device);
        if (line.size() < 2) return;
        SelectPen(PenKey());
        Emit(PolyRecord(false, line));
        return;
    }
    QPolygonF closed = device;
    if (closed.first() != closed.last()) closed.append(closed.first());
    DrawPolygons({closed}, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
}

void TEmfPaintEngine::drawPath(const QPainterPath& path) {
    if (path.isEmpty() || (!Stroking() && !Filling())) return;
    if (device_->roundRectRecords() && ScaleOnly() && DrawAsRoundRect(path)) return;
    DrawPolygons(path.toSubpathPolygons(transform_), path.fillRule());
}

bool TEmfPaintEngine::DrawAsRoundRect(const QPainterPath& path) {
    QRectF box;
    QSizeF radii;
    if (!RoundedRectOf(path, box, radii)) return false;
    SelectPen(PenKey());
    SelectBrush(BrushKey());
    const QRect device = DeviceBox(box);
    const int cornerWidth = RoundCoordinate(2 * radii.width() * std::abs(transform_.m11()));
    const int cornerHeight = RoundCoordinate(2 * radii.height() * std::abs(transform_.m22()));
    TEmfRecord record(EmrRoundRect);
    record.Box(device.left(), device.top(), device.right(), device.bottom());
    Emit(record.I32(cornerWidth).I32(cornerHeight));
    return true;
}

void TEmfPaintEngine::DrawPolygons(const QList<QPolygonF>& polygons, Qt::FillRule rule) {
    // A subpath that ends where it started is closed, as Qt's stroker sees it.
    std::vector<QPolygon> all, areas, rings, lines;
    std::vector<bool> closed;
    for (const QPolygonF& polygon : polygons) {
        QPolygon points = Rounded(polygon);
        const bool isClosed = polygon.size() > 2 && polygon.first() == polygon.last();
        if (points.size() > 1 && points.first() == points.last()) points.removeLast();
        if (points.isEmpty()) continue;
        all.push_back(points);
        closed.push_back(isClosed);
    }
    const bool fill = Filling(), stroke = Stroking();
    bool allClosed = true;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].size() >= 3) areas.push_back(all[i]);
        allClosed = allClosed && closed[i] && all[i].size() >= 3;
        if (closed[i] && all[i].size() >= 3)
            rings.push_back(all[i]);
        else if (all[i].size() >= 2)
            lines.push_back(all[i]);
    }
    if (fill && !areas.empty()) {
        // One record fills and outlines when every subpath is a closed ring.
        const bool strokeHere = stroke && allClosed;
        SetFillMode(rule);
        SelectBrush(BrushKey());
        SelectPen(strokeHere ? PenKey() : TPenKey{true});
        Emit(areas.size() == 1 ? PolyRecord(true, areas.front()) : PolyPolyRecord(true, areas));
        if (strokeHere) return;
    }
    if (!stroke) return;
    SelectPen(PenKey());
    if (!rings.empty()) {
        SelectBrush(TBrushKey{true});
        Emit(rings.size() == 1 ? PolyRecord(true, rings.front()) : PolyPolyRecord(true, rings));
    }
    if (!lines.empty()) Emit(lines.size() == 1 ? PolyRecord(false, lines.front()) : PolyPolyRecord(false, lines));
}

void TEmfPaintEngine::drawPoints(const QPointF* points, int pointCount) {
    if (!Stroking()) return;
    // A point is a dot of the pen's width in the pen's colour.
    const int width = PenKey().Width;
    const QPen pen = pen_;
    SelectPen(TPenKey{true});
    SelectBrush(TBrushKey{false, ToColorRef(pen.color())});
    for (int i = 0; i < pointCount; ++i) {
        const QPointF c = transform_.map(points[i]);
        const int left = RoundCoordinate(c.x() - width / 2.0), top = RoundCoordinate(c.y() - width / 2.0);
        TEmfRecord record(pen.capStyle() == Qt::RoundCap ? EmrEllipse : EmrRectangle);
        Emit(record.Box(left, top, left + width, top + width));
    }
}

void TEmfPaintEngine::drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) {
    drawImage(rect, pixmap.toImage(), source);
}

void TEmfPaintEngine::drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                                Qt::ImageConversionFlags) {
    const QRect part = source.toAlignedRect() & image.rect();
    if (part.isEmpty()) return;
    const QImage cut = image.copy(part);
    // Rotation is out of reach of STRETCHDIBITS: the image fills its bounding box.
    const QRectF target = transform_.mapRect(rect);
    const int x = RoundCoordinate(target.left()), y = RoundCoordinate(target.top());
    const int width = RoundCoordinate(target.right()) - x, height = RoundCoordinate(target.bottom()) - y;
    if (width <= 0 || height <= 0) return;
    const QByteArray bits = DibBits(cut);
    constexpr std::uint32_t InfoOffset = 80, InfoSize = 40;
    TEmfRecord record(EmrStretchDiBits);
    record.Box(x, y, x + width - 1, y + height - 1);
    record.I32(x).I32(y).I32(0).I32(0).I32(cut.width()).I32(cut.height());
    record.U32(InfoOffset).U32(InfoSize).U32(InfoOffset + InfoSize).U32(std::uint32_t(bits.size()));
    record.U32(0 /*DIB_RGB_COLORS*/).U32(SrcCopy).I32(width).I32(height);
    // BITMAPINFOHEADER: a positive height means bottom-up rows.
    record.U32(InfoSize).I32(cut.width()).I32(cut.height()).U16(1).U16(24).U32(0 /*BI_RGB*/);
    record.U32(std::uint32_t(bits.size())).I32(0).I32(0).U32(0).U32(0);
    Emit(record.Bytes(bits));
}

void TEmfPaintEngine::drawTextItem(const QPointF& p, const QTextItem& textItem) {
    if (!Stroking()) return;  // Qt draws text with the pen
    const QString text = textItem.text();
    const double scale = transform_.m22();
    const bool upright = ScaleOnly() && transform_.m11() > 0 && scale > 0 &&
                         std::abs(transform_.m11() - scale) <= 1e-3 * scale;
    if (text.isEmpty() || !upright) {
        // Glyph runs without text, and turned or mirrored text, go as outlines.
        QPaintEngine::drawTextItem(p, textItem);
        return;
    }

    const QFont font = textItem.font();
    const QFontMetricsF metrics(font, device_);
    const double pixels =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device_->logicalDpiY() / 72.0;
    TFontKey key;
    key.Face = font.family().left(FontFaceChars - 1);
    key.Height = device_->fontHeight() == TEmfFontHeight::CellHeight
                     ? RoundCoordinate((metrics.ascent() + metrics.descent()) * scale)
                     : -RoundCoordinate(pixels * scale);
    key.Weight = std::clamp(int(font.weight()), 1, 1000);
    key.Italic = font.style() != QFont::StyleNormal;
    key.PitchAndFamily = PitchAndFamily(font);
    SelectFont(key);
    SetTextColor(ToColorRef(pen_.color()));

    // Advances as Qt laid the text out (kerning included), rounded without drift. The
    // second half of a surrogate pair advances nothing.
    const qsizetype n = text.size();
    std::vector<int> dx(std::size_t(n), 0);
    double running = 0;
    int placed = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) continue;
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate() ? 2 : 1;
        // Prefix widths keep kerning; long strings take the cheaper per-letter sum.
        running = n <= 256 ? metrics.horizontalAdvance(text.left(i + length)) : running + metrics.horizontalAdvance(text.mid(i, length));
        const int edge = RoundCoordinate(running * scale);
        dx[std::size_t(i)] = edge - placed;
        placed = edge;
    }

    const QPoint origin = Map(p);
    const int ascent = RoundCoordinate(textItem.ascent() * scale);
    const int descent = RoundCoordinate(textItem.descent() * scale);
    const int width = RoundCoordinate(textItem.width() * scale);
    const float toHundredthsMm = float(2540.0 / device_->dpi());
    constexpr std::uint32_t StringOffset = 76;
    const auto stringBytes = std::uint32_t((n * 2 + 3) / 4 * 4);

    TEmfRecord record(EmrExtTextOutW);
    record.Box(origin.x(), origin.y() - ascent, origin.x() + width, origin.y() + descent);
    record.U32(GmCompatible).F32(toHundredthsMm).F32(toHundredthsMm);
    record.Point(origin).U32(std::uint32_t(n)).U32(StringOffset);
    record.U32(0).Box(0, 0, 0, 0);  // no options, so no clipping or opaque rectangle
    record.U32(StringOffset + stringBytes);
    record.Utf16(text).PadTo4();
    for (int advance : dx) record.I32(advance);
    Emit(record);
}

}  // namespace vorlix
