#include "core/document/Fotino.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "core/printing/PrintSheet.h"
#include "support/DocumentTestSupport.h"
#include "support/ImageTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PageLayoutWindow.h"
#include "ui/printing/PrintLayout.h"
#include "ui_PageLayout.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <queue>

namespace {

// Fine enough that the rasterizer's own pixel at each edge stays within the 0.1 mm asked.
constexpr int kDpi = 600;

double millimetres(int pixels) {
    return pixels * 25.4 / kDpi;
}

// Bounding boxes of the connected regions of the sheet that have the colour.
std::vector<QRect> regionsOf(const QImage& page, bool (*matches)(QColor)) {
    const QImage rgb = page.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    const auto colourAt = [&](int x, int y) {
        const uchar* p = rgb.constScanLine(y) + 3 * x;
        return QColor(p[0], p[1], p[2]);
    };
    std::vector<bool> seen(static_cast<size_t>(w) * h);
    std::vector<QRect> regions;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t at = static_cast<size_t>(y) * w + x;
            if (seen[at] || !matches(colourAt(x, y))) {
                continue;
            }
            int left = x;
            int right = x;
            int top = y;
            int bottom = y;
            std::queue<QPoint> todo;
            todo.push(QPoint(x, y));
            seen[at] = true;
            while (!todo.empty()) {
                const QPoint p = todo.front();
                todo.pop();
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h) {
                        continue;
                    }
                    const size_t i = static_cast<size_t>(n.y()) * w + n.x();
                    if (!seen[i] && matches(colourAt(n.x(), n.y()))) {
                        seen[i] = true;
                        todo.push(n);
                    }
                }
            }
            if (right - left > 20 && bottom - top > 20) {
                regions.push_back(QRect(QPoint(left, top), QPoint(right, bottom)));
            }
        }
    }
    return regions;
}

class PrintToPdf : public ::testing::Test {
protected:
    // A document of that size whose picture (one colour) fills the frame.
    QString framedDocument(const QString& name, float widthCm, float heightCm, QColor colour) {
        Fotino doc;
        documenttest::frame(doc, dir.path(), name, QSize(300, 300), colour, 400);
        doc.setName(name);
        doc.setFloat(widthCm, AttributeKeys::kWidth);
        doc.setFloat(heightCm, AttributeKeys::kHeight);
        EXPECT_TRUE(doc.saveToFile());
        return doc.filePath();
    }

    QImage rasterize(const QString& pdf) {
        // The photos lie in the top seven inches of the sheet.
        return rasterize(pdf, {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-H"),
                               QString::number(7 * kDpi)});
    }

    QImage rasterize(const QString& pdf, const QStringList& options) {
        const QString prefix = dir.filePath(QStringLiteral("page"));
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"),
                       options + QStringList{QStringLiteral("-singlefile"), pdf, prefix});
        EXPECT_TRUE(pdftoppm.waitForFinished(60000));
        EXPECT_EQ(pdftoppm.exitCode(), 0) << pdftoppm.readAllStandardError().toStdString();
        return QImage(prefix + QStringLiteral(".ppm"));
    }

    // `fotino print` with the arguments, as a user would run it.
    void print(const QStringList& arguments) {
        QProcess fotino;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        fotino.setProcessEnvironment(env);
        fotino.start(QStringLiteral(FOTINO_BINARY),
                     QStringList{QStringLiteral("print")} + arguments);
        ASSERT_TRUE(fotino.waitForFinished(60000));
        ASSERT_EQ(fotino.exitCode(), 0) << fotino.readAllStandardError().toStdString();
    }

    // Four copies of a 3.5 x 4.5 cm photo and four of a 2 x 2 in one.
    void expectTwoDocumentsOfFourCopies(const QImage& page, double leftMarginPt, double topPt) {
        ASSERT_FALSE(page.isNull());
        auto red = regionsOf(page, imagetest::isRed);
        auto blue = regionsOf(page, imagetest::isBlue);
        ASSERT_EQ(red.size(), 4u);
        ASSERT_EQ(blue.size(), 4u);
        for (const QRect& r : red) {
            EXPECT_NEAR(millimetres(r.width()), 35.0, 0.1);
            EXPECT_NEAR(millimetres(r.height()), 45.0, 0.1);
        }
        for (const QRect& b : blue) {
            EXPECT_NEAR(millimetres(b.width()), 50.8, 0.1);
            EXPECT_NEAR(millimetres(b.height()), 50.8, 0.1);
        }
        std::sort(red.begin(), red.end(),
                  [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
        // The first photo at the imageable area's left edge, one interspace below its top.
        EXPECT_NEAR(red[0].x() * 72.0 / kDpi, leftMarginPt, 0.5);
        EXPECT_NEAR(red[0].y() * 72.0 / kDpi, topPt, 0.5);
        // Copies 15 points apart on the row.
        EXPECT_NEAR((red[1].x() - red[0].right() - 1) * 72.0 / kDpi, 15, 0.5);
    }

    TemporaryHome home;
    QTemporaryDir dir;
};

TEST_F(PrintToPdf, TheCommandLinePrintsTrueSizes) {
    const QString passport = framedDocument(QStringLiteral("Passport"), 3.5f, 4.5f, Qt::red);
    const QString visa = framedDocument(QStringLiteral("Visa"), 5.08f, 5.08f, Qt::blue);
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_NO_FATAL_FAILURE(
        print({QStringLiteral("--pdf"), pdf, QStringLiteral("--paper"), QStringLiteral("Letter"),
               QStringLiteral("--copies"), QStringLiteral("4"), passport, visa}));
    // Letter, a quarter inch kept free: the first row starts 18 + 15 points below the top.
    expectTwoDocumentsOfFourCopies(rasterize(pdf), 18, 33);
}

// What the user changes in the print dialog.
struct DialogCase {
    const char* what;
    std::optional<QPageSize::PageSizeId> paper;
    QPageLayout::Orientation orientation;
};
void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.what;
}

class PrintToPdfFromTheWindow : public PrintToPdf,
                                public ::testing::WithParamInterface<DialogCase> {};

TEST_P(PrintToPdfFromTheWindow, PrintsTrueSizesOnThePaperChosenInTheDialog) {
    const DialogCase& c = GetParam();
    auto passport =
        Fotino::initWithPath(framedDocument(QStringLiteral("Passport"), 3.5f, 4.5f, Qt::red));
    auto visa =
        Fotino::initWithPath(framedDocument(QStringLiteral("Visa"), 5.08f, 5.08f, Qt::blue));
    PageLayoutWindow* window = PageLayoutWindow::layoutWindow();
    // Every case starts from A4 upright.
    auto a4 = std::make_shared<QPrinter>(QPrinter::HighResolution);
    a4->setPageSize(QPageSize(QPageSize::A4));
    window->pageLayout()->calcPageRect(a4, window->pageLayout()->printLayout());
    window->pageLayout()->printLayout()->setFotinos({passport, visa});
    window->pageLayout()->printLayout()->setInterspace(15);
    window->numberFieldChanged();
    const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
    int dialogs = 0;
    Panels::setTestHook([&](const PanelRequest& request) {
        EXPECT_EQ(request.kind, PanelRequest::Kind::Print);
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(pdf);
        if (c.paper) {
            request.printer->setPageSize(QPageSize(*c.paper));
        }
        request.printer->setPageOrientation(c.orientation);
        ++dialogs;
        return 0;
    });
    const bool printed = window->print();
    Panels::clearTestHook();
    ASSERT_TRUE(printed);
    EXPECT_EQ(dialogs, 1);
    // The interspace was written for the next run.
    EXPECT_EQ(UserDefaults::standardUserDefaults().floatForKey(PrintSheet::kInterspaceKey), 15.0f);
    // The preview shows the paper printed on.
    const QRectF paper = window->pageLayout()->paperRect();
    EXPECT_EQ(paper.width() > paper.height(), c.orientation == QPageLayout::Landscape);
    const QRectF area = window->pageLayout()->printableRect();
    expectTwoDocumentsOfFourCopies(rasterize(pdf), area.x(),
                                   paper.height() - area.y() - area.height() + 15);
    window->close();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, PrintToPdfFromTheWindow,
    ::testing::Values(DialogCase{"unchanged", std::nullopt, QPageLayout::Portrait},
                      DialogCase{"landscape", std::nullopt, QPageLayout::Landscape},
                      DialogCase{"Letter", QPageSize::Letter, QPageLayout::Portrait}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.what); });

TEST_F(PrintToPdf, ACancelledPrintWritesNothing) {
    PageLayoutWindow* window = PageLayoutWindow::layoutWindow();
    const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
    Panels::setTestHook([&](const PanelRequest& request) {
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(pdf);
        return 1;
    });
    EXPECT_FALSE(window->print());
    Panels::clearTestHook();
    EXPECT_FALSE(QFile::exists(pdf));
    window->close();
}

// Cut marks at a print shop's everyday resolution. The photos are red or blue: the marks
// are the only grey or black on the sheet.
std::vector<QPoint> darkPixels(const QImage& page) {
    std::vector<QPoint> dark;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) < 160) {
                dark.emplace_back(x, y);
            }
        }
    }
    return dark;
}

TEST_F(PrintToPdf, CutMarksLieOffThePhotosAtEveryCornerAndOnlyWhenAskedFor) {
    const QString passport = framedDocument(QStringLiteral("Passport"), 3.5f, 4.5f, Qt::red);
    const QString visa = framedDocument(QStringLiteral("Visa"), 5.08f, 5.08f, Qt::blue);
    // Photos 8 points apart: the marks between them are stopped short of the next one.
    const QStringList sheet = {QStringLiteral("--copies"),
                               QStringLiteral("4"),
                               QStringLiteral("--interspace"),
                               QStringLiteral("8"),
                               passport,
                               visa};
    const QString plainPdf = dir.filePath(QStringLiteral("plain.pdf"));
    const QString markedPdf = dir.filePath(QStringLiteral("marked.pdf"));
    ASSERT_NO_FATAL_FAILURE(print(QStringList{QStringLiteral("--pdf"), plainPdf} + sheet));
    ASSERT_NO_FATAL_FAILURE(print(
        QStringList{QStringLiteral("--pdf"), markedPdf, QStringLiteral("--cut-marks")} + sheet));
    const QStringList at150 = {QStringLiteral("-r"), QStringLiteral("150")};
    const QImage plain = rasterize(plainPdf, at150);
    const QImage marked = rasterize(markedPdf, at150);
    auto photos = regionsOf(plain, imagetest::isRed);
    for (const QRect& r : regionsOf(plain, imagetest::isBlue)) {
        photos.push_back(r);
    }
    ASSERT_EQ(photos.size(), 8u);
    EXPECT_TRUE(darkPixels(plain).empty()) << "marks without --cut-marks";

    const auto dark = darkPixels(marked);
    int onPhotos = 0;
    int offTheEdgeLines = 0;
    for (const QPoint p : dark) {
        bool onAnEdgeLine = false;
        for (const QRect& r : photos) {
            onPhotos += r.adjusted(-1, -1, 1, 1).contains(p) ? 1 : 0;
            onAnEdgeLine = onAnEdgeLine || std::abs(p.x() - r.left()) <= 2 ||
                           std::abs(p.x() - r.right()) <= 2 || std::abs(p.y() - r.top()) <= 2 ||
                           std::abs(p.y() - r.bottom()) <= 2;
        }
        offTheEdgeLines += onAnEdgeLine ? 0 : 1;
    }
    EXPECT_EQ(onPhotos, 0);
    EXPECT_EQ(offTheEdgeLines, 0) << "marks carry the photos' edges on";
    for (const QRect& r : photos) {
        EXPECT_EQ(marked.copy(r), plain.copy(r)) << "the photo is printed as it was";
        for (const QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            // Within six points of the corner.
            const QRect near(corner - QPoint(12, 12), QSize(25, 25));
            EXPECT_GE(
                std::count_if(dark.begin(), dark.end(), [&](QPoint p) { return near.contains(p); }),
                6)
                << "corner " << corner.x() << ", " << corner.y();
        }
    }
}

TEST_F(PrintToPdf, TheWindowsCutMarksBoxShowsThemInThePreviewAndIsStoredWhenPrinting) {
    auto passport =
        Fotino::initWithPath(framedDocument(QStringLiteral("Passport"), 3.5f, 4.5f, Qt::red));
    PageLayoutWindow* window = PageLayoutWindow::layoutWindow();
    PrintLayout* preview = window->pageLayout()->printLayout();
    preview->setFotinos({passport});
    QCheckBox* box = window->outlets()->cutMarksBox;
    box->setChecked(false);
    const QImage without = preview->grab().toImage();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(preview->cutMarks());
    EXPECT_NE(preview->grab().toImage(), without);
    Panels::setTestHook([&](const PanelRequest& request) {
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(dir.filePath(QStringLiteral("window.pdf")));
        return 0;
    });
    EXPECT_TRUE(window->print());
    Panels::clearTestHook();
    window->close();
    EXPECT_TRUE(PrintSheet::storedCutMarks(UserDefaults::standardUserDefaults()));
}

} // namespace
