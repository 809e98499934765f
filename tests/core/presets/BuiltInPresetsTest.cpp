#include "core/platform/PropertyList.h"
#include "core/platform/ResourceFolder.h"
#include "core/presets/Preset.h"
#include "support/NameOfParam.h"
#include "support/QtPrinters.h"
#include "support/TemporaryHome.h"

#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>
#include <optional>

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

std::shared_ptr<Preset> builtInFile(const std::vector<std::shared_ptr<Preset>>& all,
                                    const QString& file) {
    for (const auto& preset : all) {
        if (QFileInfo(preset->filePath()).completeBaseName() == file) {
            return preset;
        }
    }
    return nullptr;
}

struct RulesRow {
    const char* name; // the row's file
    std::optional<MillimetreRange> head;
    std::optional<MillimetreRange> eyes;
    FormatRules::Background background;
};

void PrintTo(const RulesRow& row, std::ostream* os) {
    *os << row.name;
}

class BuiltInRules : public BuiltInPresets, public ::testing::WithParamInterface<RulesRow> {};

TEST_P(BuiltInRules, AreTheFormatsOwn) {
    const RulesRow& row = GetParam();
    const auto preset = builtInFile(all, QString::fromLatin1(row.name));
    ASSERT_TRUE(preset);
    const FormatRules rules = preset->rules();
    EXPECT_EQ(rules.headHeight, row.head);
    EXPECT_EQ(rules.eyeLine, row.eyes);
    EXPECT_EQ(rules.background, row.background);
    EXPECT_EQ(preset->container().contains(AttributeKeys::kPresetRules), !rules.isEmpty());
}

using B = FormatRules::Background;
const std::nullopt_t kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Rows, BuiltInRules,
    ::testing::Values(
        RulesRow{"00-icao-35x45", MillimetreRange{32, 36}, MillimetreRange{22.5, 31.5}, B::Light},
        // Stated in inches.
        RulesRow{"01-us-passport-2x2in", MillimetreRange{25.4, 34.9}, MillimetreRange{28.6, 34.9},
                 B::White},
        RulesRow{"03-uk-passport-35x45", MillimetreRange{29, 34}, kNone, B::Light},
        // Only an assumed head height and a band drawn on a template: nothing to keep.
        RulesRow{"04-uk-driving-licence-35x45", kNone, kNone, B::Light},
        RulesRow{"06-germany-35x45", MillimetreRange{32, 36}, MillimetreRange{22, 32}, B::Light},
        RulesRow{"07-france-35x45", MillimetreRange{32, 36}, kNone, B::LightNotWhite},
        RulesRow{"19-new-zealand-passport-35x45", MillimetreRange{32, 36}, kNone, B::LightNotWhite},
        RulesRow{"23-brazil-passport-50x70", kNone, kNone, B::White},
        // 70–80 % of the photo height.
        RulesRow{"24-mexico-passport-35x45", MillimetreRange{31.5, 36}, kNone, B::White}),
    NameOfParam());

// Each rule agrees with the preset's guides: the face box is a head height the format
// accepts, and the eyes band is the format's own where it states one.
TEST_F(BuiltInPresets, RulesAgreeWithTheGuides) {
    int withHead = 0;
    for (const auto& preset : all) {
        const std::string name = preset->name().toStdString();
        const FormatRules rules = preset->rules();
        const double heightMm = preset->printHeight() * 10.0;
        if (rules.headHeight) {
            ++withHead;
            const double faceMm = (preset->faceTop() - preset->faceBottom()) * 10.0;
            EXPECT_TRUE(rules.headHeight->contains(faceMm)) << name << ' ' << faceMm;
            EXPECT_LE(rules.headHeight->maximum, heightMm) << name;
        }
        if (rules.eyeLine) {
            EXPECT_NEAR(rules.eyeLine->minimum, preset->eyesBottom() * 10.0, 0.05) << name;
            EXPECT_NEAR(rules.eyeLine->maximum, preset->eyesTop() * 10.0, 0.05) << name;
        }
    }
    EXPECT_GE(withHead, 20);
}

} // namespace
