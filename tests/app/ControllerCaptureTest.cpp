#include "app/Controller.h"
#include "core/capture/CaptureSource.h"
#include "core/document/Fotino.h"
#include "core/imaging/ImagePrintSpecs.h"
#include "core/platform/Panels.h"
#include "support/CaptureTestSupport.h"
#include "support/LogCapture.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/RecordedPanels.h"
#include "support/TemporaryHome.h"
#include "ui/capture/IG_Controller.h"
#include "ui/capture/IG_LiveView.h"
#include "ui/editor/PictureSettingsWindow.h"
#include "ui/platform/KtObject.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace capturetest;

// The photo editors open at the time, and the one holding that picture.
std::vector<PictureSettingsWindow*> editors() {
    std::vector<PictureSettingsWindow*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* editor = qobject_cast<PictureSettingsWindow*>(window)) {
            found.push_back(editor);
        }
    }
    return found;
}

PictureSettingsWindow* editorHolding(const QString& path) {
    for (PictureSettingsWindow* editor : editors()) {
        const ImagePrintSpecs* picture = editor->fotino()->originalPictureSource();
        if (picture != nullptr && picture->imagePath() == path) {
            return editor;
        }
    }
    return nullptr;
}

class ControllerCaptureTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (PictureSettingsWindow* editor : editors()) {
            delete editor;
        }
        IG_Controller::setDefaultPath(QString());
        runDeferredDeletes();
    }

    QStringList captureFiles() const {
        return QDir(temporary_.path())
            .entryList({QStringLiteral("FTN_Capture_*")}, QDir::Files | QDir::Hidden);
    }
    static bool waitForFrame(IG_Controller* capture) {
        return QTest::qWaitFor([&] { return capture->preview()->image() != nullptr; }, 15000);
    }
    static void runDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static bool handedOff() { return !editors().empty(); }

    TemporaryHome home_;
    ScopedTemporaryFolder temporary_;
    LogCapture log_;
    RecordedPanels panels_;
    std::vector<PanelRequest>& asked_ = panels_.requests;
};

TEST_F(ControllerCaptureTest, TakePhotoRunsASheetOnTheLibraryWindowWithAFreshOwnerOnlyFile) {
    ScopedPipeline camera(kBall);
    Controller c;
    c.mainWindow()->show();
    QAction* takePhoto = c.outlets()->webcamMenu;
    EXPECT_TRUE(takePhoto->isEnabled());
    EXPECT_EQ(takePhoto->text(), KtObject::localizedString(QStringLiteral("webcamMenu")));
    takePhoto->trigger();
    QPointer<IG_Controller> webcam = c.webcam();
    ASSERT_TRUE(webcam);
    EXPECT_EQ(webcam->mainWindow()->parentWidget(), c.mainWindow());
    EXPECT_EQ(webcam->mainWindow()->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(webcam->mainWindow()->isVisible());

    const QString first = IG_Controller::defaultPath();
    EXPECT_EQ(captureFiles(), QStringList{QFileInfo(first).fileName()});
    EXPECT_TRUE(first.endsWith(QLatin1String(".tif")));
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFileInfo(first).permissions() & others, QFile::Permissions());
    EXPECT_TRUE(log_.lines().contains(first)) << "the file made is the file named";

    c.outlets()->webcamMenu->trigger();
    EXPECT_EQ(c.webcam(), webcam) << "one capture at a time";
    webcam->ok();
    runDeferredDeletes();
    EXPECT_FALSE(webcam) << "the capture is let go";
    EXPECT_FALSE(c.webcam());

    takePhoto->trigger();
    ASSERT_TRUE(c.webcam());
    EXPECT_NE(IG_Controller::defaultPath(), first) << "each capture has a new name";
    c.webcam()->ok();
}

TEST_F(ControllerCaptureTest, AnAcceptedCaptureGoesToANewEditorAndTheCaptureIsLetGo) {
    ScopedPipeline camera(kBall);
    Controller c;
    c.importWebcam();
    QPointer<IG_Controller> webcam = c.webcam();
    ASSERT_TRUE(webcam);
    const QString path = IG_Controller::defaultPath();
    ASSERT_TRUE(waitForFrame(webcam));
    webcam->grab();
    webcam->ok();

    PictureSettingsWindow* editor = editorHolding(path);
    ASSERT_NE(editor, nullptr) << "a new editor holds the capture";
    EXPECT_TRUE(editor->fotino()->originalPicture());
    QImageReader picture(path);
    EXPECT_EQ(picture.format(), QByteArray("tiff"));
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_FALSE(c.webcam());
    runDeferredDeletes();
    EXPECT_FALSE(webcam);
    EXPECT_EQ(captureFiles(), QStringList{QFileInfo(path).fileName()}) << "kept for the editor";
}

struct Ending {
    const char* name;
    bool grab;
    bool unwritable;
    size_t alerts;
};

void PrintTo(const Ending& ending, std::ostream* os) {
    *os << ending.name;
}

class ControllerCaptureEndingTest : public ControllerCaptureTest,
                                    public ::testing::WithParamInterface<Ending> {};

TEST_P(ControllerCaptureEndingTest, OpensNothingAndLeavesNoFile) {
    const Ending& ending = GetParam();
    ScopedPipeline camera(kBall);
    Controller c;
    c.importWebcam();
    QPointer<IG_Controller> webcam = c.webcam();
    ASSERT_TRUE(webcam);
    if (ending.unwritable) {
        IG_Controller::setDefaultPath(temporary_.path() + QStringLiteral("/gone/x.tif"));
    }
    ASSERT_TRUE(waitForFrame(webcam));
    if (ending.grab) {
        webcam->grab();
    }
    webcam->ok();
    EXPECT_FALSE(handedOff());
    EXPECT_EQ(asked_.size(), ending.alerts);
    EXPECT_FALSE(c.webcam());
    runDeferredDeletes();
    EXPECT_FALSE(webcam);
    EXPECT_TRUE(captureFiles().isEmpty()) << "the unused file is removed";
}

INSTANTIATE_TEST_SUITE_P(Endings, ControllerCaptureEndingTest,
                         ::testing::Values(Ending{"Cancelled", false, false, 0},
                                           Ending{"NowhereToSave", true, true, 1}),
                         NameOfParam());

TEST_F(ControllerCaptureTest, WithoutACameraItSaysSoAndMakesNoFile) {
    ScopedPipeline noPipeline(nullptr);
    if (CaptureSource::videoHardwarePresent()) {
        GTEST_SKIP() << "a camera is connected";
    }
    Controller c;
    c.importWebcam();
    EXPECT_FALSE(c.webcam());
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_.front().message,
              KtObject::localizedString(QStringLiteral("ERROR_NO_VIDEOHWFOUND")));
    EXPECT_TRUE(captureFiles().isEmpty());
}

} // namespace
