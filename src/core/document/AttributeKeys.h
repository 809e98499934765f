#pragma once
// The attribute keys of documents and presets. Applying a preset merges its entries into the
// document, so the keys they have in common are the same constants.

#include <QString>

namespace AttributeKeys {
// Documents.
inline const QString kName = QStringLiteral("FTName");
inline const QString kSize = QStringLiteral("FTSize");
inline const QString kXOffset = QStringLiteral("FTXOffset");
inline const QString kYOffset = QStringLiteral("FTYOffset");
inline const QString kRotation = QStringLiteral("FTImageRotation");
inline const QString kGamma = QStringLiteral("FTImageGamma");
inline const QString kBrightness = QStringLiteral("FTImageBrightness");
inline const QString kGrayscale = QStringLiteral("_ftnGrayscale");
inline const QString kShowFaceFrame = QStringLiteral("FTShowFaceFrame");
inline const QString kFaceFrameSize = QStringLiteral("FTFaceFrameSize");
inline const QString kVersion = QStringLiteral("FTVers");
inline const QString kImageName = QStringLiteral("FTImageName");
inline const QString kThumbnail = QStringLiteral("FTZImage");
// Both: the print size in centimetres, and the preset's own entries.
inline const QString kWidth = QStringLiteral("FTWidth");
inline const QString kHeight = QStringLiteral("FTHeight");
inline const QString kPresetName = QStringLiteral("presetName");
inline const QString kPresetUUID = QStringLiteral("presetUUID");
inline const QString kPresetIcon = QStringLiteral("presetIcon");
inline const QString kPresetMask = QStringLiteral("presetMask");
inline const QString kPresetGuides = QStringLiteral("presetGuides");
// The format's rules (head height, eye line, background), where the format states them.
inline const QString kPresetRules = QStringLiteral("presetRules");
} // namespace AttributeKeys
