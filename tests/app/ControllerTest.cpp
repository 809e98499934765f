#include "app/Controller.h"
#include "app/PictureListModel.h"
#include "app/VersionChecker.h"
#include "core/document/DocumentExport.h"
#include "core/document/DocumentLibrary.h"
#include "core/platform/FileManager.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "support/DocumentTestSupport.h"
#include "support/OpenedUrls.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/export/ImageOptions.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PageLayoutWindow.h"
#include "ui/printing/PrintLayout.h"
#include "ui_ImageOptions.h"
#include "ui_MainWindow.h"
#include "ui_PictureSettingsWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMainWindow>
#include <QPointer>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using documenttest::namesOf;

class ControllerTest : public ::testing::Test {
protected:
    QString folder() const { return home.filePath(QStringLiteral("Documents/Fotino/")); }
    void writeDocument(const QString& file, const QString& name) const {
        QDir().mkpath(folder());
        documenttest::writeDocument(folder() + file, name);
    }
    // Clicks the tick box of a row as a user would.
    static void tick(Controller& c, int row) {
        QAbstractItemModel* model = c.outlets()->picturesTableView->model();
        model->setData(model->index(row, PictureListModel::SelectionColumn), Qt::Checked,
                       Qt::CheckStateRole);
    }
    static bool ticked(Controller& c, int row) {
        QAbstractItemModel* model = c.outlets()->picturesTableView->model();
        return model->data(model->index(row, PictureListModel::SelectionColumn),
                           Qt::CheckStateRole) == Qt::Checked;
    }

    TemporaryHome home;
};

TEST_F(ControllerTest, ListsDocumentsByNameAndSize) {
    writeDocument(QStringLiteral("Visa.ftoct"), QStringLiteral("Visa"));

    Controller c;
    QAbstractItemModel* model = c.outlets()->picturesTableView->model();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->data(model->index(0, PictureListModel::NameColumn)).toString(),
              QStringLiteral("Visa"));
    EXPECT_EQ(model->data(model->index(0, PictureListModel::SizeColumn)).toString(),
              QStringLiteral("3.50 x 4.50 cm"));
}

TEST_F(ControllerTest, TicksAreNamesThatSurviveARefresh) {
    writeDocument(QStringLiteral("a.ftoct"), QStringLiteral("Alpha"));
    writeDocument(QStringLiteral("b.ftoct"), QStringLiteral("Beta"));
    Controller c;
    tick(c, 1);
    EXPECT_EQ(c.selectedItem()->name(), QStringLiteral("Beta")) << "the click highlights the row";
    EXPECT_TRUE(ticked(c, 1));

    writeDocument(QStringLiteral("0.ftoct"), QStringLiteral("First"));
    c.refreshPictureList();
    ASSERT_EQ(
        namesOf(c.pictureList()),
        (QStringList{QStringLiteral("First"), QStringLiteral("Alpha"), QStringLiteral("Beta")}));
    EXPECT_FALSE(ticked(c, 0));
    EXPECT_TRUE(ticked(c, 2));
    EXPECT_EQ(namesOf(c.selectedPictureList()), QStringList{QStringLiteral("Beta")});

    tick(c, 2);
    EXPECT_FALSE(ticked(c, 2));
    EXPECT_TRUE(c.selectedPictureList().empty());
}

TEST_F(ControllerTest, DocumentsOfTheSameNameAreTickedTogetherInListOrder) {
    writeDocument(QStringLiteral("1.ftoct"), QStringLiteral("Twin"));
    writeDocument(QStringLiteral("2.ftoct"), QStringLiteral("Other"));
    writeDocument(QStringLiteral("3.ftoct"), QStringLiteral("Twin"));
    Controller c;
    tick(c, 1);
    tick(c, 2);
    EXPECT_TRUE(ticked(c, 0));
    EXPECT_EQ(
        namesOf(c.selectedPictureList()),
        (QStringList{QStringLiteral("Twin"), QStringLiteral("Other"), QStringLiteral("Twin")}));
}

TEST_F(ControllerTest, SelectWithoutAHighlightedRowDoesNothing) {
    writeDocument(QStringLiteral("a.ftoct"), QStringLiteral("Alpha"));
    Controller c;
    c.outlets()->picturesTableView->clearSelection();
    c.select();
    EXPECT_TRUE(c.selectedPictureName().isEmpty());
}

TEST_F(ControllerTest, DeletingRemovesTheThreeFilesAndTheTick) {
    // Each document with its calibrated picture and its picture copy; a ticked one and one
    // never ticked.
    QDir().mkpath(folder());
    for (const QString base : {"a", "b"}) {
        Fotino doc;
        doc.setName(base.toUpper());
        doc.setImageName(QStringLiteral("original name.jpg"));
        ASSERT_TRUE(doc.saveToFile(folder() + base + QStringLiteral(".ftoct")));
        for (const QString extension : {".cftn", ".jpg"}) {
            ASSERT_TRUE(FileManager::createFileAtPath(folder() + base + extension, "bytes"));
        }
    }
    writeDocument(QStringLiteral("c.ftoct"), QStringLiteral("C"));
    Controller c;
    tick(c, 0);
    int answer = 1;
    Panels::setTestHook([&](const PanelRequest&) { return answer; });
    c.deleteSelection();
    EXPECT_EQ(c.pictureList().size(), 3u) << "declined";

    answer = 0;
    c.deleteSelection();
    EXPECT_EQ(namesOf(c.pictureList()), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_TRUE(c.selectedPictureName().isEmpty());
    c.outlets()->picturesTableView->selectRow(0);
    c.deleteSelection();
    Panels::clearTestHook();
    EXPECT_EQ(namesOf(c.pictureList()), QStringList{QStringLiteral("C")});
    EXPECT_EQ(FileManager::contentsOfDirectoryAtPath(folder()),
              QStringList{QStringLiteral("c.ftoct")});
}

TEST_F(ControllerTest, ExportNeedsAHighlightedDocumentAndWritesTheChosenFile) {
    writeDocument(QStringLiteral("a.ftoct"), QStringLiteral("Alpha"));
    Controller c;
    // Export and copy need a highlighted document; the library has no text to edit; the
    // rest are always on.
    const Ui::MainWindow& ui = *c.outlets();
    const QList<QAction*> neverOn{ui.undoMenu, ui.redoMenu, ui.cutMenu, ui.pasteMenu,
                                  ui.selectAllMenu};
    const auto enabledItems = [&] {
        QStringList on;
        for (QMenu* menu : {ui.fileMenu, ui.editMenu, ui.windowMenu, ui.helpMenu}) {
            for (QAction* item : menu->actions()) {
                if (!item->isSeparator() && item->isEnabled()) {
                    on << item->objectName();
                }
            }
        }
        return on;
    };
    QStringList alwaysOn;
    for (QMenu* menu : {ui.fileMenu, ui.editMenu, ui.windowMenu, ui.helpMenu}) {
        for (QAction* item : menu->actions()) {
            if (!item->isSeparator() && !neverOn.contains(item) && item != ui.exportMenu &&
                item != ui.copyMenu) {
                alwaysOn << item->objectName();
            }
        }
    }
    ASSERT_GE(alwaysOn.size(), 11);
    c.outlets()->picturesTableView->clearSelection();
    EXPECT_EQ(enabledItems(), alwaysOn);
    tick(c, 0);
    QStringList withRow = enabledItems();
    EXPECT_TRUE(withRow.removeOne(QStringLiteral("exportMenu")));
    EXPECT_TRUE(withRow.removeOne(QStringLiteral("copyMenu")));
    EXPECT_EQ(withRow, alwaysOn);

    Panels::setTestHook([&](const PanelRequest& request) {
        if (request.kind == PanelRequest::Kind::Save) {
            *request.chosenPath = home.filePath(QStringLiteral("out.tif"));
        }
        return 0;
    });
    c.exportSelection();
    Panels::clearTestHook();
    // The options panel's own choices decide the format; one file, named after the choice.
    const QStringList written =
        FileManager::contentsOfDirectoryAtPath(home.path()).filter(QStringLiteral("out."));
    ASSERT_EQ(written.size(), 1);
    EXPECT_NE(QImageReader(home.filePath(written.first())).size(), QSize());
}

TEST_F(ControllerTest, ExportOntoADocumentsPictureSaysSoAndWritesNothing) {
    QDir().mkpath(folder());
    Fotino alpha;
    alpha.setName(QStringLiteral("Alpha"));
    alpha.setImageName(QStringLiteral("Alpha.jpg"));
    ASSERT_TRUE(alpha.saveToFile(QDir(folder()).filePath(QStringLiteral("Alpha.ftoct"))));
    const QString picture = QDir(folder()).filePath(QStringLiteral("Alpha.jpg"));
    ASSERT_TRUE(FileManager::createFileAtPath(picture, "the only copy"));
    Controller c;
    tick(c, 0);
    QStringList alerts;
    QString offeredName;
    Panels::setTestHook([&](const PanelRequest& request) {
        if (request.kind == PanelRequest::Kind::Save) {
            offeredName = request.fileName;
            // JPEG is the panel's format: "Alpha" becomes Alpha.jpg.
            *request.chosenPath = QDir(folder()).filePath(QStringLiteral("Alpha"));
        } else if (request.kind == PanelRequest::Kind::Alert) {
            alerts << request.message;
        }
        return 0;
    });
    c.exportSelection();
    Panels::clearTestHook();
    EXPECT_EQ(offeredName, QStringLiteral("Alpha")) << "the panel offers the document's name";
    EXPECT_EQ(alerts, QStringList{QStringLiteral("“Alpha.jpg” is a file of a photo document. An "
                                                 "export cannot replace it: choose another name "
                                                 "or folder.")});
    EXPECT_EQ(FileManager::contentsAtPath(picture), QByteArray("the only copy"));
}

TEST_F(ControllerTest, TheSizeLimitOfTheOptionsReachesTheExport) {
    QDir().mkpath(folder());
    QImage noise(600, 600, QImage::Format_RGB888);
    QRandomGenerator random(3);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.bytesPerLine(); ++x) {
            noise.scanLine(y)[x] = static_cast<uchar>(random.bounded(256));
        }
    }
    Fotino busy;
    documenttest::framePicture(busy, folder(), QStringLiteral("Busy"), noise, 100);
    ASSERT_TRUE(busy.saveToFile());
    Controller c;
    tick(c, 0);
    Ui::ImageOptions* options = ImageOptions::sharedImageOptions()->outlets();
    options->formatPopup->setCurrentIndex(options->formatPopup->findData(DocumentExport::JPEG));
    const QString target = home.filePath(QStringLiteral("portal.jpg"));
    QStringList alerts;
    Panels::setTestHook([&](const PanelRequest& request) {
        if (request.kind == PanelRequest::Kind::Save) {
            *request.chosenPath = target;
        } else if (request.kind == PanelRequest::Kind::Alert) {
            alerts << request.message;
        }
        return 0;
    });
    options->maxSizeField->setText(QStringLiteral("2"));
    c.exportSelection();
    EXPECT_EQ(alerts, QStringList{QStringLiteral(
                          "The photo does not fit in 2 KB, even at the lowest JPEG quality. "
                          "Nothing was written: allow a larger file or choose a smaller size in "
                          "pixels.")});
    EXPECT_FALSE(FileManager::fileExistsAtPath(target));

    alerts.clear();
    options->maxSizeField->setText(QStringLiteral("150"));
    c.exportSelection();
    options->maxSizeField->clear();
    Panels::clearTestHook();
    EXPECT_TRUE(alerts.isEmpty());
    // The noise at 300 dpi takes far more than 150 KB at the panel's quality of 90.
    EXPECT_LE(QFileInfo(target).size(), 150'000);
    EXPECT_GT(QFileInfo(target).size(), 50'000);
}

TEST_F(ControllerTest, PrintingWithNothingTickedOpensAnEmptySheetAndSaysSo) {
    writeDocument(QStringLiteral("a.ftoct"), QStringLiteral("Alpha"));
    Controller c;
    QStringList alerts;
    Panels::setTestHook([&](const PanelRequest& request) {
        alerts << request.message;
        return 0;
    });
    c.printSelection();
    Panels::clearTestHook();
    ASSERT_TRUE(c.layoutWindow());
    EXPECT_TRUE(c.layoutWindow()->isVisible());
    EXPECT_TRUE(c.layoutWindow()->pageLayout()->printLayout()->fotinos().empty());
    EXPECT_EQ(alerts,
              QStringList{QStringLiteral(
                  "No photo is ticked. Tick the photos you want to print in the library window.")});

    // Once open, a new tick reaches the preview at once, rendered afresh.
    tick(c, 0);
    const auto& shown = c.layoutWindow()->pageLayout()->printLayout()->fotinos();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->name(), QStringLiteral("Alpha"));
    EXPECT_TRUE(shown[0]->hasCachedImage());
    c.layoutWindow()->close();
}

TEST_F(ControllerTest, ClosingTheMainWindowQuitsAndWritesTheDefaults) {
    Controller c;
    EXPECT_TRUE(Controller::metric()) << "the first start's unit";
    c.mainWindow()->show();
    QTimer::singleShot(0, c.mainWindow(), [&c] { c.mainWindow()->close(); });
    // Watchdog: a window that does not quit fails instead of hanging.
    bool timedOut = false;
    QTimer::singleShot(10000, qApp, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    const QSettings onDisk(Controller::ud().filePath(), QSettings::IniFormat);
    EXPECT_EQ(onDisk.value(QStringLiteral("ftoPath")).toString(), folder());
    EXPECT_EQ(onDisk.value(QStringLiteral("ftoUnits")).toString(), QStringLiteral("Metric"));
}

TEST_F(ControllerTest, EditorsOpenOnTheHighlightedDocumentAndOnFilesGiven) {
    writeDocument(QStringLiteral("Visa.ftoct"), QStringLiteral("Visa"));
    Controller c;
    EXPECT_EQ(c.editPicture(), nullptr);
    c.outlets()->picturesTableView->selectRow(0);
    QPointer<PictureSettingsWindow> edit = c.editPicture();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->outlets()->nameField->text(), QStringLiteral("Visa"));
    // A picture given on the command line: a new editor named after it.
    QImage picture(40, 50, QImage::Format_RGB888);
    picture.fill(Qt::gray);
    const QString path = home.filePath(QStringLiteral("Summer 2026.png"));
    ASSERT_TRUE(picture.save(path));
    QPointer<PictureSettingsWindow> fromFile = c.openFile(path);
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->outlets()->nameField->text(), QStringLiteral("Summer 2026"));
    EXPECT_TRUE(fromFile->fotino()->originalPictureSource());
    QPointer<PictureSettingsWindow> document = c.openFile(folder() + QStringLiteral("Visa.ftoct"));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->outlets()->nameField->text(), QStringLiteral("Visa"));
    for (const auto& window : {edit, fromFile, document}) {
        delete window.data();
    }
}

TEST_F(ControllerTest, CopyPutsTheHighlightedPhotoOnTheClipboard) {
    writeDocument(QStringLiteral("Visa.ftoct"), QStringLiteral("Visa"));
    Controller c;
    QGuiApplication::clipboard()->clear();
    c.outlets()->picturesTableView->clearSelection();
    c.outlets()->copyMenu->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    c.outlets()->picturesTableView->selectRow(0);
    c.outlets()->copyMenu->trigger();
    // 3.5 x 4.5 cm at 300 dots per inch.
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(413, 531));
}

TEST_F(ControllerTest, HelpOpensTheWebSite) {
    OpenedUrls opened;
    Controller c;
    ASSERT_TRUE(c.outlets()->helpMenuItem->isEnabled());
    c.outlets()->helpMenuItem->trigger();
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl(VersionChecker::kWebSite)});
}

// Return opens the highlighted photo in an editor, Space ticks it.
TEST_F(ControllerTest, TheTableWorksFromTheKeyboard) {
    writeDocument(QStringLiteral("Visa.ftoct"), QStringLiteral("Visa"));
    Controller c;
    c.mainWindow()->show();
    c.mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c.mainWindow()));
    PictureTableView* table = c.outlets()->picturesTableView;
    table->setFocus();
    // On the name, where the table alone would not tick.
    table->setCurrentIndex(table->model()->index(0, PictureListModel::NameColumn));
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_TRUE(ticked(c, 0));
    EXPECT_EQ(namesOf(c.selectedPictureList()), QStringList{QStringLiteral("Visa")});

    const auto editors = [] {
        QList<PictureSettingsWindow*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<PictureSettingsWindow*>(window)) {
                found << editor;
            }
        }
        return found;
    };
    const auto before = editors();
    QTest::keyClick(table, Qt::Key_Return);
    QList<PictureSettingsWindow*> opened = editors();
    for (PictureSettingsWindow* editor : before) {
        opened.removeAll(editor);
    }
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first()->outlets()->nameField->text(), QStringLiteral("Visa"));
    delete opened.first();
    c.mainWindow()->hide();
}

} // namespace
