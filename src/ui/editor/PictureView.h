#pragma once
// The framing view of the editor: the finished photo at the proportions of its print size,
// the preset's guides over it (a veil around the face box, a wash on the other guides, dashed
// outlines, a dashed centre line), and the picture dragged into place with the mouse.

#include "core/document/FramingDrag.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <optional>

class Fotino;
class GraphicsContext;

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    static PictureView* pictureViewWithFotino(std::shared_ptr<Fotino> fotino, const QRect& frame,
                                              QWidget* parent = nullptr);

    const std::shared_ptr<Fotino>& fotino() const { return fotino_; }
    // Shows another document (or none); a drag under way ends.
    void setFotino(std::shared_ptr<Fotino> fotino);

    // A one-page PDF of the view's bounds holding the photo alone: no outline, guides or
    // centre line. Empty when it cannot be made.
    QByteArray PDFCalibratedRepresentation();

Q_SIGNALS:
    // The user moved the picture: the document's offset has changed.
    void offsetChanged();
    // The mouse wheel turned over the view: steps up to enlarge the picture, down to shrink,
    // about the point under the mouse (points, y upward).
    void scaleStepped(int steps, QPointF about);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The arrow keys move the picture by one point.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the layer over the picture depends on; it is drawn again only when one of these
    // changes.
    struct OverlayKey {
        QSize size;
        qreal ratio = 0;
        bool hasFotino = false;
        bool guidesShown = false;
        QVariant mask;
        QVariant guides;
        float widthInCm = 0;
        QStringList labels;
        bool operator==(const OverlayKey&) const = default;
    };

    void drawRect(GraphicsContext& context);
    // The guides and the centre line, with the veil over all but the face box.
    void drawGuides(GraphicsContext& context);
    // The mask, the outline and (when shown) the guides, at that many device pixels a point
    // (what the painter maps a point to, which a widget drawn into a picture may not report).
    const QImage& overlay(qreal ratio);
    OverlayKey overlayKey(qreal ratio) const;
    // The mouse location in points, y upward.
    QPointF location(const QMouseEvent* event) const;

    std::shared_ptr<Fotino> fotino_;
    bool generate_ = false;
    std::optional<FramingDrag> drag_;
    int wheelRemainder_ = 0;
    QImage overlay_;
    OverlayKey overlayKey_;
};
