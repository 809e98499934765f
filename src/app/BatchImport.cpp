#include "app/BatchImport.h"

#include "core/platform/FileManager.h"
#include "ui/platform/KtObject.h"

#include <QProgressDialog>
#include <QTimer>

namespace {
// Names listed in the summary's text for each kind of outcome; the rest are in the details.
constexpr int kNamesShown = 8;
// Time for the progress to be drawn before the first picture keeps the thread busy.
constexpr int kFirstPictureDelayMilliseconds = 100;

QString text(const char* key) {
    return KtObject::localizedString(QString::fromLatin1(key));
}

QString reason(PictureImport::Failure failure) {
    switch (failure) {
    case PictureImport::Failure::UnusableName:
        return text("batchBadName");
    case PictureImport::Failure::WriteFailed:
        return text("batchWriteFailed");
    case PictureImport::Failure::DiskFull:
        return text("batchDiskFull");
    case PictureImport::Failure::None:
    case PictureImport::Failure::UnreadablePicture:
    case PictureImport::Failure::UnreadableDocument:
        break;
    }
    return text("batchUnreadable");
}
} // namespace

BatchImport::BatchImport(const QStringList& pictures, const Preset& preset, bool autoFrame,
                         const QString& folder, QWidget* window)
    : QObject(window)
    , pictures_(pictures)
    , import_(folder, preset, finder_) {
    import_.setAutoFrame(autoFrame);
    outcomes_.reserve(static_cast<size_t>(pictures.size()));
    progress_ = new QProgressDialog(window);
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setWindowTitle(text("batchImportWindow"));
    progress_->setCancelButtonText(text("Cancel"));
    progress_->setRange(0, static_cast<int>(pictures.size()));
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumWidth(420);
    connect(progress_, &QProgressDialog::canceled, this, &BatchImport::cancel);
}

BatchImport::~BatchImport() {
    delete progress_.data();
}

void BatchImport::start() {
    progress_->setValue(0);
    progress_->show();
    QTimer::singleShot(kFirstPictureDelayMilliseconds, this, &BatchImport::importNext);
}

void BatchImport::cancel() {
    cancelled_ = true;
}

void BatchImport::importNext() {
    if (cancelled_ || next_ >= pictures_.size()) {
        finish();
        return;
    }
    const QString& picture = pictures_.at(next_);
    progress_->setLabelText(text("batchProgress")
                                .arg(FileManager::lastPathComponent(picture))
                                .arg(next_ + 1)
                                .arg(pictures_.size()));
    // A modal progress dialog takes the events waiting here, a click on Cancel among them.
    progress_->setValue(next_);
    if (cancelled_) {
        finish();
        return;
    }
    outcomes_.push_back(import_.importPicture(picture));
    Q_EMIT pictureImported(next_);
    ++next_;
    // The next pictures would only fail the same way, each after a long decode.
    if (outcomes_.back().failure == PictureImport::Failure::DiskFull) {
        finish();
        return;
    }
    QTimer::singleShot(0, this, &BatchImport::importNext);
}

void BatchImport::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    progress_->hide();
    Q_EMIT finished();
}

BatchImport::Summary BatchImport::summary() const {
    QStringList noFace;
    QStringList outside;
    QStringList failed;
    int made = 0;
    for (const auto& outcome : outcomes_) {
        const QString file = FileManager::lastPathComponent(outcome.source);
        if (!outcome.succeeded()) {
            failed << QStringLiteral("%1 (%2)").arg(file, reason(outcome.failure));
            continue;
        }
        ++made;
        if (!outcome.report.faceFound) {
            noFace << file;
        } else if (outcome.report.status() != QLatin1String("ok")) {
            outside << file;
        }
    }

    Summary summary;
    summary.message =
        text(cancelled_ ? "batchCancelled" : "batchDone").arg(made).arg(pictures_.size());
    // A heading for each kind, then the pictures a line each.
    QStringList sections;
    QStringList details;
    bool shortened = false;
    const std::pair<const char*, const QStringList&> lists[] = {
        {"batchNoFace", noFace}, {"batchOutside", outside}, {"batchFailed", failed}};
    for (const auto& [key, names] : lists) {
        if (names.isEmpty()) {
            continue;
        }
        QStringList listed = names;
        for (QString& name : listed) {
            name.prepend(QStringLiteral("• "));
        }
        QStringList shown = listed.mid(0, kNamesShown);
        if (names.size() > kNamesShown) {
            shown << text("batchMore").arg(names.size() - kNamesShown);
            shortened = true;
        }
        const QString newLine = QStringLiteral("\n");
        sections << text(key) + newLine + shown.join(newLine);
        details << text(key) + newLine + listed.join(newLine);
    }
    summary.informativeText = sections.join(QStringLiteral("\n\n"));
    if (shortened) {
        summary.detailedText = details.join(QStringLiteral("\n\n"));
    }
    return summary;
}
