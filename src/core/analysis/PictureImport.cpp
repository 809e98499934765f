#include "core/analysis/PictureImport.h"

#include "core/analysis/AutoFrame.h"
#include "core/analysis/FaceFinder.h"
#include "core/document/DocumentLibrary.h"
#include "core/document/DocumentStorage.h"
#include "core/document/Fotino.h"
#include "core/document/PictureScale.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/presets/Preset.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {
// Why the last write failed, as far as the import's caller can act on it.
PictureImport::Failure writeFailure() {
    return FileManager::lastWriteError() == FileManager::WriteError::DiskFull
               ? PictureImport::Failure::DiskFull
               : PictureImport::Failure::WriteFailed;
}

// A dangling symbolic link counts: writing through it would create a file elsewhere.
bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString withType(const QString& base, const QString& type) {
    return type.isEmpty() ? base : base + QLatin1Char('.') + type;
}

QString figure(const std::optional<double>& millimetres) {
    return millimetres ? QString::number(*millimetres, 'f', 1) : QStringLiteral("-");
}
} // namespace

PictureImport::PictureImport(const QString& folder, const Preset& preset, const FaceFinder& finder)
    : folder_(folder)
    , preset_(std::static_pointer_cast<Preset>(preset.copy()))
    , finder_(finder) {}

PictureImport::~PictureImport() = default;

PictureImport::Outcome PictureImport::importPicture(const QString& picturePath) {
    Outcome outcome;
    outcome.source = picturePath;
    // Only plain files: reading a pipe or a device could wait or read forever.
    if (!FileManager::isRegularFileAtPath(picturePath) || !QImageReader(picturePath).canRead()) {
        outcome.failure = Failure::UnreadablePicture;
        return outcome;
    }
    if (!FileManager::createDirectoryAtPath(folder_, true) &&
        !FileManager::isDirectoryAtPath(folder_)) {
        outcome.failure = Failure::WriteFailed;
        return outcome;
    }
    if (!takenRead_) {
        for (const auto& document : DocumentLibrary::listDocuments(folder_)) {
            taken_.insert(document->name());
        }
        takenRead_ = true;
    }
    const QString extension = FileManager::pathExtension(picturePath);
    const QString wanted =
        name_.isEmpty()
            ? FileManager::pathWithoutExtension(FileManager::lastPathComponent(picturePath))
            : name_;
    const QString name = uniqueName(folder_, wanted, extension, taken_);
    outcome.name = name.isEmpty() ? wanted : name;
    if (name.isEmpty()) {
        outcome.failure = Failure::UnusableName;
        return outcome;
    }

    auto document = std::make_shared<Fotino>();
    preset_->applyTo(*document);
    document->setFileType(Fotino::kFileType);
    document->setFilePath(withType(QDir(folder_).filePath(name), Fotino::kFileType));
    document->setImageName(withType(name, extension));
    const QString copy = document->originalPicturePath();
    // The copy is written first and the document reads its picture from there, so that the
    // picture is decoded once for framing, measuring and the thumbnail.
    {
        const auto bytes = FileManager::contentsAtPath(picturePath);
        if (!bytes) {
            outcome.failure = Failure::UnreadablePicture;
            return outcome;
        }
        if (!FileManager::createFileAtPath(copy, *bytes)) {
            outcome.failure = writeFailure();
            return outcome;
        }
    }
    const auto abandon = [&](Failure failure) {
        FileManager::removeItemAtPath(copy);
        outcome.failure = failure;
        return outcome;
    };
    if (!document->originalPicture()) {
        return abandon(Failure::UnreadablePicture);
    }

    document->frameNewPicture();
    std::optional<FaceFeatures> face;
    if (autoFrame_) {
        const AutoFrame::Result framed = AutoFrame::frame(*document, finder_);
        if (framed.outcome == AutoFrame::Outcome::Framed) {
            face = framed.face;
        }
    } else if (const auto picture = document->originalPicture()) {
        face = finder_.find(*picture);
    }
    outcome.report = ComplianceReport::evaluate(*document, face);

    document->setName(name);
    document->setPictureVersion(1);
    document->setImage(document->createThumbnail());
    if (!document->saveToFile()) {
        return abandon(writeFailure());
    }
    taken_.insert(name);
    outcome.path = document->filePath();
    return outcome;
}

PictureImport::Outcome PictureImport::check(const QString& documentPath, const FaceFinder& finder) {
    Outcome outcome;
    outcome.source = documentPath;
    outcome.path = documentPath;
    const auto document = FileManager::isRegularFileAtPath(documentPath)
                              ? Fotino::initWithPath(documentPath)
                              : nullptr;
    if (!document) {
        outcome.failure = Failure::UnreadableDocument;
        return outcome;
    }
    outcome.name = document->name();
    const auto picture = document->originalPicture();
    if (!picture) {
        outcome.failure = Failure::UnreadablePicture;
        return outcome;
    }
    // Measuring writes nothing: without its path an old document's framing is converted in
    // memory only (the picture is already loaded).
    document->setFilePath(QString());
    document->convertOldOffset();
    outcome.report = ComplianceReport::evaluate(*document, finder.find(*picture));
    return outcome;
}

std::shared_ptr<Preset>
PictureImport::presetNamed(const QString& name,
                           const std::vector<std::shared_ptr<Preset>>& presets) {
    std::shared_ptr<Preset> found;
    for (const auto& preset : presets) {
        if (preset->name() == name) {
            found = preset;
        }
    }
    if (found || name.isEmpty()) {
        return found;
    }
    for (const auto& preset : presets) {
        const QString file = FileManager::lastPathComponent(preset->filePath());
        if (preset->builtIn() &&
            (file == name || FileManager::pathWithoutExtension(file) == name)) {
            return preset;
        }
    }
    return nullptr;
}

QString PictureImport::uniqueName(const QString& folder, const QString& name,
                                  const QString& pictureExtension, const QSet<QString>& taken) {
    const QDir dir(folder);
    for (int number = 1;; ++number) {
        const QString candidate =
            number == 1 ? name : QStringLiteral("%1 %2").arg(name).arg(number);
        if (!DocumentStorage::isUsableName(candidate)) {
            return {};
        }
        if (taken.contains(candidate)) {
            continue;
        }
        const QString base = dir.filePath(candidate);
        if (!occupied(withType(base, Fotino::kFileType)) &&
            !occupied(withType(base, Fotino::kCalibratedType)) &&
            !occupied(withType(base, pictureExtension))) {
            return candidate;
        }
    }
}

QString PictureImport::reportLine(const Outcome& outcome) {
    QString name = outcome.name;
    for (QChar& c : name) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    const ComplianceReport& report = outcome.report;
    const QChar tab = QLatin1Char('\t');
    return name + tab + outcome.path + tab +
           (report.faceFound ? figure(report.headHeight) : QStringLiteral("-")) + tab +
           (report.faceFound ? figure(report.eyeLine) : QStringLiteral("-")) + tab +
           report.status();
}
