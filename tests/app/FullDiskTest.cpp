// A disk that fills up: saves, imports, exports, preset saves and printing to PDF fail with a
// message that says so, and every file already there keeps its bytes. Each case runs on
// FileManager's seam, and again on a real small tmpfs where the machine lets the test mount one.

#include "app/BatchImport.h"
#include "app/CommandLine.h"
#include "app/Controller.h"
#include "app/PictureListModel.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentExport.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/platform/FileManager.h"
#include "core/platform/StringTable.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "core/printing/PrintSheet.h"
#include "support/DocumentTestSupport.h"
#include "support/QtPrinters.h"
#include "support/RecordedPanels.h"
#include "support/SmallDisk.h"
#include "support/TemporaryHome.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/presets/PresetEditor.h"
#include "ui/printing/PageLayout.h"
#include "ui/printing/PageLayoutWindow.h"
#include "ui/printing/PrintLayout.h"
#include "ui_MainWindow.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Kind = SmallDisk::Kind;

QString alertText(const char* key) {
    return StringTable::localizedString(QString::fromLatin1(key));
}

// Noise does not compress: the file is as large as its pixels.
QByteArray noisePng(quint32 seed, int side) {
    QImage image(side, side, QImage::Format_RGB888);
    QRandomGenerator random(seed);
    for (int y = 0; y < side; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < side * 3; ++x) {
            row[x] = static_cast<uchar>(random.bounded(256));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The room a case leaves for a write of that many bytes: none, and half of it, where the write
// breaks off half-way.
struct Room {
    const char* name;
    qint64 bytes;
};
std::vector<Room> roomsFor(qint64 bytes) {
    return {{"none", 0}, {"half", bytes / 2}};
}

class FullDisk : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override {
        if (!disk.usable()) {
            GTEST_SKIP() << "no tmpfs can be mounted here; the seam covers the case";
        }
        documents = disk.filePath(QStringLiteral("Documents"));
        ASSERT_TRUE(QDir().mkpath(documents));
        UserDefaults& defaults = UserDefaults::standardUserDefaults();
        defaults.setObject(documents, DocumentLibrary::kPathKey);
        defaults.setObject(DisplayUnits::kMetric, DocumentLibrary::kUnitsKey);
    }
    void TearDown() override {
        UserDefaults::standardUserDefaults().removeObjectForKey(DocumentLibrary::kPathKey);
    }

    // A picture outside the disk.
    QString picture(const QString& name, quint32 seed, int side = 200) {
        const QString path = home.filePath(name);
        EXPECT_TRUE(FileManager::createFileAtPath(path, noisePng(seed, side)));
        return path;
    }
    // The document "Visa" saved with a picture, as the editor saves it.
    std::shared_ptr<Fotino> savedVisa() {
        auto document = std::make_shared<Fotino>();
        EXPECT_EQ(DocumentStorage::saveAs(*document, documents, QString(),
                                          picture(QStringLiteral("a.png"), 1),
                                          {QStringLiteral("Visa"), 3.5f, 4.5f, true}),
                  DocumentStorage::SaveResult::Saved);
        return document;
    }

    // The command line run with the disk full.
    struct Ran {
        int code;
        QString out;
        QString err;
    };
    Ran runOnFullDisk(const QStringList& words) {
        Ran ran{0, {}, {}};
        QTextStream out(&ran.out);
        QTextStream err(&ran.err);
        disk.leaveRoom(0);
        ran.code = CommandLine::run(QStringList{QStringLiteral("fotino")} + words, out, err);
        disk.makeRoom();
        out.flush();
        err.flush();
        return ran;
    }

    TemporaryHome home;
    SmallDisk disk{GetParam()};
    QString documents;
    RecordedPanels panels;
};

TEST_P(FullDisk, ASaveLeavesTheDocumentAndItsPictureAsTheyWere) {
    const auto visa = savedVisa();
    const QString newPicture = picture(QStringLiteral("b.png"), 2);
    const qint64 pictureBytes = QFileInfo(newPicture).size();
    const auto before = disk.contents();
    // The picture copy and then the document are written: the room runs out in the picture,
    // or in the document once the picture is complete.
    std::vector<Room> rooms = roomsFor(pictureBytes);
    rooms.push_back({"picture", pictureBytes + 4096});
    for (const Room& room : rooms) {
        // A new picture under the same name, and the same picture under a new name.
        for (const char* name : {"Visa", "Permit"}) {
            const bool renamed = QLatin1String(name) == QLatin1String("Permit");
            auto opened = DocumentStorage::open(visa->filePath());
            ASSERT_TRUE(opened.loaded);
            disk.leaveRoom(room.bytes);
            const auto result =
                DocumentStorage::saveAs(*opened.document, documents, opened.previousPath,
                                        renamed ? opened.picturePath : newPicture,
                                        {QString::fromLatin1(name), 3.5f, 4.5f, true});
            disk.makeRoom();
            EXPECT_EQ(result, DocumentStorage::SaveResult::WriteFailed) << room.name << " " << name;
            EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::DiskFull);
            EXPECT_EQ(disk.contents(), before) << room.name << " " << name;
        }
    }
    // Once there is room again the same save goes through.
    auto opened = DocumentStorage::open(visa->filePath());
    ASSERT_EQ(DocumentStorage::saveAs(*opened.document, documents, opened.previousPath, newPicture,
                                      {QStringLiteral("Visa"), 3.5f, 4.5f, true}),
              DocumentStorage::SaveResult::Saved);
    EXPECT_EQ(FileManager::contentsAtPath(opened.document->originalPicturePath()),
              FileManager::contentsAtPath(newPicture));
}

TEST_P(FullDisk, TheEditorSaysTheDiskIsFullAndKeepsItsChanges) {
    savedVisa();
    const auto before = disk.contents();
    QPointer<PictureSettingsWindow> editor = PictureSettingsWindow::pictureSettingsWindowWithPath(
        QDir(documents).filePath(QStringLiteral("Visa.ftoct")));
    editor->loadImage(picture(QStringLiteral("c.png"), 3));
    disk.leaveRoom(0);
    EXPECT_FALSE(editor->saveAs());
    disk.makeRoom();
    EXPECT_EQ(
        panels.alertMessages(),
        QStringList{alertText("saveFailedDiskFull").arg(QDir::toNativeSeparators(documents))});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(disk.contents(), before);
    delete editor.data();
}

TEST_P(FullDisk, AnExportLeavesThePreviousFileAndSaysWhy) {
    const auto visa = savedVisa();
    const QString target = disk.filePath(QStringLiteral("photo"));
    const QVariantMap options{{DocumentExport::kFormat, DocumentExport::PNG},
                              {DocumentExport::kResolution, 300},
                              {DocumentExport::kFilename, target}};
    ASSERT_EQ(DocumentExport::exportFotino(*visa, options), DocumentExport::Result::Written);
    const auto before = disk.contents();
    for (const Room& room : roomsFor(QFileInfo(target + QStringLiteral(".png")).size())) {
        disk.leaveRoom(room.bytes);
        EXPECT_EQ(DocumentExport::exportFotino(*visa, options), DocumentExport::Result::WriteFailed)
            << room.name;
        EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::DiskFull);
        disk.makeRoom();
        EXPECT_EQ(disk.contents(), before) << room.name;
    }

    // On the command line.
    const Ran exported =
        runOnFullDisk({QStringLiteral("export"), visa->filePath(), QStringLiteral("-o"), target});
    EXPECT_EQ(exported.code, CommandLine::Failure);
    EXPECT_EQ(exported.err,
              QStringLiteral("fotino: cannot write %1.png: the disk is full\n").arg(target));

    // From the library window, to the same file.
    Controller c;
    QAbstractItemModel* model = c.outlets()->picturesTableView->model();
    model->setData(model->index(0, PictureListModel::SelectionColumn), Qt::Checked,
                   Qt::CheckStateRole);
    ASSERT_TRUE(c.selectedItem());
    Panels::setTestHook([&](const PanelRequest& request) {
        if (request.kind == PanelRequest::Kind::Save) {
            auto* format = request.accessory->findChild<QComboBox*>(QStringLiteral("formatPopup"));
            format->setCurrentIndex(format->findData(DocumentExport::PNG));
            *request.chosenPath = target;
        } else {
            panels.requests.push_back(request);
        }
        return 0;
    });
    disk.leaveRoom(0);
    c.exportSelection();
    disk.makeRoom();
    EXPECT_EQ(panels.alertMessages(),
              QStringList{alertText("exportDiskFull").arg(QStringLiteral("photo.png"))});
    EXPECT_EQ(disk.contents(), before);
}

TEST_P(FullDisk, APresetSaveLeavesThePreviousFileAndSaysWhy) {
    qputenv("XDG_DATA_HOME", disk.path().toUtf8());
    auto preset = Preset::defaultPreset();
    preset->setName(QStringLiteral("Mine"));
    ASSERT_TRUE(preset->save());
    const auto before = disk.contents();
    for (const Room& room : roomsFor(QFileInfo(preset->filePath()).size())) {
        preset->setPrintWidth(4, 5);
        disk.leaveRoom(room.bytes);
        EXPECT_FALSE(preset->save()) << room.name;
        EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::DiskFull);
        disk.makeRoom();
        EXPECT_EQ(disk.contents(), before) << room.name;
    }

    QPointer<PresetEditor> editor =
        PresetEditor::editor(AbstractResource::initWithPath<Preset>(preset->filePath()));
    disk.leaveRoom(0);
    EXPECT_FALSE(editor->save());
    disk.makeRoom();
    EXPECT_EQ(panels.alertMessages(),
              QStringList{alertText("presetNotSavedDiskFull").arg(Preset::userPresetsPath())});
    EXPECT_EQ(disk.contents(), before);
    delete editor.data();
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
}

TEST_P(FullDisk, PrintingToPdfLeavesThePreviousFileAndSaysWhy) {
    const auto visa = savedVisa();
    const QString pdf = disk.filePath(QStringLiteral("sheet.pdf"));
    PrintSheet sheet;
    sheet.setPage(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()), true);
    sheet.setFotinos({visa});
    sheet.setCount(4);
    ASSERT_TRUE(sheet.writePDF(pdf));
    const auto before = disk.contents();
    for (const Room& room : roomsFor(QFileInfo(pdf).size())) {
        disk.leaveRoom(room.bytes);
        EXPECT_FALSE(sheet.writePDF(pdf)) << room.name;
        EXPECT_EQ(FileManager::lastWriteError(), FileManager::WriteError::DiskFull);
        disk.makeRoom();
        EXPECT_EQ(disk.contents(), before) << room.name;
    }

    const Ran printed =
        runOnFullDisk({QStringLiteral("print"), visa->filePath(), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(printed.code, CommandLine::Failure);
    EXPECT_EQ(printed.err, QStringLiteral("fotino: cannot write %1: the disk is full\n").arg(pdf));

    PageLayoutWindow* window = PageLayoutWindow::layoutWindow();
    window->pageLayout()->printLayout()->setFotinos({visa});
    Panels::setTestHook([&](const PanelRequest& request) {
        if (request.kind == PanelRequest::Kind::Print) {
            request.printer->setOutputFormat(QPrinter::PdfFormat);
            request.printer->setOutputFileName(pdf);
        } else {
            panels.requests.push_back(request);
        }
        return 0;
    });
    disk.leaveRoom(0);
    EXPECT_FALSE(window->print());
    disk.makeRoom();
    EXPECT_EQ(panels.alertMessages(),
              QStringList{alertText("printDiskFull").arg(QStringLiteral("sheet.pdf"))});
    EXPECT_EQ(disk.contents(), before);
    window->close();
}

TEST_P(FullDisk, ImportingPicturesStopsAtTheFirstThatDoesNotFitAndSaysWhy) {
    const QStringList pictures = {picture(QStringLiteral("a.png"), 1),
                                  picture(QStringLiteral("b.png"), 2),
                                  picture(QStringLiteral("c.png"), 3)};
    const auto presets = Preset::presets();
    ASSERT_FALSE(presets.empty());
    const auto before = disk.contents();

    QWidget window;
    BatchImport import(pictures, *presets.front(), false, documents, &window);
    bool finished = false;
    QObject::connect(&import, &BatchImport::finished, [&finished] { finished = true; });
    disk.leaveRoom(0);
    import.start();
    ASSERT_TRUE(QTest::qWaitFor([&finished] { return finished; }, 60000));
    disk.makeRoom();
    const BatchImport::Summary summary = import.summary();
    EXPECT_EQ(summary.message, QStringLiteral("Documents made: 0 of 3."));
    EXPECT_EQ(summary.informativeText, alertText("batchFailed") + QStringLiteral("\n• a.png (") +
                                           alertText("batchDiskFull") + QStringLiteral(")"));
    EXPECT_EQ(disk.contents(), before);

    const Ran made = runOnFullDisk(QStringList{QStringLiteral("new")} + pictures +
                                   QStringList{QStringLiteral("--preset"), presets.front()->name(),
                                               QStringLiteral("--folder"), documents});
    EXPECT_EQ(made.code, CommandLine::Failure);
    EXPECT_EQ(made.out, QString());
    EXPECT_EQ(made.err,
              QStringLiteral("fotino: cannot write %1: the disk is full\n").arg(documents));
    EXPECT_EQ(disk.contents(), before);
}

INSTANTIATE_TEST_SUITE_P(Disks, FullDisk, ::testing::Values(Kind::Seam, Kind::Tmpfs),
                         [](const ::testing::TestParamInfo<Kind>& info) {
                             return info.param == Kind::Seam ? std::string("Seam")
                                                             : std::string("Tmpfs");
                         });

} // namespace
