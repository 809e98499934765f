#pragma once
// A window holding a document's framing view alone, at the document's proportions whatever
// the window's size: `fotino view` shows a document through it until the editor exists.

#include <QWidget>
#include <memory>

class Fotino;
class PictureView;

class FramingWindow : public QWidget {
    Q_OBJECT
public:
    explicit FramingWindow(std::shared_ptr<Fotino> fotino, QWidget* parent = nullptr);

    PictureView* pictureView() const { return pictureView_; }
    // The view's frame for the window's size: the print size's proportions, centred.
    QRect viewFrame() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureView* pictureView_;
};
