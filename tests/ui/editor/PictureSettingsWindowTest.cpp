#include "ui/editor/PictureSettingsWindow.h"
#include "core/document/DisplayUnits.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/FileManager.h"
#include "core/platform/NotificationCenter.h"
#include "core/platform/Panels.h"
#include "core/platform/UserDefaults.h"
#include "core/presets/Preset.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"
#include "ui/editor/FileDragAndDropCell.h"
#include "ui/editor/PictureView.h"
#include "ui_PictureSettingsWindows.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

class PictureSettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Panels::setTestHook([this](const PanelRequest& request) {
            asked.push_back(request);
            if (request.kind == PanelRequest::Kind::Open && request.chosenPath &&
                !openAnswer.isEmpty()) {
                *request.chosenPath = openAnswer;
                return 1;
            }
            return answer;
        });
        setMetric(true);
    }
    void TearDown() override {
        for (const QPointer<PictureSettingsWindow>& editor : editors) {
            delete editor.data();
        }
        Panels::clearTestHook();
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
    QStringList alertMessages() const {
        QStringList messages;
        for (const PanelRequest& request : asked) {
            if (request.kind == PanelRequest::Kind::Alert) {
                messages << request.message;
            }
        }
        return messages;
    }

    TemporaryHome home;
    std::vector<PanelRequest> asked;
    int answer = 0;
    QString openAnswer;
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

} // namespace
