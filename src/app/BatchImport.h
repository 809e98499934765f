#pragma once
// Imports several pictures into the library, one document each, behind a progress dialog that
// can be cancelled: one picture a turn of the event loop, so that the windows stay drawn and
// a cancel takes effect after the picture being made. Documents already made stay.

#include "core/analysis/FaceFinder.h"
#include "core/analysis/PictureImport.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QStringList>
#include <vector>

class Preset;
class QWidget;

class BatchImport : public QObject {
    Q_OBJECT
public:
    struct Summary {
        // How many documents were made (and that the import was cancelled).
        QString message;
        // The pictures without a face, outside the rules, and those not imported, under a
        // heading each, a line a picture; long lists are cut short here and given whole in
        // the details.
        QString informativeText;
        QString detailedText;
    };

    // The progress dialog is window-modal over the window.
    BatchImport(const QStringList& pictures, const Preset& preset, bool autoFrame,
                const QString& folder, QWidget* window);
    ~BatchImport() override;

    // Shows the progress and starts with the first picture.
    void start();
    // Stops after the picture being made, as the dialog's Cancel does.
    void cancel();

    QProgressDialog* progressDialog() const { return progress_; }
    const std::vector<PictureImport::Outcome>& outcomes() const { return outcomes_; }
    bool wasCancelled() const { return cancelled_; }
    Summary summary() const;

Q_SIGNALS:
    void pictureImported(int index);
    // Every picture was imported, or the import was cancelled.
    void finished();

private:
    void importNext();
    void finish();

    QStringList pictures_;
    FaceFinder finder_;
    PictureImport import_;
    std::vector<PictureImport::Outcome> outcomes_;
    QPointer<QProgressDialog> progress_;
    int next_ = 0;
    bool cancelled_ = false;
    bool finished_ = false;
};
