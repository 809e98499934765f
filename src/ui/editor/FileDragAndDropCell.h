#pragma once
// A drop target for picture files, laid over the editor's picture well: it draws nothing but a
// blue border while files are dragged over it, and hands the first dropped file to its owner,
// which decides whether it is a picture.

#include <QWidget>

class FileDropOwner;
class QMimeData;

class FileDragAndDropCell : public QWidget {
    Q_OBJECT
public:
    explicit FileDragAndDropCell(QWidget* parent = nullptr);

    // Not owned: the owner outlives the cell (it is the cell's window).
    void setOwner(FileDropOwner* owner) { owner_ = owner; }
    bool highlite() const { return highlite_; }

    // The first local file a drag carries; empty when it carries none (a web address, text).
    static QString firstLocalFile(const QMimeData* data);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setHighlite(bool on);

    FileDropOwner* owner_ = nullptr;
    bool highlite_ = false;
};
