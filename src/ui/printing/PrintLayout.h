#pragma once
// The preview of the sheet in the page layout window: the whole sheet (margins patterned,
// imageable area white, the photos) scaled to the view, one unit a point on paper, y up.
// What is on the sheet and how it is drawn belongs to its PrintSheet.

#include "core/printing/PrintSheet.h"

#include <QRectF>
#include <QWidget>
#include <memory>
#include <vector>

class Fotino;

class PrintLayout : public QWidget {
    Q_OBJECT
public:
    explicit PrintLayout(QWidget* parent = nullptr);
    ~PrintLayout() override;

    const PrintSheet& sheet() const { return sheet_; }

    // Each change redraws the preview.
    const std::vector<std::shared_ptr<Fotino>>& fotinos() const { return sheet_.fotinos(); }
    void setFotinos(const std::vector<std::shared_ptr<Fotino>>& fotinos);
    void clearFotinos();
    int count() const { return sheet_.count(); }
    void setCount(int count);
    float interspace() const { return sheet_.interspace(); }
    void setInterspace(float interspace);
    bool cutMarks() const { return sheet_.cutMarks(); }
    void setCutMarks(bool cutMarks);
    QRectF pageRect() const { return sheet_.pageRect(); }
    void setPageRect(const QRectF& rect);
    QRectF layoutRect() const { return sheet_.layoutRect(); }
    void setLayoutRect(const QRectF& rect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PrintSheet sheet_;
};
