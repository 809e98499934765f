#pragma once
// The camera capture sheet: the live, mirrored preview; "grab" freezes the frame shown, "clear"
// goes back to the live picture, and "ok" cancels (live) or saves the frozen frame, unmirrored,
// as a TIFF into the capture file. One controller serves one capture.

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class BitmapImageRep;
class CaptureSession;
class IG_LiveView;
class QWidget;
namespace Ui {
class IG_View;
}

class IG_Controller : public QObject {
    Q_OBJECT
public:
    // How the sheet ended.
    enum ReturnCode { Cancelled = 0, NowhereToSave = 2, Saved = 255 };
    using Delegate = std::function<void(int returnCode)>;

    // True when a camera is connected, or when FOTINO_CAPTURE_PIPELINE names a source.
    static bool videoHardwarePresent();
    // The capture file, for every capture of the run.
    static void setDefaultPath(const QString& path);
    static QString defaultPath();

    // Loads the capture window; nothing runs yet.
    IG_Controller();
    ~IG_Controller() override;

    // Starts the camera and shows the capture window as a sheet on the window (or alone
    // without one); the delegate hears the return code once the sheet ends.
    void startCaptureModalForWindow(QWidget* window, Delegate delegate);
    // Freezes the frame shown; nothing when the picture is not live.
    void grab();
    // Back to the live picture.
    void clear();
    // Ends the capture: cancelled when live; when frozen, the frame is written to the capture
    // file, and a failure is said in an alert and ends as "nowhere to save".
    void ok();
    // Pulls the waiting frames (the timer does this 12 times a second while live).
    void getVideoData();
    // Shows a frame in the preview; none is ignored.
    void displayImage(std::shared_ptr<BitmapImageRep> image);
    void stopVideoCapture();

    bool isLive() const;
    QDialog* mainWindow() const { return mainWindow_; }
    IG_LiveView* preview() const;
    Ui::IG_View* outlets() const { return ui_.get(); }
    void localizePanel();

private:
    // Sets the buttons for the live or the frozen picture.
    void showState();
    // The window was closed or Escape pressed: as a cancel.
    void windowClosed();
    void endSheet(int returnCode);

    QPointer<QDialog> mainWindow_;
    std::unique_ptr<Ui::IG_View> ui_;
    std::unique_ptr<CaptureSession> session_;
    Delegate delegate_;
    // The picture is live (not frozen by grab); a capture starts live.
    bool live_ = true;
    bool ended_ = false;
};
