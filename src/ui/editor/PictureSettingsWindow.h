#pragma once
// The photo editor: one window per document being made or changed. The user gives it a
// picture (dropped, chosen, or handed over by the library), picks the document format,
// drags and scales the picture until the face fills the face box, adjusts contrast and
// brightness, and saves it into the documents folder. Each window owns itself; several can
// be open, also on the same document.

#include "core/analysis/FaceFeatures.h"
#include "ui/editor/FileDropOwner.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class ComplianceReport;
class FaceFinder;
class FileDragAndDropCell;
class Fotino;
class PictureView;
class Preset;
class QTimer;
namespace Ui {
class PictureSettingsWindows;
}

class PictureSettingsWindow : public QWidget, public FileDropOwner {
    Q_OBJECT
public:
    // A new editor on a fresh document, shown.
    static PictureSettingsWindow* pictureSettingsWindow();
    // A new editor on the document stored at the path, shown.
    static PictureSettingsWindow* pictureSettingsWindowWithPath(const QString& path);
    ~PictureSettingsWindow() override;

    Ui::PictureSettingsWindows* outlets() const { return ui_.get(); }
    const std::shared_ptr<Fotino>& fotino() const { return fotino_; }
    PictureView* pictureView() const { return pictureView_; }
    FileDragAndDropCell* dragCell() const { return dragCell_; }
    bool warningOn() const { return warningOn_; }
    bool isPolling() const;
    const std::vector<std::shared_ptr<Preset>>& presetList() const { return presetList_; }

    // Replaces the document by the one stored at the path (a fresh one after a beep when it
    // cannot be read).
    void loadFromFile(const QString& path);
    // The document's values into the controls, and its picture.
    void loadFotino();
    // Makes the picture file the document's picture. A file that is not a picture is refused
    // with an alert, and the picture shown stays.
    void loadImage(const QString& path) override;
    // The name field's text, as if typed.
    void setDocumentName(const QString& name);

    void sizeSlide();
    void setGammaValue();
    void showFaceFrame();
    void rotateLeftButton();
    void rotateRightButton();
    void faceFrameSizeSlide();
    // Finds the face and frames the document on it; says so in the hints when there is none.
    void autoFrame();
    // The hints measured now (instead of a moment after the last change).
    void updateHints();
    // The finder every editor shares, with its cascades loaded on first use.
    static const FaceFinder& faceFinder();
    // Sizes the framing view to the photo's proportions inside its container.
    void calcRatio();
    // Width and height in the current unit, asked afresh.
    void unitChanged();
    // Shows the warning while the picture does not cover the frame.
    void enableWarning();
    void importImageButton();
    void open();
    // Saves under the name in the name field and closes; answers whether it was saved. On a
    // refusal, a declined question or a failed write the window stays open with every change.
    bool saveAs();
    // Closes without saving or asking.
    void cancel();
    void localizePanel();

    // The preset panel.
    void updatePresetsPopup();
    void selectPicturePreset();
    void presetChanged();
    void applyPreset(const Preset& preset);
    void newPresetFromSettings();
    void modifySelectedPresetFromSetting();
    void deleteSelectedPreset();

Q_SIGNALS:
    // A document was written: the library shows it.
    void documentSaved();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureSettingsWindow();
    void awakeFromNib();
    void connectControls();
    // The close box: asks whether to save.
    bool windowShouldClose();
    // Every closing path: stops the poll, closes, and lets the window go.
    void finish();
    // The preset table's rows from presetList.
    void reloadPresetTable();
    void presetNameEdited(int row, const QString& name);
    // The preset at the selected row of the store's list, or none.
    std::shared_ptr<Preset> selectedPreset() const;
    // The width and height fields in centimetres; none (with the field marked) when one
    // holds no length.
    bool readFrameFields(float* widthCm, float* heightCm);
    void showPicture();
    // The picture changed: the face is looked for again before the next hints.
    void pictureChanged();
    void scheduleHints();
    void showHints(const ComplianceReport& report);

    std::unique_ptr<Ui::PictureSettingsWindows> ui_;
    QString ftPath_;
    std::shared_ptr<Fotino> fotino_;
    PictureView* pictureView_ = nullptr;
    FileDragAndDropCell* dragCell_ = nullptr;
    QTimer* warningTimer_ = nullptr;
    bool warningOn_ = false;
    // The file the document was read from (empty for a new document): a save under another
    // name replaces its files.
    QString originalPath_;
    QString originalName_;
    QString originalPicturePath_;
    std::vector<std::shared_ptr<Preset>> presetList_;
    bool rebuilding_ = false;
    // The face in the document's current picture, once looked for.
    std::optional<FaceFeatures> face_;
    bool faceSearched_ = false;
    QTimer* hintsTimer_ = nullptr;
};
