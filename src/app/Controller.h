#pragma once
// The application controller: owns the library window (the list of every document of the
// documents folder, with a tick box per row choosing the documents to print) and is the
// access point to the user defaults and the unit setting.

#include "core/document/Fotino.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <memory>
#include <vector>

class IG_Controller;
class PageLayoutWindow;
class PictureSettingsWindow;
class PictureListModel;
class QMainWindow;
class UserDefaults;
namespace Ui {
class MainWindow;
}

class Controller : public QObject {
    Q_OBJECT
public:
    // Loads the main window layout and runs the start-up; there is one Controller a run.
    Controller();
    ~Controller() override;

    static Controller* controller();
    static UserDefaults& ud();
    // True when the sizes are shown in centimetres.
    static bool metric();

    QMainWindow* mainWindow() const;
    Ui::MainWindow* outlets() const { return ui_.get(); }

    // A new editor on a fresh document; and one on the highlighted document (none without
    // one). The list is read again after each of their saves.
    PictureSettingsWindow* newPicture();
    PictureSettingsWindow* editPicture();
    // A document file in an editor on it; any other file as the picture of a new editor,
    // named after it.
    PictureSettingsWindow* openFile(const QString& path);
    // Re-reads every document of the documents folder and reloads the table.
    void refreshPictureList();
    // Toggles the tick of the highlighted document; nothing without one.
    void select();
    // The document of the highlighted row, or none.
    std::shared_ptr<Fotino> selectedItem() const;
    // The ticked documents, in list order.
    const std::vector<std::shared_ptr<Fotino>>& selectedPictureList();
    // Run after every change of the list or of the ticks: the ticked documents drop their
    // renderings and, once the page layout window exists, go to its preview.
    void updateLayoutIfNeeded();
    // Opens the page layout window with the ticked documents; with none ticked it says so.
    void printSelection();
    PageLayoutWindow* layoutWindow() const;
    // Deletes the highlighted document and its files after asking; nothing without one.
    void deleteSelection();
    // Exports the highlighted document's photo to the file chosen in the export panel.
    void exportSelection();
    // Puts the highlighted document's photo on the clipboard, at print resolution.
    void copySelection();
    // Takes a photo with the camera in a sheet on the library window, saved to a new
    // temporary file; without a camera it says so.
    void importWebcam();
    // The capture sheet ended: a saved picture goes to a new editor; the capture is let go.
    void sheetDidEnd(int returnCode);
    // The running capture, from its start until its sheet ends.
    IG_Controller* webcam() const;
    // Pictures chosen in an open panel become documents of the library, with the preset and
    // framing chosen in a dialog, behind a progress that can be cancelled; a summary follows.
    void batchImport();

    const std::vector<std::shared_ptr<Fotino>>& pictureList() const { return pictureList_; }
    const QSet<QString>& selectedPictureName() const { return selectedPictureName_; }
    void localizePanel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void awakeFromNib();
    void connectCommands();
    // Asks our web site for a newer version, without blocking the start.
    void checkVersionAtStart();
    // The main window closes: write the defaults and quit.
    void windowWillClose();
    void highlightRow(int row);
    PictureSettingsWindow* adopt(PictureSettingsWindow* editor);
    // Export needs a highlighted document; every other command is always available.
    void validateMenuItems();
    void openEditorWithPicture(const QString& path);

    std::unique_ptr<QMainWindow> mainWindow_;
    std::unique_ptr<Ui::MainWindow> ui_;
    UserDefaults& ud_;
    PictureListModel* model_ = nullptr;
    std::vector<std::shared_ptr<Fotino>> pictureList_;
    std::vector<std::shared_ptr<Fotino>> selectedPictureList_;
    QSet<QString> selectedPictureName_;
    QPointer<PageLayoutWindow> layoutWindow_;
    QPointer<IG_Controller> webcam_;
    // The file made for the running capture.
    QString captureFile_;
};
