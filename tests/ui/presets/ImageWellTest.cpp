#include "ui/presets/ImageWell.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"
#include "core/platform/Panels.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace {

class ImageWellTest : public ::testing::Test {
protected:
    void SetUp() override {
        Panels::setTestHook([this](const PanelRequest& request) {
            asked_.push_back(request);
            if (request.kind == PanelRequest::Kind::Open && request.chosenPath) {
                *request.chosenPath = answer_;
            }
            return answer_.isEmpty() ? -1 : 0;
        });
        well_.resize(80, 80);
        well_.show();
    }
    void TearDown() override { Panels::clearTestHook(); }

    QString picture(const char* name, QSize size) {
        QImage pixels(size, QImage::Format_RGB32);
        pixels.fill(Qt::blue);
        const QString path = home_.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(pixels.save(path));
        return path;
    }
    QString notAPicture() {
        const QString path = home_.filePath(QStringLiteral("notes.png"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture at all");
        return path;
    }
    // Drags the files over the well and drops them; answers whether the well took the drag.
    bool drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << (path.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(path) : QUrl(path));
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&well_, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&well_, &dropped);
        return dropped.isAccepted();
    }
    static QSize pixelsOf(const std::shared_ptr<Image>& image) {
        if (!image || image->representations().empty()) {
            return {};
        }
        return {image->representations().front()->pixelsWide(),
                image->representations().front()->pixelsHigh()};
    }
    int alerts() const {
        int count = 0;
        for (const PanelRequest& request : asked_) {
            count += request.kind == PanelRequest::Kind::Alert;
        }
        return count;
    }

    TemporaryHome home_;
    ImageWell well_;
    std::vector<PanelRequest> asked_;
    QString answer_;
};

TEST_F(ImageWellTest, TakesOneDroppedPictureFileAndRefusesAnythingElse) {
    QSignalSpy changed(&well_, &ImageWell::imageChanged);
    const QString first = picture("first.png", {30, 20});
    const QString second = picture("second.jpg", {10, 40});
    EXPECT_FALSE(drop({notAPicture()}));
    EXPECT_FALSE(drop({first, second})) << "one picture a well";
    EXPECT_FALSE(drop({QStringLiteral("https://example.org/a.png")}));
    EXPECT_FALSE(drop({home_.filePath(QStringLiteral("missing.png"))}));
    EXPECT_FALSE(well_.image());
    EXPECT_EQ(changed.count(), 0);

    EXPECT_TRUE(drop({first}));
    EXPECT_EQ(pixelsOf(well_.image()), QSize(30, 20));
    EXPECT_TRUE(well_.changed());
    EXPECT_EQ(changed.count(), 1);

    well_.setImage(nullptr);
    EXPECT_FALSE(well_.changed()) << "a picture set by the program is no change of the user's";
    EXPECT_EQ(alerts(), 0);
}

TEST_F(ImageWellTest, AClickOrSpaceAsksForAPictureInTheOpenPanel) {
    const QString chosen = picture("chosen.png", {12, 34});
    QDir(home_.path()).mkpath(QStringLiteral("Pictures"));

    answer_.clear(); // cancelled: nothing changes
    QTest::mouseClick(&well_, Qt::LeftButton);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].kind, PanelRequest::Kind::Open);
    EXPECT_EQ(asked_[0].directory, home_.filePath(QStringLiteral("Pictures")));
    ASSERT_EQ(asked_[0].nameFilters.size(), 1);
    EXPECT_TRUE(asked_[0].nameFilters[0].contains(QStringLiteral("*.png")));
    EXPECT_FALSE(well_.image());

    answer_ = chosen;
    QTest::keyClick(&well_, Qt::Key_Space);
    EXPECT_EQ(pixelsOf(well_.image()), QSize(12, 34));
    EXPECT_TRUE(well_.changed());
    ASSERT_EQ(asked_.size(), 2u);

    answer_ = notAPicture();
    QTest::keyClick(&well_, Qt::Key_Return);
    ASSERT_EQ(asked_.size(), 4u);
    EXPECT_EQ(asked_[2].directory, home_.path()) << "the panel opens where the last pick was";
    EXPECT_EQ(asked_[3].kind, PanelRequest::Kind::Alert);
    EXPECT_TRUE(asked_[3].message.contains(QStringLiteral("notes.png")))
        << asked_[3].message.toStdString();
    EXPECT_EQ(pixelsOf(well_.image()), QSize(12, 34)) << "a failed pick keeps the picture";
}

} // namespace
