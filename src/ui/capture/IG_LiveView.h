#pragma once
// The live camera preview: the frame mirrored like a looking-glass, scaled to the view (one
// bounds unit per frame pixel), with the blue portrait frame the face is placed in.

#include <QImage>
#include <QRectF>
#include <QTransform>
#include <QWidget>
#include <memory>

class BitmapImageRep;

class IG_LiveView : public QWidget {
    Q_OBJECT
public:
    explicit IG_LiveView(QWidget* parent = nullptr);
    ~IG_LiveView() override;

    // Shows the frame (none: nothing); the bounds take the frame's size in pixels.
    void setImage(std::shared_ptr<BitmapImageRep> image);
    const std::shared_ptr<BitmapImageRep>& image() const { return image_; }
    // (0, 0, frame width, frame height) in pixels; empty without a frame.
    QRectF imageRect() const { return imageRect_; }
    QRectF bounds() const { return bounds_; }
    QTransform mirrorMatrix() const { return mirrorMatrix_; }
    // Rebuilds the mirror from the current bounds.
    void updateMatrix();
    // A new bitmap of the frame as the camera delivered it, not mirrored; none without a frame.
    std::shared_ptr<BitmapImageRep> toImage() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<BitmapImageRep> image_;
    // A view of the frame's own pixels, made once a frame.
    QImage picture_;
    QRectF imageRect_;
    QRectF bounds_;
    QTransform mirrorMatrix_;
};
