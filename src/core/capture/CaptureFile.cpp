#include "core/capture/CaptureFile.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/TemporaryName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

QString CaptureFile::create(const QString& folder) {
    const QString where = folder.isEmpty() ? TemporaryName::temporaryDirectory() : folder;
    QTemporaryFile file(QDir(where).filePath(QStringLiteral("FTN_Capture_XXXXXX.tif")));
    file.setAutoRemove(false);
    if (!file.open()) {
        return {};
    }
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.remove();
        return {};
    }
    return file.fileName();
}

bool CaptureFile::writeTIFF(const BitmapImageRep& bitmap, const QString& path) {
    const QByteArray tiff = bitmap.TIFFRepresentation();
    if (tiff.isEmpty()) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly)) {
        return false;
    }
    return file.write(tiff) == tiff.size() && file.flush();
}

std::shared_ptr<BitmapImageRep> CaptureFile::stillImage(BitmapImageRep& frame) {
    QImage picture = frame.toQImage().convertToFormat(QImage::Format_RGB888);
    if (picture.isNull()) {
        return nullptr;
    }
    auto still = BitmapImageRep::initWithQImage(std::move(picture));
    if (still) {
        still->setSize(QSizeF(still->pixelsWide(), still->pixelsHigh()));
    }
    return still;
}
