#include "core/document/Fotino.h"
#include "core/platform/FileManager.h"
#include "core/platform/PropertyList.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QByteArray pictureBytes(quint32 seed) {
    QByteArray bytes(3 << 20, Qt::Uninitialized);
    QRandomGenerator random(seed);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

// Whatever moment the save loop is killed at, the folder holds whole documents whose
// pictures are there, and at least one of them.
TEST(InterruptedSave, KillingASaveLeavesAWholeDocumentAndItsPicture) {
    QTemporaryDir docs;
    QTemporaryDir elsewhere;
    const QByteArray pictures[2] = {pictureBytes(1), pictureBytes(2)};
    const QString paths[2] = {elsewhere.filePath(QStringLiteral("a.jpg")),
                              elsewhere.filePath(QStringLiteral("b.jpg"))};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(FileManager::createFileAtPath(paths[i], pictures[i]));
    }

    QRandomGenerator random(42);
    int documentsSeen = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess child;
        child.start(QStringLiteral(FOTINO_SAVE_LOOP), {docs.path(), paths[0], paths[1]});
        // The loop says when each save is done: the second one is timed, and the loop is killed
        // at a random moment of a save as long.
        const auto saved = [&child] {
            const bool ready = child.canReadLine() || child.waitForReadyRead(60000);
            child.readLine();
            return ready;
        };
        ASSERT_TRUE(saved()) << "round " << round;
        QElapsedTimer save;
        save.start();
        ASSERT_TRUE(saved()) << "round " << round;
        const auto microseconds = std::max<qint64>(save.nsecsElapsed() / 1000, 1);
        QThread::usleep(static_cast<unsigned long>(random.bounded(microseconds)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(10000));

        int whole = 0;
        for (const QString& entry : FileManager::contentsOfDirectoryAtPath(docs.path())) {
            if (!entry.endsWith(QLatin1String(".ftoct"))) {
                continue;
            }
            const auto document = Fotino::initWithPath(docs.filePath(entry));
            ASSERT_TRUE(document) << "round " << round << ": " << entry.toStdString();
            const auto picture = FileManager::contentsAtPath(document->originalPicturePath());
            ASSERT_TRUE(picture) << "round " << round << ": no picture for " << entry.toStdString();
            EXPECT_TRUE(*picture == pictures[0] || *picture == pictures[1]) << "round " << round;
            ++whole;
        }
        EXPECT_GE(whole, 1) << "round " << round;
        documentsSeen += whole;
    }
    EXPECT_GE(documentsSeen, 12);
    EXPECT_EQ(FileManager::contentsAtPath(paths[0]), pictures[0]);
    EXPECT_EQ(FileManager::contentsAtPath(paths[1]), pictures[1]);
}

} // namespace
