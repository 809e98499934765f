#include "ui/editor/FileDragAndDropCell.h"
#include "ui/editor/FileDropOwner.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RecordingOwner : public FileDropOwner {
public:
    void loadImage(const QString& path) override { loaded << path; }
    QStringList loaded;
};

std::unique_ptr<QMimeData> urls(const QStringList& addresses) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> list;
    for (const QString& address : addresses) {
        list << QUrl(address);
    }
    data->setUrls(list);
    return data;
}

class FileDragAndDropCellTest : public ::testing::Test {
protected:
    FileDragAndDropCellTest() {
        cell.setOwner(&owner);
        cell.resize(120, 90);
    }

    bool enter(const QMimeData& data) {
        QDragEnterEvent event(QPoint(60, 45), Qt::CopyAction | Qt::MoveAction, &data,
                              Qt::LeftButton, {});
        event.setAccepted(false);
        QCoreApplication::sendEvent(&cell, &event);
        return event.isAccepted() && event.dropAction() == Qt::CopyAction;
    }

    bool drop(const QMimeData& data) {
        QDropEvent event(QPointF(60, 45), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                         {});
        event.setAccepted(false);
        QCoreApplication::sendEvent(&cell, &event);
        return event.isAccepted();
    }

    void leave() {
        QDragLeaveEvent event;
        QCoreApplication::sendEvent(&cell, &event);
    }

    // How many of the cell's pixels carry the border colour.
    int borderPixels() {
        QImage image(cell.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        cell.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QColor blue = cell.palette().color(QPalette::Active, QPalette::Highlight);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == blue ? 1 : 0;
            }
        }
        return count;
    }

    RecordingOwner owner;
    FileDragAndDropCell cell;
};

TEST_F(FileDragAndDropCellTest, HighlightsWhileFilesAreOverItAndDropsTheFirst) {
    const auto files = urls({QStringLiteral("file:///home/me/first.jpg"),
                             QStringLiteral("file:///home/me/second.png"),
                             QStringLiteral("file:///home/me/third.tif")});
    EXPECT_EQ(borderPixels(), 0);
    EXPECT_TRUE(enter(*files));
    EXPECT_TRUE(cell.highlite());
    // A 5-point line along the rectangle one point inside the edge: it shows 3.5 points wide.
    const int border = borderPixels();
    EXPECT_GT(border, 2 * 3 * (120 + 90) - 100);
    EXPECT_LT(border, 2 * 4 * (120 + 90));
    EXPECT_TRUE(drop(*files));
    EXPECT_EQ(owner.loaded, QStringList{QStringLiteral("/home/me/first.jpg")});
    EXPECT_FALSE(cell.highlite());
    EXPECT_EQ(borderPixels(), 0);
}

TEST_F(FileDragAndDropCellTest, LeavingRemovesTheHighlight) {
    const auto files = urls({QStringLiteral("file:///tmp/a.jpg")});
    ASSERT_TRUE(enter(*files));
    leave();
    EXPECT_FALSE(cell.highlite());
    EXPECT_EQ(borderPixels(), 0);
    EXPECT_TRUE(owner.loaded.isEmpty());
}

TEST_F(FileDragAndDropCellTest, AnyFileReachesTheOwnerWhoDecidesWhatItIs) {
    const auto files = urls({QStringLiteral("file:///tmp/notes.txt")});
    ASSERT_TRUE(enter(*files));
    EXPECT_TRUE(drop(*files));
    EXPECT_EQ(owner.loaded, QStringList{QStringLiteral("/tmp/notes.txt")});
    EXPECT_FALSE(cell.highlite());
}

TEST_F(FileDragAndDropCellTest, RefusesDragsWithoutLocalFiles) {
    const auto web = urls({QStringLiteral("https://example.org/photo.jpg")});
    QMimeData text;
    text.setText(QStringLiteral("/tmp/photo.jpg"));
    for (const QMimeData* data :
         {static_cast<const QMimeData*>(web.get()), static_cast<const QMimeData*>(&text)}) {
        EXPECT_FALSE(enter(*data));
        EXPECT_FALSE(cell.highlite());
        EXPECT_FALSE(drop(*data));
    }
    EXPECT_TRUE(owner.loaded.isEmpty());
    EXPECT_EQ(borderPixels(), 0);
}

TEST_F(FileDragAndDropCellTest, TakesTheFirstLocalFileAfterWebAddresses) {
    const auto mixed =
        urls({QStringLiteral("https://example.org/a.jpg"), QStringLiteral("file:///tmp/b c.jpg")});
    ASSERT_TRUE(enter(*mixed));
    EXPECT_TRUE(drop(*mixed));
    EXPECT_EQ(owner.loaded, QStringList{QStringLiteral("/tmp/b c.jpg")});
}

} // namespace
