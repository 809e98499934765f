#pragma once
// Writing a bitmap to a picture file: TIFF, JPEG or PNG, with the bitmap's resolution. Every
// write goes through a temporary file, so an existing file is wholly replaced or untouched.

#include <QByteArray>
#include <QString>
#include <optional>

class BitmapImageRep;

namespace FileFormatsExport {
// The path with its extension replaced by the given one; none when the path's folder is not
// an existing folder or the extension is empty.
std::optional<QString> checkPath(const QString& path, const QString& setToExtension);

QByteArray TIFFData(const BitmapImageRep& rep);
// Compression factor from 0 (smallest file) to 1 (best quality).
QByteArray JPEGDataWithCompressionFactor(const BitmapImageRep& rep, float compressionFactor);
QByteArray PNGData(const BitmapImageRep& rep);

// Each writes to the path with the format's extension ("tif", "jpg", "png") in place of its
// own, overwriting an existing file; false when nothing was written.
bool writeTIFFToFile(const BitmapImageRep& rep, const QString& path);
bool writeJPEGToFile(const BitmapImageRep& rep, const QString& path, float compression);
bool writePNGToFile(const BitmapImageRep& rep, const QString& path);
} // namespace FileFormatsExport
