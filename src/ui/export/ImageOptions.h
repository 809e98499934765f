#pragma once
// The export options shown below the file list of the export save panel: file format, JPEG
// quality, resolution or exact size in pixels, and the largest JPEG file allowed. One instance
// for the whole run.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <memory>
#include <optional>

class QWidget;
namespace Ui {
class ImageOptions;
}

class ImageOptions : public QObject {
    Q_OBJECT
public:
    // The one instance, created on first use; each call brings the pixel fields in line with
    // the resolution pop-up.
    static ImageOptions* sharedImageOptions();
    // Runs the save panel with the options below it, starting in the folder of the last export
    // (DocumentExport::startFolder) with the file name field holding the given name.
    // The options for the chosen file, or none when the panel was cancelled.
    static std::optional<QVariantMap> imageSaveOptions(const QString& name = QString());

    ~ImageOptions() override;

    QWidget* optionsView() const;
    Ui::ImageOptions* outlets() const { return ui_.get(); }
    void setFilename(const QString& filename);
    const QString& filename() const { return filename_; }

    // The quality slider and the size limit only mean something for JPEG; a limit chooses the
    // quality itself.
    void formatSelected();
    // The size limit in kilobytes of 1000 bytes; 0 for none, or when the format is not JPEG.
    int maxKilobytes() const;
    // The pixel fields only mean something for the "exact size" choice.
    void outputResolution();
    // The chosen options under DocumentExport's keys. An exact size with a zero side beeps and
    // falls back to DocumentExport::kFallbackResolution.
    QVariantMap options() const;
    void localizePanel();

private:
    ImageOptions();

    std::unique_ptr<Ui::ImageOptions> ui_;
    QPointer<QWidget> view_;
    QString filename_;
};
