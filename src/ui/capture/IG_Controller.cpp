#include "ui/capture/IG_Controller.h"

#include "core/capture/CaptureFile.h"
#include "core/capture/CaptureSession.h"
#include "core/capture/CaptureSource.h"
#include "core/platform/Alerts.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Log.h"
#include "core/platform/TemporaryName.h"
#include "ui/capture/IG_LiveView.h"
#include "ui/platform/KtObject.h"
#include "ui_IG_View.h"

#include <QDialog>
#include <QDir>

namespace {
QString& capturePath() {
    static QString path;
    return path;
}
} // namespace

bool IG_Controller::videoHardwarePresent() {
    return CaptureSource::videoHardwarePresent();
}

void IG_Controller::setDefaultPath(const QString& path) {
    capturePath() = path;
}

QString IG_Controller::defaultPath() {
    return capturePath();
}

IG_Controller::IG_Controller()
    : mainWindow_(new QDialog())
    , ui_(std::make_unique<Ui::IG_View>()) {
    ui_->setupUi(mainWindow_);
    connect(ui_->grabButton, &QPushButton::clicked, this, &IG_Controller::grab);
    connect(ui_->clearButton, &QPushButton::clicked, this, &IG_Controller::clear);
    connect(ui_->okButton, &QPushButton::clicked, this, &IG_Controller::ok);
    // Escape and the window's close button cancel.
    connect(mainWindow_, &QDialog::rejected, this, &IG_Controller::windowClosed);
    localizePanel();
}

IG_Controller::~IG_Controller() {
    stopVideoCapture();
    delete mainWindow_.data();
}

IG_LiveView* IG_Controller::preview() const {
    return ui_->preview;
}

void IG_Controller::startCaptureModalForWindow(QWidget* window, Delegate delegate) {
    delegate_ = std::move(delegate);
    QString reason;
    auto source = CaptureSource::start(CaptureSource::environmentPipeline(), &reason);
    if (source) {
        session_ = std::make_unique<CaptureSession>(std::move(source));
        session_->setFrameHandler(
            [this](std::shared_ptr<BitmapImageRep> frame) { displayImage(std::move(frame)); });
        session_->setFailureHandler([this](const QString& problem) {
            Log::write(QStringLiteral("The camera stopped: %1").arg(problem));
            showState();
        });
    } else {
        // The preview stays dark; the sheet can still be cancelled.
        Log::write(QStringLiteral("The camera cannot be started: %1").arg(reason));
    }
    clear();
    if (window) {
        // A window-modal dialog over the library window stands for a sheet.
        mainWindow_->setParent(window, mainWindow_->windowFlags());
    }
    mainWindow_->open();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

void IG_Controller::grab() {
    if (!session_ || !session_->grab()) {
        return;
    }
    live_ = false;
    showState();
}

void IG_Controller::clear() {
    live_ = true;
    if (session_) {
        session_->clear();
    }
    showState();
}

void IG_Controller::ok() {
    if (ended_) {
        return;
    }
    const bool live = live_;
    stopVideoCapture();
    int returnCode = Cancelled;
    // With no frame ever shown there is nothing to save: as a cancel.
    const auto still = live ? nullptr : preview()->toImage();
    if (still) {
        const QString path = defaultPath();
        if (!path.isEmpty() && CaptureFile::writeTIFF(*still, path)) {
            returnCode = Saved;
        } else {
            Alerts::alert(QStringLiteral("captureWriteFailed"),
                          QDir::toNativeSeparators(
                              path.isEmpty() ? TemporaryName::temporaryDirectory() : path));
            returnCode = NowhereToSave;
        }
    }
    endSheet(returnCode);
}

void IG_Controller::getVideoData() {
    if (session_) {
        session_->getVideoData();
    }
}

void IG_Controller::displayImage(std::shared_ptr<BitmapImageRep> image) {
    if (!image) {
        return;
    }
    const bool first = preview()->image() == nullptr;
    preview()->setImage(std::move(image));
    if (first) {
        showState();
    }
}

void IG_Controller::stopVideoCapture() {
    if (session_) {
        session_->stopVideoCapture();
    }
}

bool IG_Controller::isLive() const {
    return live_;
}

void IG_Controller::showState() {
    const bool shown = preview()->image() != nullptr;
    const bool running = session_ && session_->isRunning();
    ui_->clearButton->setEnabled(!live_ && running);
    ui_->grabButton->setEnabled(live_ && running && shown);
    KtObject::localize(ui_->okButton,
                       live_ ? QStringLiteral("Cancel") : QStringLiteral("captureAccept"));
    // Accepting needs a frame to save.
    ui_->okButton->setEnabled(live_ || shown);
    // Return grabs while live and accepts once frozen, whichever button has the focus.
    ui_->grabButton->setDefault(live_);
    ui_->okButton->setDefault(!live_);
}

void IG_Controller::windowClosed() {
    if (!ended_) {
        stopVideoCapture();
        endSheet(Cancelled);
    }
}

void IG_Controller::endSheet(int returnCode) {
    Log::write(QStringLiteral("Capture ended with %1").arg(returnCode));
    ended_ = true;
    mainWindow_->done(returnCode);
    const Delegate delegate = std::move(delegate_);
    if (delegate) {
        delegate(returnCode);
    }
}

void IG_Controller::localizePanel() {
    KtObject::localize(mainWindow_.data(), QStringLiteral("captureWindow"));
    KtObject::localize(ui_->grabButton, QStringLiteral("captureGrab"));
    KtObject::localize(ui_->clearButton, QStringLiteral("captureClear"));
    KtObject::localize(ui_->hintLabel, QStringLiteral("captureHint"));
    showState();
}
