#pragma once
// Helpers shared by the document, library, window and command-line tests: documents on disk
// and the names of a list of them.

#include "core/document/Fotino.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace documenttest {

// Saves a document of that name and print size (in centimetres) at the path.
inline void writeDocument(const QString& path, const QString& name, float widthCm = 3.5f,
                          float heightCm = 4.5f) {
    Fotino doc;
    doc.setName(name);
    doc.setFloat(widthCm, AttributeKeys::kWidth);
    doc.setFloat(heightCm, AttributeKeys::kHeight);
    ASSERT_TRUE(doc.saveToFile(path)) << path.toStdString();
}

// Makes doc the document folder/base.ftoct with the picture beside it as base.png, at 72 dpi
// (one point a pixel), framed at that scale around its centre.
inline void framePicture(Fotino& doc, const QString& folder, const QString& base, QImage picture,
                         float scale) {
    picture.setDotsPerMeterX(2835);
    picture.setDotsPerMeterY(2835);
    ASSERT_TRUE(picture.save(QDir(folder).filePath(base + QStringLiteral(".png"))));
    doc.setFilePath(QDir(folder).filePath(base + QStringLiteral(".ftoct")));
    doc.setImageName(base + QStringLiteral(".png"));
    doc.setPictureSize(scale);
    doc.setOffset(QPointF(50, 50));
    doc.setPictureVersion(1);
}

// The same with a one-colour picture of that many pixels.
inline void frame(Fotino& doc, const QString& folder, const QString& base, QSize pixels,
                  QColor colour, float scale) {
    QImage picture(pixels, QImage::Format_RGB888);
    picture.fill(colour);
    framePicture(doc, folder, base, std::move(picture), scale);
}

template <typename T> QStringList namesOf(const std::vector<std::shared_ptr<T>>& list) {
    QStringList names;
    for (const auto& item : list) {
        names << item->name();
    }
    return names;
}

} // namespace documenttest
