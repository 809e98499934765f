#pragma once
// The current drawing destination: a QPainter on an image, a widget or a printer, used in
// points with y upward and the origin at the lower left, so that rectangles are used as
// computed; pictures and text still come out upright.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>
#include <QVector>
#include <memory>
#include <optional>
#include <vector>

class QPaintDevice;

class GraphicsContext {
public:
    enum class CompositingOperation {
        Copy,       // source pixels replace destination pixels
        SourceOver, // alpha blending
    };

    struct Shadow {
        QPointF offset; // in points, y upward; not affected by the current transform
        qreal blurRadius = 0;
        QColor color = QColor(0, 0, 0, 85);
    };

    // Draws on the device; sizeInPoints covers areaInDevice (by default the whole device), so
    // device pixels per point follow from the two. Drawing to the screen when the device is a
    // widget.
    GraphicsContext(QPaintDevice* device, QSizeF sizeInPoints, QRectF areaInDevice = QRectF());
    // Draws through a painter the caller keeps active (on a printer spanning pages, say);
    // areaInDevice is the device rectangle that sizeInPoints covers.
    GraphicsContext(QPainter* painter, QSizeF sizeInPoints, QRectF areaInDevice);
    ~GraphicsContext();
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    // The process-wide stack of destinations; current() is null when nothing is focused.
    static GraphicsContext* current();
    static void pushContext(GraphicsContext* context);
    static void popContext();

    // Makes a context the current destination for as long as it lives.
    class CurrentScope {
    public:
        explicit CurrentScope(GraphicsContext& context) { pushContext(&context); }
        ~CurrentScope() { popContext(); }
        CurrentScope(const CurrentScope&) = delete;
        CurrentScope& operator=(const CurrentScope&) = delete;
    };

    bool isDrawingToScreen() const { return toScreen_; }
    // Device pixels a unit of the current coordinates spans, across and up (the device pixel
    // ratio included); (0, 0) when nothing can be drawn.
    QPointF devicePixelsPerUnit() const;
    QSizeF sizeInPoints() const { return size_; }
    QPainter* painter() { return painter_; }

    void saveGraphicsState();
    void restoreGraphicsState();

    // Changes of the current transform, each applied before what is already there.
    void rotateByDegrees(qreal degrees);
    void translate(qreal dx, qreal dy);
    void scale(qreal sx, qreal sy);
    void concat(const QTransform& transform);
    // The current transform from points to points (identity when nothing was applied).
    QTransform transform() const;
    static QPainterPath transformPath(const QTransform& transform, const QPainterPath& path);

    static QPainterPath pathWithRect(const QRectF& rect);
    static QPainterPath pathWithLine(QPointF from, QPointF to);

    void setColor(const QColor& color); // fill and stroke
    void setFillColor(const QColor& color);
    void setStrokeColor(const QColor& color);
    static QColor colorWithWhite(qreal white, qreal alpha = 1.0);
    static QColor colorWithRGB(qreal red, qreal green, qreal blue, qreal alpha = 1.0);

    // Applies to later fills, frames, strokes and picture draws until the state is restored.
    void setShadow(const Shadow& shadow);
    void clearShadow();

    void fillPath(const QPainterPath& path);
    // Dashes are lengths in points, alternately drawn and skipped.
    void strokePath(const QPainterPath& path, qreal lineWidth,
                    const QVector<qreal>& dashPattern = {}, qreal dashPhase = 0);
    // Intersects the clip with the path.
    void addClip(const QPainterPath& path);
    void fillRect(const QRectF& rect);
    // Tiles the rectangle with the picture at one picture pixel a device pixel, as a pattern.
    void fillPattern(const QRectF& rect, const QImage& tile);
    // A frame inside the rectangle.
    void frameRect(const QRectF& rect, qreal lineWidth = 1);

    // The string's lower-left corner (below the descent) at the point.
    void drawString(const QString& text, QPointF point, const QString& fontName, qreal size,
                    const QColor& color);

    // Draws sourcePixels of the picture (pixel coordinates, top row first) upright into
    // destination (points, y upward), scaled to fit.
    void drawImage(const QImage& image, const QRectF& sourcePixels, const QRectF& destination,
                   CompositingOperation operation, qreal opacity);

private:
    struct State {
        QColor fill = Qt::black;
        QColor stroke = Qt::black;
        std::optional<Shadow> shadow;
    };
    void begin(QRectF areaInDevice);
    bool isActive() const { return painter_ != nullptr && painter_->isActive(); }
    bool hasShadow() const { return states_.back().shadow.has_value(); }
    // Paints the shadow of what draw paints inside userBounds (current coordinates).
    template <typename Draw> void paintShadow(const QRectF& userBounds, Draw draw);
    static void paintScaledImage(QPainter& painter, const QRectF& target, const QImage& image,
                                 const QRectF& source);

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    QSizeF size_;
    QTransform base_; // points, y upward, to device pixels
    QPointF pixelsPerPoint_{1, 1};
    bool toScreen_ = false;
    std::vector<State> states_;
};
