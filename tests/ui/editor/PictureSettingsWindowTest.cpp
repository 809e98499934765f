#include "ui/editor/PictureSettingsWindow.h"
#include "core/analysis/FaceFinder.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/imaging/ImagePrintSpecs.h"
#include "core/platform/FileManager.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/StringTable.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "support/ImageTestSupport.h"
#include "support/QtPrinters.h"
#include "support/RecordedPanels.h"
#include "support/TemporaryHome.h"
#include "ui/editor/FileDragAndDropCell.h"
#include "ui/editor/PictureView.h"
#include "ui/presets/PresetEditor.h"
#include "ui_PictureSettingsWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

namespace {

class PictureSettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { setMetric(true); }
    void TearDown() override {
        for (const QPointer<PictureSettingsWindow>& editor : editors) {
            delete editor.data();
        }
    }

    static void setMetric(bool metric) {
        UserDefaults::standardUserDefaults().setObject(
            metric ? DisplayUnits::kMetric : QStringLiteral("Inches"), DocumentLibrary::kUnitsKey);
    }

    PictureSettingsWindow* newEditor() {
        PictureSettingsWindow* editor = PictureSettingsWindow::pictureSettingsWindow();
        editor->resize(900, 600);
        editors.emplace_back(editor);
        return editor;
    }
    PictureSettingsWindow* editorOn(const QString& path) {
        PictureSettingsWindow* editor = PictureSettingsWindow::pictureSettingsWindowWithPath(path);
        editor->resize(900, 600);
        editors.emplace_back(editor);
        return editor;
    }

    // A picture file of one colour, or with a left half of another, at 72 dpi.
    QString picture(const QString& name, QSize size, QColor colour = QColor(200, 120, 60)) {
        QImage image(size, QImage::Format_RGB888);
        image.fill(colour);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        const QString path = home.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QString folder() const {
        return DocumentLibrary::documentsFolder(UserDefaults::standardUserDefaults());
    }
    QStringList alertMessages() const { return panels.alertMessages(); }

    TemporaryHome home;
    RecordedPanels panels;
    std::vector<PanelRequest>& asked = panels.requests;
    int& answer = panels.answer;
    std::vector<QPointer<PictureSettingsWindow>> editors;
};

TEST_F(PictureSettingsWindowTest, APictureGivenToANewEditorShowsInTheFramingView) {
    PictureSettingsWindow* editor = newEditor();
    editor->setDocumentName(QString());
    editor->loadImage(picture(QStringLiteral("Holiday.png"), QSize(300, 400)));
    EXPECT_EQ(editor->outlets()->nameField->text(), QStringLiteral("Holiday"));
    editor->outlets()->displayFaceFrameSwitch->setChecked(false);
    const QImage shown = editor->pictureView()->grab().toImage();

    const QColor centre = shown.pixelColor(shown.width() / 3, shown.height() / 2);
    EXPECT_NEAR(centre.red(), 200, 3);
    EXPECT_NEAR(centre.green(), 120, 3);
    EXPECT_TRUE(editor->fotino()->coverFrame(QRectF(QPointF(0, 0), editor->pictureView()->size())));
}

QString alertText(const char* key) {
    return StringTable::localizedString(QString::fromLatin1(key));
}

TEST_F(PictureSettingsWindowTest, ANewEditorShowsTheFirstPresetAndNoWarning) {
    PictureSettingsWindow* editor = newEditor();
    const auto first = Preset::presets().front();
    EXPECT_EQ(editor->outlets()->nameField->text(), alertText("untitled"));
    EXPECT_EQ(editor->outlets()->presetsPopup->currentText(), first->name());
    EXPECT_EQ(editor->fotino()->widthInCm(), first->printWidth());
    EXPECT_EQ(editor->outlets()->frameWidth->text(), QStringLiteral("3.5"));
    EXPECT_EQ(editor->outlets()->frameHeight->text(), QStringLiteral("4.5"));
    const QSize view = editor->pictureView()->size();
    EXPECT_NEAR(double(view.width()) / view.height(), 3.5 / 4.5, 0.01);
    editor->enableWarning();
    EXPECT_FALSE(editor->warningOn());
    EXPECT_TRUE(editor->isPolling());
}

TEST_F(PictureSettingsWindowTest, ADroppedPictureNamesOnlyAnEmptyNameField) {
    PictureSettingsWindow* editor = newEditor();
    editor->setDocumentName(QStringLiteral("Passport"));
    editor->loadImage(picture(QStringLiteral("IMG_0001.jpg"), QSize(300, 400)));
    EXPECT_EQ(editor->outlets()->nameField->text(), QStringLiteral("Passport"));
    editor->setDocumentName(QString());
    editor->loadImage(picture(QStringLiteral("Card no. 2.png"), QSize(300, 400)));
    EXPECT_EQ(editor->outlets()->nameField->text(), QStringLiteral("Card no. 2"));
}

TEST_F(PictureSettingsWindowTest, AFileThatIsNoPictureKeepsThePreviousOne) {
    PictureSettingsWindow* editor = newEditor();
    const QString good = picture(QStringLiteral("Good.png"), QSize(300, 400));
    editor->loadImage(good);
    const QString text = home.filePath(QStringLiteral("notes.txt"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    // Through the drop target, as a user would.
    editor->dragCell()->setOwner(editor);
    editor->loadImage(text);
    EXPECT_EQ(alertMessages().last(),
              alertText("unreadablePicture").arg(QStringLiteral("notes.txt")));
    ASSERT_NE(editor->fotino()->originalPictureSource(), nullptr);
    EXPECT_EQ(editor->fotino()->originalPictureSource()->imagePath(), good);
    EXPECT_FALSE(editor->outlets()->pictureDropView->pixmap().isNull());
    // Saving copies the picture that is shown, not the text.
    editor->setDocumentName(QStringLiteral("Kept"));
    ASSERT_TRUE(editor->saveAs());
    EXPECT_TRUE(QFile::exists(QDir(folder()).filePath(QStringLiteral("Kept.png"))));
    EXPECT_FALSE(QFile::exists(QDir(folder()).filePath(QStringLiteral("Kept.txt"))));
}

TEST_F(PictureSettingsWindowTest, InchesAreShownAndCentimetresStored) {
    setMetric(false);
    PictureSettingsWindow* editor = newEditor();
    EXPECT_EQ(editor->outlets()->frameWidth->text(), QStringLiteral("1.38"));
    EXPECT_EQ(editor->outlets()->frameHeight->text(), QStringLiteral("1.77"));
    EXPECT_EQ(editor->outlets()->widthUnit->text(), alertText("inchesUnit"));
    editor->setDocumentName(QStringLiteral("Inches"));
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400)));
    ASSERT_TRUE(editor->saveAs());
    const auto saved =
        Fotino::initWithPath(QDir(folder()).filePath(QStringLiteral("Inches.ftoct")));
    ASSERT_TRUE(saved);
    EXPECT_FLOAT_EQ(saved->widthInCm(), 3.5f);
    EXPECT_FLOAT_EQ(saved->heightInCm(), 4.5f);
}

TEST_F(PictureSettingsWindowTest, WrongSizesAreRefusedWithTheFieldMarked) {
    PictureSettingsWindow* editor = newEditor();
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400)));
    for (const QString& wrong : {QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("abc"),
                                 QString(), QStringLiteral("101")}) {
        editor->outlets()->frameWidth->setText(wrong);
        EXPECT_FALSE(editor->saveAs()) << wrong.toStdString();
        EXPECT_TRUE(editor->outlets()->frameWidth->property("invalid").toBool());
        EXPECT_EQ(alertMessages().last(), alertText("badFrameSize"));
    }
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files).isEmpty());
    // Both decimal signs are read.
    editor->outlets()->frameWidth->setText(QStringLiteral("3,8"));
    editor->outlets()->frameHeight->setText(QStringLiteral("4.8"));
    editor->setDocumentName(QStringLiteral("Sized"));
    ASSERT_TRUE(editor->saveAs());
    const auto saved = Fotino::initWithPath(QDir(folder()).filePath(QStringLiteral("Sized.ftoct")));
    ASSERT_TRUE(saved);
    EXPECT_FLOAT_EQ(saved->widthInCm(), 3.8f);
    EXPECT_FLOAT_EQ(saved->heightInCm(), 4.8f);
}

TEST_F(PictureSettingsWindowTest, ProportionsFollowThePresetInsideTheContainer) {
    auto landscape = Preset::defaultPreset();
    landscape->setName(QStringLiteral("Wide"));
    landscape->setPrintWidth(6, 4);
    auto square = Preset::defaultPreset();
    square->setName(QStringLiteral("Square"));
    square->setPrintWidth(5, 5);
    PictureSettingsWindow* editor = newEditor();
    const QRect box = editor->outlets()->containerView->rect();
    editor->applyPreset(*landscape);
    QRect view = editor->pictureView()->geometry();
    EXPECT_EQ(view.width(), box.width());
    EXPECT_NEAR(view.top(), (box.height() - box.width() * 4 / 6) / 2, 1);
    editor->applyPreset(*square);
    view = editor->pictureView()->geometry();
    EXPECT_EQ(view.width(), view.height());
    EXPECT_EQ(view.width(), std::min(box.width(), box.height()));
    EXPECT_NEAR(view.center().x(), box.center().x(), 1);
    EXPECT_NEAR(view.center().y(), box.center().y(), 1);
}

TEST_F(PictureSettingsWindowTest, APresetWithoutMaskLeavesTheDocumentWithout) {
    PictureSettingsWindow* editor = newEditor();
    ASSERT_TRUE(editor->fotino()->mask());
    auto plain = Preset::defaultPreset();
    plain->setName(QStringLiteral("Plain"));
    editor->applyPreset(*plain);
    EXPECT_FALSE(editor->fotino()->mask());
    // Nor the rules of the previous format.
    editor->fotino()->setObject(QVariantMap{{QStringLiteral("headMin"), 32.0}},
                                AttributeKeys::kPresetRules);
    editor->applyPreset(*plain);
    EXPECT_FALSE(editor->fotino()->objectForKey(AttributeKeys::kPresetRules).isValid());
    EXPECT_EQ(editor->fotino()->stringForKey(AttributeKeys::kPresetUUID), plain->uuid());
    EXPECT_NE(editor->fotino()->fileType(), Preset::kFileType);
}

TEST_F(PictureSettingsWindowTest, SavingUnderAnotherDocumentsNameAsksAndCancelWritesNothing) {
    QDir().mkpath(folder());
    {
        PictureSettingsWindow* first = newEditor();
        first->setDocumentName(QStringLiteral("Taken"));
        first->loadImage(picture(QStringLiteral("a.png"), QSize(300, 400), Qt::red));
        ASSERT_TRUE(first->saveAs());
    }
    const QByteArray before =
        *FileManager::contentsAtPath(QDir(folder()).filePath(QStringLiteral("Taken.ftoct")));
    PictureSettingsWindow* second = newEditor();
    second->setDocumentName(QStringLiteral("Taken"));
    second->loadImage(picture(QStringLiteral("b.png"), QSize(300, 400), Qt::blue));
    asked.clear();
    answer = 1; // Cancel
    EXPECT_FALSE(second->saveAs());
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().title, alertText("FileExists"));
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(*FileManager::contentsAtPath(QDir(folder()).filePath(QStringLiteral("Taken.ftoct"))),
              before);
}

TEST_F(PictureSettingsWindowTest, ReopenedSavedUnderItsOwnNameOrRenamed) {
    PictureSettingsWindow* editor = newEditor();
    editor->setDocumentName(QStringLiteral("Anna"));
    editor->loadImage(picture(QStringLiteral("anna.jpg"), QSize(300, 400)));
    ASSERT_TRUE(editor->saveAs());
    const QDir dir(folder());
    PictureSettingsWindow* again = editorOn(dir.filePath(QStringLiteral("Anna.ftoct")));
    EXPECT_EQ(again->outlets()->nameField->text(), QStringLiteral("Anna"));
    asked.clear();
    ASSERT_TRUE(again->saveAs());
    EXPECT_TRUE(alertMessages().isEmpty());
    // Renamed: only the new name's files remain, the picture with them.
    PictureSettingsWindow* renamed = editorOn(dir.filePath(QStringLiteral("Anna.ftoct")));
    renamed->setDocumentName(QStringLiteral("Anna B."));
    ASSERT_TRUE(renamed->saveAs());
    EXPECT_EQ(dir.entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Anna B..ftoct"), QStringLiteral("Anna B..jpg")}));
    const auto saved = Fotino::initWithPath(dir.filePath(QStringLiteral("Anna B..ftoct")));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->name(), QStringLiteral("Anna B."));
    EXPECT_EQ(saved->imageName(), QStringLiteral("Anna B..jpg"));
}

TEST_F(PictureSettingsWindowTest, ASaveThatCannotWriteKeepsTheWindowAndItsChanges) {
    // A folder where the document file must go: no one, not even root, can write it.
    QDir().mkpath(QDir(folder()).filePath(QStringLiteral("Locked.ftoct")));
    PictureSettingsWindow* editor = newEditor();
    editor->setDocumentName(QStringLiteral("Locked"));
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400)));
    editor->outlets()->gammaSlider->setValue(30);
    EXPECT_FALSE(editor->saveAs());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(alertMessages().last(),
              alertText("saveFailed").arg(QDir::toNativeSeparators(folder())));
    EXPECT_EQ(editor->fotino()->gamma(), 30);
    EXPECT_EQ(editor->outlets()->nameField->text(), QStringLiteral("Locked"));
    EXPECT_TRUE(editor->isPolling());
}

TEST_F(PictureSettingsWindowTest, TheCloseBoxAsksAndCancelClosesWithoutSaving) {
    QPointer<PictureSettingsWindow> editor = newEditor();
    editor->show();
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400)));
    answer = 1;
    editor->close();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().title, alertText("save"));
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->isPolling());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_FALSE(QDir(folder()).exists() && !QDir(folder()).entryList(QDir::Files).isEmpty());
}

TEST_F(PictureSettingsWindowTest, TheWarningFollowsCoverageWithinASecond) {
    PictureSettingsWindow* editor = newEditor();
    editor->show();
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400)));
    QTest::qWait(1100);
    EXPECT_FALSE(editor->warningOn());
    editor->outlets()->sizeSlider->setValue(editor->outlets()->sizeSlider->value() - 200);
    QTest::qWait(1100);
    EXPECT_TRUE(editor->warningOn());
    EXPECT_EQ(editor->outlets()->warningTextField->text(), alertText("WARNING_IMAGE_NOT_COVERING"));
    editor->outlets()->sizeSlider->setValue(editor->outlets()->sizeSlider->value() + 200);
    QTest::qWait(1100);
    EXPECT_FALSE(editor->warningOn());
    EXPECT_TRUE(editor->outlets()->warningTextField->text().isEmpty());
}

TEST_F(PictureSettingsWindowTest, GrayAndTurnsChangeTheViewButNotTheWell) {
    PictureSettingsWindow* editor = newEditor();
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400), QColor(220, 40, 40)));
    editor->outlets()->displayFaceFrameSwitch->setChecked(false);
    const QImage well = editor->outlets()->pictureDropView->pixmap().toImage();
    const auto centre = [&] {
        const QImage view = editor->pictureView()->grab().toImage();
        return view.pixelColor(view.width() / 2, view.height() / 2);
    };
    EXPECT_GT(centre().red(), centre().green() + 100);
    editor->outlets()->grayscaleSwitch->setChecked(true);
    EXPECT_NEAR(centre().red(), centre().green(), 2);
    editor->outlets()->rotateLeftButton->click();
    EXPECT_EQ(editor->fotino()->rotation(), 90.0f);
    EXPECT_EQ(editor->outlets()->pictureDropView->pixmap().toImage(), well);
}

TEST_F(PictureSettingsWindowTest, TwoEditorsOnOneDocumentTheLastSaveWins) {
    PictureSettingsWindow* editor = newEditor();
    editor->setDocumentName(QStringLiteral("Twice"));
    editor->loadImage(picture(QStringLiteral("p.png"), QSize(300, 400)));
    ASSERT_TRUE(editor->saveAs());
    const QString path = QDir(folder()).filePath(QStringLiteral("Twice.ftoct"));
    PictureSettingsWindow* one = editorOn(path);
    PictureSettingsWindow* two = editorOn(path);
    one->outlets()->brightnessSlider->setValue(10);
    two->outlets()->brightnessSlider->setValue(-20);
    ASSERT_TRUE(two->saveAs());
    ASSERT_TRUE(one->saveAs());
    EXPECT_EQ(Fotino::initWithPath(path)->brightness(), 10);
}

TEST_F(PictureSettingsWindowTest, ThePresetTableShowsSizesAndRefusesBuiltIns) {
    PictureSettingsWindow* editor = newEditor();
    QTableWidget* table = editor->outlets()->presetsTableView;
    ASSERT_EQ(table->rowCount(), static_cast<int>(Preset::presets().size()));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("3.50 x 4.50 cm"));
    setMetric(false);
    NotificationCenter::defaultCenter().postNotificationName(DisplayUnits::kUnitChanged);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("1.37 x 1.77 in"));
    EXPECT_FALSE(table->item(0, 0)->flags() & Qt::ItemIsEditable);
    table->selectRow(0);
    editor->modifySelectedPresetFromSetting();
    EXPECT_EQ(alertMessages().last(), alertText("unableToDeleteBuiltinPreset"));
    editor->deleteSelectedPreset();
    EXPECT_EQ(alertMessages().count(), 2);
    EXPECT_EQ(Preset::presets().size(), static_cast<size_t>(table->rowCount()));
}

TEST_F(PictureSettingsWindowTest, DeletingAUserPresetUpdatesEveryEditor) {
    auto own = Preset::defaultPreset();
    own->setName(QStringLiteral("Mine"));
    ASSERT_TRUE(own->save());
    PictureSettingsWindow* one = newEditor();
    PictureSettingsWindow* two = newEditor();
    const int rows = one->outlets()->presetsTableView->rowCount();
    one->outlets()->presetsPopup->setCurrentText(QStringLiteral("Mine"));
    one->presetChanged();
    EXPECT_EQ(one->fotino()->stringForKey(AttributeKeys::kPresetUUID), own->uuid());
    const QVariant guides = one->fotino()->objectForKey(AttributeKeys::kPresetGuides);
    QTableWidget* table = two->outlets()->presetsTableView;
    table->selectRow(rows - 1);
    ASSERT_EQ(table->item(rows - 1, 0)->text(), QStringLiteral("Mine"));
    EXPECT_TRUE(table->item(rows - 1, 0)->flags() & Qt::ItemIsEditable);
    two->deleteSelectedPreset();
    EXPECT_EQ(one->outlets()->presetsTableView->rowCount(), rows - 1);
    EXPECT_EQ(two->outlets()->presetsTableView->rowCount(), rows - 1);
    EXPECT_EQ(one->outlets()->presetsPopup->currentIndex(), -1);
    EXPECT_EQ(one->fotino()->objectForKey(AttributeKeys::kPresetGuides), guides);
}

TEST_F(PictureSettingsWindowTest, EditingAUserPresetsNameInTheTableSavesIt) {
    auto own = Preset::defaultPreset();
    own->setName(QStringLiteral("Before"));
    ASSERT_TRUE(own->save());
    PictureSettingsWindow* editor = newEditor();
    QTableWidget* table = editor->outlets()->presetsTableView;
    const int row = table->rowCount() - 1;
    table->item(row, 0)->setText(QStringLiteral("After"));
    QStringList names;
    for (const auto& preset : Preset::presets()) {
        names << preset->name();
    }
    EXPECT_TRUE(names.contains(QStringLiteral("After")));
    EXPECT_FALSE(names.contains(QStringLiteral("Before")));
}

TEST_F(PictureSettingsWindowTest, NewPresetFromASelectionDuplicatesItWithItsOwnIdentity) {
    PictureSettingsWindow* editor = newEditor();
    editor->outlets()->presetsTableView->selectRow(0);
    answer = 0; // Duplicate
    editor->newPresetFromSettings();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().message, alertText("newPresetFromSelection"));
    EXPECT_EQ(asked.back().buttons,
              (QStringList{alertText("DuplicatePreset"), alertText("CreatePreset")}));
    PresetEditor* opened = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* presetEditor = qobject_cast<PresetEditor*>(window)) {
            opened = presetEditor;
        }
    }
    ASSERT_NE(opened, nullptr);
    const auto first = Preset::presets().front();
    EXPECT_EQ(opened->attachedPreset()->name(), first->name());
    EXPECT_NE(opened->attachedPreset()->uuid(), first->uuid());
    delete opened;
}

TEST_F(PictureSettingsWindowTest, TheWheelScalesThePictureAboutTheMouse) {
    const QString path = home.filePath(QStringLiteral("halves.png"));
    ASSERT_TRUE(imagetest::halves(QSize(400, 300)).save(path));
    PictureSettingsWindow* editor = newEditor();
    editor->loadImage(path);
    editor->outlets()->displayFaceFrameSwitch->setChecked(false);
    PictureView* view = editor->pictureView();
    const int row = view->height() / 2;
    const auto border = [&] {
        const QImage shown = view->grab().toImage();
        // Clear of the outline and the mask's cutting line along the edges.
        for (int x = 8; x < shown.width() - 8; ++x) {
            if (shown.pixelColor(x, row).red() > 128) {
                return x;
            }
        }
        return -1;
    };
    const auto wheel = [&](int x, int notches) {
        QWheelEvent event(QPointF(x, row), view->mapToGlobal(QPointF(x, row)), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view, &event);
    };
    const int before = border();
    ASSERT_GT(before, 20);
    const float scale = editor->fotino()->pictureSize();
    // About the border itself: the border stays under the mouse while the picture grows.
    wheel(before, 3);
    EXPECT_GT(editor->fotino()->pictureSize(), scale * 1.2f);
    EXPECT_NEAR(border(), before, 2);
    // About a point to its left: the border moves away, to the right.
    wheel(before - 40, 3);
    EXPECT_GT(border(), before + 10);
    wheel(before - 40, -3);
    EXPECT_NEAR(border(), before, 2);
}

TEST_F(PictureSettingsWindowTest, HintsSayWhenThereIsNoFace) {
    PictureSettingsWindow* editor = newEditor();
    // Nothing to judge without a picture.
    editor->updateHints();
    EXPECT_TRUE(editor->outlets()->headHint->isHidden());
    EXPECT_TRUE(editor->outlets()->hintsLabel->isHidden());

    editor->loadImage(picture(QStringLiteral("wall.png"), QSize(400, 500), Qt::white));
    editor->updateHints();
    const auto* ui = editor->outlets();
    EXPECT_FALSE(ui->headHint->isHidden());
    EXPECT_EQ(ui->headHint->text(), StringTable::localizedString(QStringLiteral("hintNoFace")));
    EXPECT_EQ(ui->headHint->property("met"), QVariant(false));
    EXPECT_TRUE(ui->eyesHint->isHidden());
    EXPECT_TRUE(ui->backgroundHint->isHidden());
}

TEST_F(PictureSettingsWindowTest, AFirstPortraitIsFramedOnItsFaceAndTheHintsFollowTheScale) {
    if (!PictureSettingsWindow::faceFinder().isReady()) {
        GTEST_SKIP() << "no face cascades installed";
    }
    const QString portrait = home.filePath(QStringLiteral("portrait.jpg"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(FOTINO_SOURCE_DIR "/tests/data/portrait-512.jpg"), portrait));
    PictureSettingsWindow* editor = newEditor();
    editor->loadImage(portrait);
    const auto* ui = editor->outlets();
    // Framed at once: the eye line inside the format's band, the head inside its range.
    EXPECT_EQ(ui->eyesHint->property("met"), QVariant(true)) << ui->eyesHint->text().toStdString();
    if (ui->headHint->property("met").isValid()) {
        EXPECT_EQ(ui->headHint->property("met"), QVariant(true))
            << ui->headHint->text().toStdString();
    }
    // The astronaut stands before a flag and a model shuttle.
    EXPECT_EQ(ui->backgroundHint->text(),
              StringTable::localizedString(QStringLiteral("hintBackgroundBusy")));

    // Twice the scale: the head far too large, and the hints say so once measured.
    const float framed = editor->fotino()->pictureSize();
    ui->sizeSlider->setValue(PictureScale::positionForScale(framed * 2));
    editor->updateHints();
    EXPECT_EQ(ui->eyesHint->property("met"), QVariant(false)) << ui->eyesHint->text().toStdString();

    // Auto-frame brings it back.
    ui->autoFrameButton->click();
    EXPECT_NEAR(editor->fotino()->pictureSize(), framed, framed * 0.01);
    EXPECT_EQ(ui->eyesHint->property("met"), QVariant(true));
}

} // namespace
