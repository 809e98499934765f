#include "core/presets/PresetIcon.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/Image.h"

std::shared_ptr<Image> PresetIcon::fromPicture(const std::shared_ptr<Image>& picture) {
    if (!picture || picture->representations().empty()) {
        return nullptr;
    }
    const std::shared_ptr<BitmapImageRep>& rep = picture->representations().front();
    if (rep->pixelsWide() <= kMaximumSide && rep->pixelsHigh() <= kMaximumSide) {
        return picture;
    }
    auto smaller = BitmapImageRep::initWithQImage(rep->toQImage().scaled(
        kMaximumSide, kMaximumSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    if (!smaller) {
        return nullptr;
    }
    auto icon = std::make_shared<Image>(smaller->size());
    icon->addRepresentation(std::move(smaller));
    return icon;
}
