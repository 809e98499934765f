#pragma once
// A photo document: which picture, how it is framed and adjusted, its print size in
// centimetres, and a copy of the format preset it follows. Every persistent attribute is a
// container entry, so writing the container writes the document.

#include "document/AbstractResource.h"

#include <QImage>
#include <QPointF>
#include <optional>

class Fotino : public AbstractResource {
public:
    static inline const QString kName = QStringLiteral("FTName");
    static inline const QString kWidth = QStringLiteral("FTWidth");
    static inline const QString kHeight = QStringLiteral("FTHeight");
    static inline const QString kSize = QStringLiteral("FTSize");
    static inline const QString kXOffset = QStringLiteral("FTXOffset");
    static inline const QString kYOffset = QStringLiteral("FTYOffset");
    static inline const QString kRotation = QStringLiteral("FTImageRotation");
    static inline const QString kGamma = QStringLiteral("FTImageGamma");
    static inline const QString kBrightness = QStringLiteral("FTImageBrightness");
    static inline const QString kGrayscale = QStringLiteral("_ftnGrayscale");
    static inline const QString kShowFaceFrame = QStringLiteral("FTShowFaceFrame");
    static inline const QString kFaceFrameSize = QStringLiteral("FTFaceFrameSize");
    static inline const QString kVersion = QStringLiteral("FTVers");
    static inline const QString kImageName = QStringLiteral("FTImageName");
    static inline const QString kThumbnail = QStringLiteral("FTZImage");
    static inline const QString kPresetName = QStringLiteral("presetName");
    static inline const QString kPresetUUID = QStringLiteral("presetUUID");
    static inline const QString kPresetIcon = QStringLiteral("presetIcon");
    static inline const QString kPresetMask = QStringLiteral("presetMask");
    static inline const QString kPresetGuides = QStringLiteral("presetGuides");
    static inline const QString kFileType = QStringLiteral("ftoct");

    // A new document: the localized "untitled" name, 3.5 x 4.5 cm, guides shown.
    Fotino();
    ~Fotino() override = default;

    static std::shared_ptr<Fotino> initWithPath(const QString& path);
    std::shared_ptr<Fotino> copyFotino() const;

    QString name() const override;
    void setName(const QString& name) override;

    // Print size: in centimetres, and in the display unit.
    float widthInCm() const;
    float heightInCm() const;
    float width() const;
    float height() const;
    void setWidth(float width);
    void setHeight(float height);
    // "3.50 x 4.50 cm" in the display unit.
    QString size() const;

    float pictureSize() const;
    void setPictureSize(float scale);
    float XOffset() const;
    void setXOffset(float offset);
    float YOffset() const;
    void setYOffset(float offset);
    QPointF offset() const;
    QPointF offsetInPercent() const;
    void setOffset(QPointF offset);
    float rotation() const;
    void setRotation(float degrees);
    int gamma() const;
    void setGamma(int gamma);
    int brightness() const;
    void setBrightness(int brightness);
    bool grayscale() const;
    void setGrayscale(bool grayscale);
    bool showFaceFrame() const;
    void setShowFaceFrame(bool show);
    float frameSize() const;
    int pictureVersion() const;
    void setPictureVersion(int version);
    QString imageName() const;
    void setImageName(const QString& imageName);

    // The thumbnail's TIFF data, stored as given; image() decodes it (a null image if none).
    void setImage(const QByteArray& data);
    QImage image() const;

    // The "presetGuides" dictionary, or none.
    std::optional<QVariantMap> guides() const;

    // The values the library list shows, by property name: "name", "size", and "selection"
    // (always none: the list draws the tick itself).
    QVariant valueForKey(const QString& key) const;

protected:
    std::shared_ptr<AbstractResource> newInstance() const override;
};
