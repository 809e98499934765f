#include "core/presets/FramingGuides.h"

#include "core/presets/Preset.h"

#include <cmath>

std::vector<FramingGuides::Guide>
FramingGuides::guidesInView(const std::optional<QVariantMap>& guides, float widthInCm,
                            float viewWidth) {
    std::vector<Guide> placed;
    const float scale = viewWidth / widthInCm;
    if (!guides || !(widthInCm > 0) || !std::isfinite(scale)) {
        return placed;
    }
    const auto add = [&](const QString& name, const QVariant& value) {
        if (value.typeId() != QMetaType::QVariantMap) {
            return;
        }
        const QRectF cm = Preset::rectFromGuide(value.toMap());
        placed.push_back(
            {name, QRectF(static_cast<float>(cm.x()) * scale, static_cast<float>(cm.y()) * scale,
                          static_cast<float>(cm.width()) * scale,
                          static_cast<float>(cm.height()) * scale)});
    };
    if (const auto face = guides->constFind(Preset::kFaceGuide); face != guides->cend()) {
        add(face.key(), face.value());
    }
    for (auto it = guides->cbegin(); it != guides->cend(); ++it) {
        if (it.key() != Preset::kFaceGuide) {
            add(it.key(), it.value());
        }
    }
    return placed;
}

QLineF FramingGuides::centreLine(QSizeF view) {
    return {view.width() / 2, 0, view.width() / 2, view.height()};
}
