// File ▸ Import Pictures… in the library window: the open panel, the choice of preset and
// framing, the progress that can be cancelled, and the summary.

#include "app/BatchImport.h"
#include "app/BatchImportWindow.h"
#include "app/Controller.h"
#include "core/platform/FileManager.h"
#include "core/platform/Panels.h"
#include "core/presets/Preset.h"
#include "support/DocumentTestSupport.h"
#include "support/ImageTestSupport.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui_BatchImportWindow.h"
#include "ui_MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

using documenttest::namesOf;

class BatchImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The open panel answers with the chosen pictures; every other modal is recorded.
        Panels::setTestHook([this](const PanelRequest& request) {
            requests.push_back(request);
            if (request.kind == PanelRequest::Kind::Open && request.chosenPaths) {
                *request.chosenPaths = chosen;
                return chosen.isEmpty() ? -1 : 0;
            }
            return 0;
        });
    }
    void TearDown() override { Panels::clearTestHook(); }

    QString blank(const QString& name) const {
        return imagetest::blankPicture(pictures.filePath(name), QSize(80, 60));
    }
    QString junk(const QString& name) const {
        const QString path = pictures.filePath(name);
        EXPECT_TRUE(FileManager::createFileAtPath(path, "no picture"));
        return path;
    }
    // The summary, once asked.
    std::vector<PanelRequest> summaries() const {
        std::vector<PanelRequest> found;
        for (const PanelRequest& request : requests) {
            if (request.kind == PanelRequest::Kind::Alert) {
                found.push_back(request);
            }
        }
        return found;
    }
    bool waitForSummary() const {
        return QTest::qWaitFor([this] { return !summaries().empty(); }, 60000);
    }
    static BatchImportWindow* choiceWindow(Controller& c) {
        return c.mainWindow()->findChild<BatchImportWindow*>();
    }

    TemporaryHome home;
    QTemporaryDir pictures;
    QStringList chosen;
    std::vector<PanelRequest> requests;
};

TEST_F(BatchImportTest, ThePicturesChosenBecomeDocumentsOfThePresetChosen) {
    chosen = {blank(QStringLiteral("Ann.png")), junk(QStringLiteral("notes.jpg")),
              blank(QStringLiteral("Bob.png"))};
    Controller c;
    c.outlets()->batchImportMenu->trigger();

    ASSERT_FALSE(requests.empty());
    EXPECT_TRUE(requests.front().multipleSelection);
    BatchImportWindow* window = choiceWindow(c);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->outlets()->introLabel->text(),
              QStringLiteral("Pictures chosen: 3. Each becomes a document of the library, named "
                             "after its file."));
    EXPECT_TRUE(window->outlets()->autoFrameSwitch->isChecked()) << "on by default";
    QComboBox* popup = window->outlets()->presetsPopup;
    ASSERT_GT(popup->count(), 2);
    popup->setCurrentIndex(2);
    const QString presetName = popup->currentText();
    QTest::mouseClick(window->outlets()->importButton, Qt::LeftButton);

    ASSERT_TRUE(waitForSummary());
    const PanelRequest summary = summaries().front();
    EXPECT_TRUE(summary.informational);
    EXPECT_EQ(summary.message, QStringLiteral("Documents made: 2 of 3."));
    EXPECT_EQ(summary.informativeText,
              QStringLiteral("No face found, framed as a new document (check them by hand):\n"
                             "• Ann.png\n• Bob.png\n\n"
                             "Not imported:\n• notes.jpg (not a picture Fotino can read)"));
    EXPECT_TRUE(summary.detailedText.isEmpty()) << "nothing left out";

    // The library shows them at once.
    EXPECT_EQ(namesOf(c.pictureList()),
              (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}));
    for (const auto& document : c.pictureList()) {
        EXPECT_EQ(document->stringForKey(AttributeKeys::kPresetName), presetName);
    }
    EXPECT_TRUE(QTest::qWaitFor([&c] { return !c.mainWindow()->findChild<QProgressDialog*>(); }))
        << "the progress went away";
}

TEST_F(BatchImportTest, CancellingStopsAfterThePictureBeingMadeAndKeepsIt) {
    chosen = {blank(QStringLiteral("a.png")), blank(QStringLiteral("b.png")),
              blank(QStringLiteral("c.png"))};
    Controller c;
    c.batchImport();
    BatchImportWindow* window = choiceWindow(c);
    ASSERT_TRUE(window);
    QTest::mouseClick(window->outlets()->importButton, Qt::LeftButton);

    auto* import = c.mainWindow()->findChild<BatchImport*>();
    ASSERT_TRUE(import);
    QProgressDialog* progress = import->progressDialog();
    ASSERT_TRUE(progress);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->windowModality(), Qt::WindowModal);
    // The user presses Cancel while the first picture is being made.
    QObject::connect(import, &BatchImport::pictureImported, progress, [progress](int index) {
        if (index == 0) {
            auto* cancel = progress->findChild<QPushButton*>();
            ASSERT_TRUE(cancel);
            cancel->click();
        }
    });

    ASSERT_TRUE(waitForSummary());
    EXPECT_EQ(summaries().front().message,
              QStringLiteral("Import cancelled. Documents made: 1 of 3."));
    EXPECT_EQ(namesOf(c.pictureList()), QStringList{QStringLiteral("a")});
}

TEST_F(BatchImportTest, NothingHappensWhenThePanelOrTheChoiceIsCancelled) {
    Controller c;
    c.batchImport();
    EXPECT_FALSE(choiceWindow(c)) << "no picture chosen";

    chosen = {blank(QStringLiteral("a.png"))};
    c.batchImport();
    BatchImportWindow* window = choiceWindow(c);
    ASSERT_TRUE(window);
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_TRUE(summaries().empty());
    EXPECT_TRUE(c.pictureList().empty());
    EXPECT_FALSE(c.mainWindow()->findChild<BatchImport*>());
}

TEST_F(BatchImportTest, LongListsAreCutShortInTheSummaryAndGivenWholeInItsDetails) {
    QStringList all;
    for (int i = 1; i <= 10; ++i) {
        all << blank(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0')));
    }
    QWidget window;
    const auto presets = Preset::presets();
    ASSERT_FALSE(presets.empty());
    BatchImport import(all, *presets.front(), false, home.filePath(QStringLiteral("library")),
                       &window);
    bool finished = false;
    QObject::connect(&import, &BatchImport::finished, [&finished] { finished = true; });
    import.start();
    ASSERT_TRUE(QTest::qWaitFor([&finished] { return finished; }, 60000));

    const BatchImport::Summary summary = import.summary();
    EXPECT_EQ(summary.message, QStringLiteral("Documents made: 10 of 10."));
    EXPECT_EQ(summary.informativeText,
              QStringLiteral("No face found, framed as a new document (check them by hand):\n"
                             "• p01.png\n• p02.png\n• p03.png\n• p04.png\n• p05.png\n"
                             "• p06.png\n• p07.png\n• p08.png\nand 2 more"));
    EXPECT_TRUE(summary.detailedText.endsWith(QStringLiteral("• p08.png\n• p09.png\n• p10.png")))
        << summary.detailedText.toStdString();
}

} // namespace
