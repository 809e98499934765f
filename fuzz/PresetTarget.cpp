#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/platform/FileManager.h"
#include "core/platform/Image.h"
#include "core/presets/FormatRules.h"
#include "core/presets/Preset.h"
#include "core/presets/PresetForm.h"
#include "core/presets/PresetIcon.h"

#include <QDir>
#include <QLocale>

bool FuzzTargets::preset(const uint8_t* data, size_t size) {
    static const QString folder = [] {
        const QString path = QDir(sandbox()).filePath(QStringLiteral("preset"));
        QDir().mkpath(path);
        return path;
    }();
    const QString path = QDir(folder).filePath(QStringLiteral("Fuzzed.ftnpst"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!FileManager::createFileAtPath(path, bytes)) {
        return true;
    }
    const auto preset = AbstractResource::initWithPath<Preset>(path);
    if (!preset) {
        return true;
    }
    (void)preset->name();
    (void)preset->uuid();
    (void)preset->builtIn();
    // The icon as menus show it.
    if (const auto icon = PresetIcon::fromPicture(preset->icon())) {
        const auto& reps = icon->representations();
        FUZZ_CHECK(!reps.empty());
        FUZZ_CHECK(reps.front()->pixelsWide() <= PresetIcon::kMaximumSide &&
                   reps.front()->pixelsHigh() <= PresetIcon::kMaximumSide);
    }
    (void)preset->mask();
    for (const QString& guide : {Preset::kFaceGuide, Preset::kEyesGuide}) {
        (void)Preset::rectFromGuide(preset->guideNamed(guide));
    }
    (void)preset->faceLeft();
    (void)preset->eyesBottom();
    // The rules read back from what they write are the same rules.
    const FormatRules rules =
        FormatRules::fromDictionary(preset->objectForKey(AttributeKeys::kPresetRules).toMap());
    FUZZ_CHECK(FormatRules::fromDictionary(rules.dictionary()) == rules);
    // The editor's fields, in both units.
    for (const bool metric : {true, false}) {
        const PresetForm form(*preset, metric, QLocale::c());
        (void)form.problems();
        for (int field = 0; field < PresetForm::kFieldCount; ++field) {
            (void)form.centimetres(static_cast<PresetForm::Field>(field));
        }
    }
    return true;
}
