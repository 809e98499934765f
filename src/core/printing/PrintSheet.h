#pragma once
// One sheet of paper with copies of the chosen photos on it: the documents, the number of
// copies of each, the interspace, whether cut marks go with them, the paper and its
// imageable area, and drawing it. The
// preview in the page layout window and every print (window or command line) draw through
// it. One unit is one point on paper, y up.

#include "core/printing/PrintArrangement.h"

#include <QLineF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class Fotino;
class GraphicsContext;
class UserDefaults;

class PrintSheet {
public:
    // The defaults key of the last interspace printed with, in points.
    static inline const QString kInterspaceKey = QStringLiteral("PRINT_INTERSPACE");
    static constexpr float kDefaultInterspace = 15.0f;

    // The defaults key of whether the last print had cut marks.
    static inline const QString kCutMarksKey = QStringLiteral("FTN_CutMarks");

    explicit PrintSheet(float interspace = kDefaultInterspace);
    // The interspace last printed with, or the default when there is none.
    static float storedInterspace(const UserDefaults& defaults);
    // Whether the last print had cut marks; none before the first.
    static bool storedCutMarks(const UserDefaults& defaults);

    const std::vector<std::shared_ptr<Fotino>>& fotinos() const { return fotinos_; }
    // Keeps a copy of the list and has every document render itself at once, so that the
    // first draw finds every photo ready.
    void setFotinos(const std::vector<std::shared_ptr<Fotino>>& fotinos);
    // Holds no list any more; the documents of the old one drop their renderings.
    void clearFotinos();
    int count() const { return count_; }
    void setCount(int count) { count_ = count; }
    float interspace() const { return interspace_; }
    void setInterspace(float interspace) { interspace_ = interspace; }
    bool cutMarks() const { return cutMarks_; }
    void setCutMarks(bool cutMarks) { cutMarks_ = cutMarks; }

    // The whole sheet, (0, 0, paper size), and the printer's imageable area on it. Each
    // setter writes its rectangle to the log.
    QRectF pageRect() const { return pageRect_; }
    void setPageRect(const QRectF& rect);
    QRectF layoutRect() const { return layoutRect_; }
    void setLayoutRect(const QRectF& rect);
    // Both from a printer's page: its paper as oriented, and what it can print on.
    void setPage(const QPageLayout& page, bool toPdf);

    // The print machinery's questions: only a range from page 0 is known; every page is the
    // whole sheet.
    bool knowsPageRange(int firstPage) const { return firstPage == 0; }
    QRectF rectForPage(int page) const;

    // Where every copy of every document goes, in list order.
    std::vector<PrintArrangement::Placement> placements() const;
    // Draws every copy at its true size into the context.
    void drawOptimizedPictures(GraphicsContext& context) const;
    // The cut marks of every copy, inside the imageable area (beyond it a printer prints
    // nothing); none when the sheet has no cut marks.
    std::vector<QLineF> cutMarkLines() const;
    // On screen the preview: the margins patterned, the imageable area white, the photos and
    // their cut marks, the sheet framed in black and the imageable area in grey. Elsewhere only
    // the photos and their cut marks.
    void draw(GraphicsContext& context) const;

    // Prints the sheet as one page of a PDF file, written beside the path and moved over it
    // once complete; false when nothing was written.
    bool writePDF(const QString& path) const;

private:
    void drawCutMarks(GraphicsContext& context) const;

    std::vector<std::shared_ptr<Fotino>> fotinos_;
    int count_ = 0;
    QRectF pageRect_;
    QRectF layoutRect_;
    float interspace_;
    bool cutMarks_ = false;
};
