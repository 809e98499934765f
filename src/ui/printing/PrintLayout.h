#pragma once
// The sheet of paper with copies of the chosen photos on it. On screen it is the preview:
// the whole sheet (margins patterned, imageable area white) scaled to the view; for printing
// a fresh one at full paper size draws only the photos. One unit is one point on paper, y up.

#include "core/document/Fotino.h"

#include <QRectF>
#include <QWidget>
#include <memory>
#include <vector>

class GraphicsContext;

class PrintLayout : public QWidget {
    Q_OBJECT
public:
    static inline const QString kInterspaceKey = QStringLiteral("PRINT_INTERSPACE");

    // The interspace is the last one printed with ("PRINT_INTERSPACE"), else 15 points.
    explicit PrintLayout(QWidget* parent = nullptr);
    ~PrintLayout() override;

    const std::vector<std::shared_ptr<Fotino>>& fotinos() const { return fotinos_; }
    // Keeps a copy of the list and has every document render itself at once.
    void setFotinos(const std::vector<std::shared_ptr<Fotino>>& fotinos);
    // Holds no list any more; the documents of the old one drop their renderings.
    void clearFotinos();
    int count() const { return count_; }
    void setCount(int count);
    float interspace() const { return interspace_; }
    void setInterspace(float interspace);
    QRectF pageRect() const { return pageRect_; }
    void setPageRect(const QRectF& rect);
    QRectF layoutRect() const { return layoutRect_; }
    void setLayoutRect(const QRectF& rect);
    // The rectangle of paper points the view shows, whatever its size on screen.
    QRectF bounds() const { return bounds_; }
    void setBounds(const QRectF& bounds);

    // The print machinery's questions: the range is never changed, and only a range from
    // page 0 is known; every page is the whole sheet.
    bool knowsPageRange(int firstPage) const { return firstPage == 0; }
    QRectF rectForPage(int page) const;

    // Draws every copy of every document in the current destination.
    void drawOptimizedPictures(const QRectF& rect);
    // The preview (pattern, white imageable area, photos, frames) or, for printing, the
    // photos alone.
    void drawRect(GraphicsContext& context);
    // Prints the sheet through the painter; paperInDevice is where the paper lies on it.
    void printWithPainter(QPainter* painter, const QRectF& paperInDevice);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::shared_ptr<Fotino>> fotinos_;
    int count_ = 0;
    QRectF pageRect_;
    QRectF layoutRect_;
    float interspace_ = 15.0f;
    QRectF bounds_;
};
