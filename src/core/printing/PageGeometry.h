#pragma once
// Sizes and rectangles of a sheet of paper, in points with y up: fitting one size to
// another, the margins an imageable area leaves, and the papers the program knows by name.

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

class PageGeometry {
public:
    // A size with a's proportions against b: without cropping the largest inside b, with
    // cropping the smallest that covers b.
    static QSizeF fitSize(QSizeF a, QSizeF b, bool canCrop);
    // The margins (left, top, right, bottom) that the imageable area leaves on the paper;
    // never negative, also when the area reaches past the paper.
    static QMarginsF marginsForImageableArea(QSizeF paper, const QRectF& imageable);
    // The paper of a name given on the command line or in the paper menu: "A4", "Letter",
    // "A5", "A6", "4x6in", "5x7in", "10x15cm", "13x18cm" (case-insensitive); none otherwise.
    static std::optional<QPageSize> paperNamed(const QString& name);
    static QStringList paperNames();
    // Letter where the locale measures in inches, A4 elsewhere.
    static QPageSize defaultPaper();
    // The paper of a page as oriented, in points: exact, not Qt's whole points (an A4 sheet
    // is 595.28 points wide).
    static QSizeF paperSize(const QPageLayout& page);
    // What the printer can print on: the paper less the printer's least margins. A PDF file
    // knows no printer, so a quarter inch is kept free there, as printers commonly need;
    // a printer that prints to the edge keeps the whole sheet.
    static QRectF imageableRect(const QPageLayout& page, bool toPdf);
    static constexpr double kPdfMargin = 18.0;
};
