#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/document/AbstractResource.h"
#include "core/document/AttributeKeys.h"
#include "core/platform/PropertyList.h"

namespace {
// Every typed view the program takes of an attribute.
void readEveryWay(const AbstractResource& resource, const QString& key) {
    (void)resource.doubleForKey(key);
    (void)resource.floatForKey(key);
    (void)resource.intForKey(key);
    (void)resource.unsignedIntForKey(key);
    (void)resource.unsignedShortForKey(key);
    (void)resource.boolForKey(key);
    (void)resource.stringForKey(key);
    (void)resource.pointForKey(key);
    (void)resource.sizeForKey(key);
}
} // namespace

bool FuzzTargets::propertyList(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto value = PropertyList::fromData(bytes);
    if (!value) {
        return true;
    }
    // What is read can be written when it can be written at all, and what is written reads
    // back to the same file.
    if (const auto xml = PropertyList::toXML(*value)) {
        const auto again = PropertyList::fromData(*xml);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(PropertyList::toXML(*again) == xml);
    }
    if (value->typeId() != QMetaType::QVariantMap) {
        return true;
    }
    AbstractResource resource;
    resource.container() = value->toMap();
    (void)resource.description();
    (void)resource.name();
    (void)resource.uniqueId();
    (void)resource.fileType();
    using namespace AttributeKeys;
    for (const QString& key : {kName, kSize, kXOffset, kYOffset, kRotation, kGamma, kBrightness,
                               kGrayscale, kShowFaceFrame, kFaceFrameSize, kVersion, kImageName,
                               kWidth, kHeight, kPresetName, kPresetUUID}) {
        readEveryWay(resource, key);
    }
    return true;
}
