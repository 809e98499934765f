#include "ui/capture/IG_Controller.h"
#include "core/capture/CaptureFile.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Panels.h"
#include "support/CaptureTestSupport.h"
#include "support/QtPrinters.h"
#include "support/RecordedPanels.h"
#include "ui/capture/IG_LiveView.h"
#include "ui/platform/KtObject.h"
#include "ui_IG_View.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace capturetest;

class IG_ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.resize(400, 300);
        parent_.show();
        path_ = CaptureFile::create(temporary_.path());
        IG_Controller::setDefaultPath(path_);
    }
    void TearDown() override {
        capture_.reset();
        IG_Controller::setDefaultPath(QString());
    }

    IG_Controller& start(const char* pipeline) {
        ScopedPipeline camera(pipeline);
        capture_ = std::make_unique<IG_Controller>();
        capture_->startCaptureModalForWindow(&parent_,
                                             [this](int code) { codes_.push_back(code); });
        return *capture_;
    }
    static bool waitForFrame(IG_Controller& capture) {
        return QTest::qWaitFor([&] { return capture.preview()->image() != nullptr; }, 15000);
    }
    // The frame the preview shows, as the camera gave it.
    static QImage shownFrame(IG_Controller& capture) {
        return capture.preview()->image()->toQImage().convertToFormat(QImage::Format_RGB888);
    }
    QImage written() const {
        return QImageReader(path_).read().convertToFormat(QImage::Format_RGB888);
    }
    static QString text(const char* key) {
        return KtObject::localizedString(QString::fromLatin1(key));
    }

    ScopedTemporaryFolder temporary_;
    QWidget parent_;
    QString path_;
    std::unique_ptr<IG_Controller> capture_;
    std::vector<int> codes_;
    RecordedPanels panels_;
    std::vector<PanelRequest>& asked_ = panels_.requests;
};

TEST_F(IG_ControllerTest, TheSheetShowsLiveFramesAndTheButtonsFollowTheState) {
    IG_Controller& capture = start(kBall);
    Ui::IG_View* ui = capture.outlets();
    EXPECT_TRUE(capture.mainWindow()->isVisible());
    EXPECT_TRUE(capture.isLive());
    EXPECT_EQ(ui->okButton->text(), text("Cancel"));
    EXPECT_FALSE(ui->grabButton->isEnabled()) << "nothing to grab before the first frame";
    EXPECT_FALSE(ui->clearButton->isEnabled());

    ASSERT_TRUE(waitForFrame(capture));
    EXPECT_TRUE(ui->grabButton->isEnabled());
    EXPECT_TRUE(ui->grabButton->isDefault());
    QTest::mouseClick(ui->grabButton, Qt::LeftButton);
    EXPECT_FALSE(capture.isLive());
    EXPECT_EQ(ui->okButton->text(), text("captureAccept"));
    EXPECT_TRUE(ui->okButton->isEnabled());
    EXPECT_TRUE(ui->okButton->isDefault());
    EXPECT_TRUE(ui->clearButton->isEnabled());
    EXPECT_FALSE(ui->grabButton->isEnabled());

    QTest::mouseClick(ui->clearButton, Qt::LeftButton);
    EXPECT_TRUE(capture.isLive());
    EXPECT_EQ(ui->okButton->text(), text("Cancel"));
    EXPECT_FALSE(ui->clearButton->isEnabled());
    EXPECT_TRUE(codes_.empty());
}

TEST_F(IG_ControllerTest, AcceptingWithoutGrabbingCancelsAndWritesNothing) {
    IG_Controller& capture = start(kBall);
    ASSERT_TRUE(waitForFrame(capture));
    QTest::mouseClick(capture.outlets()->okButton, Qt::LeftButton);
    EXPECT_EQ(codes_, std::vector<int>{IG_Controller::Cancelled});
    EXPECT_EQ(QFileInfo(path_).size(), 0);
    EXPECT_FALSE(capture.mainWindow()->isVisible());
    EXPECT_TRUE(asked_.empty());
}

TEST_F(IG_ControllerTest, GrabClearGrabAcceptSavesTheFrameShownAtTheLastGrab) {
    IG_Controller& capture = start(kBall);
    ASSERT_TRUE(waitForFrame(capture));
    capture.grab();
    const QImage first = shownFrame(capture);
    capture.clear();
    // The ball moves: wait for a frame that differs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownFrame(capture) != first; }, 15000));
    capture.grab();
    const QImage last = shownFrame(capture);
    QTest::qWait(200);
    EXPECT_EQ(shownFrame(capture), last) << "frozen";
    capture.ok();
    EXPECT_EQ(codes_, std::vector<int>{IG_Controller::Saved});
    const QImage saved = written();
    EXPECT_EQ(saved.size(), QSize(640, 480));
    EXPECT_TRUE(saved == last);
    EXPECT_FALSE(saved == first);
}

TEST_F(IG_ControllerTest, TheSavedPictureIsTheCamerasThePreviewMirrored) {
    IG_Controller& capture = start(kBars);
    ASSERT_TRUE(waitForFrame(capture));
    capture.grab();
    EXPECT_TRUE(showsBarsMirrored(capture.preview()->grab().toImage()));
    capture.ok();
    ASSERT_EQ(codes_, std::vector<int>{IG_Controller::Saved});
    EXPECT_TRUE(showsBarsUnmirrored(written()));
}

TEST_F(IG_ControllerTest, AFileThatCannotBeWrittenEndsWithTwoAndSaysSo) {
    const QString nowhere = temporary_.path() + QStringLiteral("/gone/FTN_Capture_x.tif");
    // Without a file at all, the alert names the folder it would have been in.
    const std::pair<QString, QString> cases[] = {{nowhere, nowhere}, {QString(), QDir::tempPath()}};
    for (const auto& [path, named] : cases) {
        IG_Controller::setDefaultPath(path);
        codes_.clear();
        asked_.clear();
        IG_Controller& capture = start(kBall);
        ASSERT_TRUE(waitForFrame(capture));
        capture.grab();
        capture.ok();
        EXPECT_EQ(codes_, std::vector<int>{IG_Controller::NowhereToSave});
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_EQ(asked_.front().kind, PanelRequest::Kind::Alert);
        EXPECT_EQ(asked_.front().message,
                  text("captureWriteFailed").arg(QDir::toNativeSeparators(named)));
    }
    EXPECT_FALSE(QFileInfo::exists(nowhere));
}

TEST_F(IG_ControllerTest, AcceptStaysOffUntilAFrameWasShown) {
    IG_Controller& capture = start(kBall);
    // Frames come with the timer: none yet.
    capture.grab();
    EXPECT_FALSE(capture.isLive());
    EXPECT_EQ(capture.outlets()->okButton->text(), text("captureAccept"));
    EXPECT_FALSE(capture.outlets()->okButton->isEnabled());
    capture.ok();
    EXPECT_EQ(codes_, std::vector<int>{IG_Controller::Cancelled});
    EXPECT_EQ(QFileInfo(path_).size(), 0);
}

TEST_F(IG_ControllerTest, ReturnGrabsThenAccepts) {
    IG_Controller& capture = start(kBall);
    ASSERT_TRUE(waitForFrame(capture));
    // The focus is on the only button enabled before the first frame: "Cancel".
    QPushButton* focused = capture.outlets()->okButton;
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_FALSE(capture.isLive());
    EXPECT_TRUE(codes_.empty());
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(codes_, std::vector<int>{IG_Controller::Saved});
}

TEST_F(IG_ControllerTest, EscapeCancelsAFrozenPicture) {
    IG_Controller& capture = start(kBall);
    ASSERT_TRUE(waitForFrame(capture));
    capture.grab();
    QTest::keyClick(capture.mainWindow(), Qt::Key_Escape);
    EXPECT_EQ(codes_, std::vector<int>{IG_Controller::Cancelled});
    EXPECT_EQ(QFileInfo(path_).size(), 0);
    EXPECT_FALSE(capture.mainWindow()->isVisible());
}

TEST_F(IG_ControllerTest, ACameraThatCannotStartLeavesASheetThatCancels) {
    IG_Controller& capture = start("nosuchelementatall");
    QTest::qWait(200);
    EXPECT_FALSE(capture.preview()->image());
    EXPECT_FALSE(capture.outlets()->grabButton->isEnabled());
    capture.grab();
    EXPECT_TRUE(capture.isLive()) << "nothing to freeze";
    QTest::mouseClick(capture.outlets()->okButton, Qt::LeftButton);
    EXPECT_EQ(codes_, std::vector<int>{IG_Controller::Cancelled});
}

} // namespace
