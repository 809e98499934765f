#pragma once
// The file a capture is saved to: made unique and created at once, owner-only, so that the
// name nobody could predict is the very file written; the picture is then written into it.

#include <QString>
#include <memory>

class BitmapImageRep;

class CaptureFile {
public:
    // A new, empty file named "FTN_Capture_" with six random characters and ".tif" in the
    // folder (the temporary folder by default), readable and writable by its owner alone.
    // The empty string when it cannot be created.
    static QString create(const QString& folder = QString());
    // Writes the bitmap's uncompressed TIFF encoding into the file, which must exist already
    // (a file that went away is not made anew). False when nothing or not all was written.
    static bool writeTIFF(const BitmapImageRep& bitmap, const QString& path);
    // The picture a capture saves: the frame as delivered (not mirrored) copied into an opaque
    // RGB bitmap of one point per pixel. None when the frame cannot be read.
    static std::shared_ptr<BitmapImageRep> stillImage(BitmapImageRep& frame);
};
