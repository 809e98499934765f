#pragma once
// A document format: print size, outline mask, icon, and named guide rectangles (the box
// the face must fill, the band the eyes must lie in), in centimetres from the photo's
// lower-left corner; and, where the format states them, its rules (head height, eye line,
// background). Built-in presets ship with the program; the user's own live in the
// user presets folder. The class operations are the store.

#include "core/document/AbstractResource.h"
#include "core/document/AttributeKeys.h"
#include "core/presets/FormatRules.h"

#include <QByteArray>
#include <QRectF>
#include <QVariantMap>
#include <memory>
#include <optional>
#include <vector>

class Fotino;
class Image;

class Preset : public AbstractResource {
public:
    static inline const QString kFaceGuide = QStringLiteral("0_Face");
    static inline const QString kEyesGuide = QStringLiteral("Eyes");
    static inline const QString kFileType = QStringLiteral("ftnpst");
    static inline const QString kListChanged = QStringLiteral("_presetsListChanged");

    Preset() = default;
    ~Preset() override = default;

    // Every preset, read afresh: the built-in ones, then the user's, each folder in
    // listing order. A file that does not load still gives a (blank) preset.
    static std::vector<std::shared_ptr<Preset>> presets();
    // The first preset with that identifier, or none.
    static std::shared_ptr<Preset> presetWithUUID(const QString& uuid);
    // A new, unsaved preset: 2 x 2 in with the default face and eyes guides.
    static std::shared_ptr<Preset> defaultPreset();
    static QString presetsPath();
    static QString userPresetsPath();
    // (left, bottom, right - left, top - bottom); the zero rectangle for a missing guide.
    static QRectF rectFromGuide(const std::optional<QVariantMap>& guide);

    // Identifiers: 16 characters, one per byte of a fresh 128-bit UUID. A byte that XML text
    // cannot carry (a control character) is kept as a private-use character, so an
    // identifier read back from its file is the one that was saved.
    static QString identifierFromBytes(const QByteArray& bytes);
    static QString newIdentifier();

    QString name() const override;
    void setName(const QString& name) override;
    QString uuid() const;
    void setUUID(const QString& uuid);

    float printWidth() const;
    float printHeight() const;
    void setPrintWidth(float width, float height);

    // The mask laid over the photo, or none.
    std::shared_ptr<Image> mask() const;
    // Keeps the picture's TIFF; a picture without bitmap changes nothing.
    void setMask(const Image& mask);
    // The icon, or the program's generic preset icon when the preset has none.
    std::shared_ptr<Image> icon() const;
    void setIcon(const Image& icon);
    // The TIFF data of the mask and the icon, or empty.
    QByteArray maskData() const;
    void setMaskData(const QByteArray& tiff);
    QByteArray iconData() const;
    void setIconData(const QByteArray& tiff);

    // The guides dictionary, created empty when absent.
    QVariantMap guides();
    std::optional<QVariantMap> guideNamed(const QString& name) const;
    void setGuide(const QString& name, float left, float top, float right, float bottom);
    void setFaceLeft(float left, float top, float right, float bottom);
    void setEyesLeft(float left, float top, float right, float bottom);
    float faceLeft() const;
    float faceTop() const;
    float faceRight() const;
    float faceBottom() const;
    float eyesLeft() const;
    float eyesTop() const;
    float eyesRight() const;
    float eyesBottom() const;

    // The rules of the format, as far as the preset states them; none for a preset without
    // the entry or with one that cannot be read.
    FormatRules rules() const;
    // Keeps the rules; rules that state nothing remove the entry.
    void setRules(const FormatRules& rules);

    // Writes the preset as a user preset named after its name (a file of a previous name
    // is renamed) and tells the windows the list changed. A name that cannot be a file
    // name in that folder (empty, ".", "..", or holding "/") writes nothing.
    bool save();
    // Removes the preset's file and tells the windows the list changed.
    void deletePreset();
    // Whether the preset's file lies in the built-in folder.
    bool builtIn() const;
    // Gives the document this format: every entry of the preset except its file type, after
    // dropping the mask and rules of the previous format, which the preset may lack.
    void applyTo(Fotino& document) const;

protected:
    std::shared_ptr<AbstractResource> newInstance() const override;

private:
    float guideValue(const QString& guide, const QString& entry) const;
};
