#pragma once
// Finds the largest frontal face and both its eyes in a picture, offline, with OpenCV's
// trained cascades. A picture without a clear face answers none, never a guess. One finder
// serves several threads: their searches take turns at the cascades, which OpenCV does not
// let two threads use at once.

#include "core/analysis/FaceFeatures.h"

#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class Image;

class FaceFinder {
public:
    // Loads the cascades from the folder (OpenCV's installed data folder by default).
    explicit FaceFinder(const QString& cascadeFolder = defaultCascadeFolder());
    ~FaceFinder();
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // Where the installed cascades are: the first of the known data folders that holds them.
    static QString defaultCascadeFolder();

    // Whether the cascades could be loaded; a finder that is not ready finds nothing.
    bool isReady() const;

    // Searches a downscaled gray copy; positions are in the given picture's pixels. Of several
    // faces, the largest whose two eyes are seen; a face box without them is not a face.
    std::optional<FaceFeatures> find(const QImage& picture) const;
    // The same for a picture's first bitmap.
    std::optional<FaceFeatures> find(const Image& picture) const;

private:
    struct Cascades;
    std::unique_ptr<Cascades> cascades_;
};
