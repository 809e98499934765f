#pragma once
// An image well: a sunken square showing a picture scaled to fit. A picture file dropped on
// it, or chosen in the open panel that a click, Space or Return brings up, becomes its
// picture.

#include <QFrame>
#include <QImage>
#include <functional>
#include <memory>

class Image;

class ImageWell : public QFrame {
    Q_OBJECT
public:
    // What the well does to a picture the user gives it before keeping it.
    using Preparation = std::function<std::shared_ptr<Image>(const std::shared_ptr<Image>&)>;

    explicit ImageWell(QWidget* parent = nullptr);
    ~ImageWell() override;

    std::shared_ptr<Image> image() const { return image_; }
    // Shows the picture, or nothing; the well then counts as unchanged.
    void setImage(std::shared_ptr<Image> image);
    // Shown while the well holds no picture.
    void setPlaceholder(std::shared_ptr<Image> placeholder);
    void setPreparation(Preparation preparation) { preparation_ = std::move(preparation); }
    // Whether the user gave the well its picture since the last setImage.
    bool changed() const { return changed_; }

    // Makes the picture of the file the well's own; says so and answers false when the file
    // holds no picture.
    bool takePictureAtPath(const QString& path);
    // Asks for a picture file in the open panel.
    void choosePicture();

    QSize sizeHint() const override;

Q_SIGNALS:
    // The user gave the well a picture.
    void imageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static QImage pictureOf(const std::shared_ptr<Image>& image);

    std::shared_ptr<Image> image_;
    Preparation preparation_;
    QImage shown_;
    QImage placeholder_;
    bool changed_ = false;
    bool dragging_ = false;
};
