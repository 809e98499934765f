#include "core/platform/PropertyList.h"
#include "core/platform/ResourceFolder.h"
#include "core/presets/Preset.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The presets the build generated, as the program finds them.
class BuiltInPresets : public ::testing::Test {
protected:
    void SetUp() override {
        ResourceFolder::setOverride(QString());
        all = Preset::presets();
    }
    TemporaryHome home;
    std::vector<std::shared_ptr<Preset>> all;
};

TEST_F(BuiltInPresets, AreListedWithTheICAOFormatFirst) {
    ASSERT_GE(all.size(), 25u) << Preset::presetsPath().toStdString();
    EXPECT_EQ(all.front()->name(), QStringLiteral("ICAO 35×45 mm"));
    EXPECT_EQ(all.front()->printWidth(), 3.5f);
    EXPECT_EQ(all.front()->printHeight(), 4.5f);
    QSet<QString> names;
    QSet<QString> identifiers;
    for (const auto& preset : all) {
        EXPECT_TRUE(preset->builtIn()) << preset->name().toStdString();
        names.insert(preset->name());
        identifiers.insert(preset->uuid());
        EXPECT_EQ(preset->uuid().size(), 16);
        EXPECT_TRUE(PropertyList::toXML(QVariant(preset->container())))
            << "a copy of it can be saved";
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(all.size()));
    EXPECT_EQ(identifiers.size(), static_cast<qsizetype>(all.size()));
}

TEST_F(BuiltInPresets, HaveGuidesInsideThePhoto) {
    for (const auto& preset : all) {
        const std::string name = preset->name().toStdString();
        const QRectF photo(0, 0, preset->printWidth(), preset->printHeight());
        ASSERT_FALSE(photo.isEmpty()) << name;
        for (const QString& guide : {Preset::kFaceGuide, Preset::kEyesGuide}) {
            const QRectF rect = Preset::rectFromGuide(preset->guideNamed(guide));
            EXPECT_GT(rect.width(), 0) << name;
            EXPECT_GT(rect.height(), 0) << name;
            EXPECT_TRUE(photo.adjusted(-1e-4, -1e-4, 1e-4, 1e-4).contains(rect))
                << name << ' ' << guide.toStdString();
        }
        // The eyes lie inside the face box, across the whole width.
        EXPECT_GT(preset->eyesBottom(), preset->faceBottom()) << name;
        EXPECT_LT(preset->eyesTop(), preset->faceTop()) << name;
        EXPECT_EQ(preset->eyesRight(), preset->printWidth()) << name;
    }
}

TEST_F(BuiltInPresets, CarryALegibleIconAndATransparentMask) {
    for (const auto& preset : all) {
        const std::string name = preset->name().toStdString();
        const QImage icon = QImage::fromData(preset->iconData());
        ASSERT_FALSE(icon.isNull()) << name;
        // At least 24 x 18 points.
        EXPECT_GE(icon.width() * 72.0 / (icon.dotsPerMeterX() * 0.0254), 23.9) << name;
        EXPECT_GE(icon.height() * 72.0 / (icon.dotsPerMeterY() * 0.0254), 17.9) << name;

        const QImage mask = QImage::fromData(preset->maskData());
        ASSERT_FALSE(mask.isNull()) << name;
        ASSERT_TRUE(mask.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(mask.pixel(mask.width() / 2, mask.height() / 2)), 0) << name;
        // The outline lies on the photo's edge: one point (about 4 pixels at 300 dpi) in.
        EXPECT_EQ(qAlpha(mask.pixel(mask.width() / 2, 0)), 0) << name;
        EXPECT_GT(qAlpha(mask.pixel(mask.width() / 2, 5)), 0) << name;
    }
}

} // namespace
