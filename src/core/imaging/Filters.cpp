#include "core/imaging/Filters.h"

#include "core/imaging/LookupTables.h"
#include "core/imaging/PixelLoops.h"
#include "core/platform/BitmapImageRep.h"
#include "core/platform/Log.h"

#include <algorithm>
#include <cstring>

namespace Filters {

namespace {

PixelLoops::AlphaPosition alphaPosition(const BitmapImageRep& rep) {
    return rep.bitmapFormat() & BitmapImageRep::kAlphaFirst ? PixelLoops::AlphaPosition::First
                                                            : PixelLoops::AlphaPosition::Last;
}

std::shared_ptr<BitmapImageRep> exactCopy(const BitmapImageRep& rep) {
    auto copy = BitmapImageRep::initWithLayout(rep.layout());
    if (!copy)
        return nullptr;
    std::memcpy(copy->bitmapData(), rep.bitmapData(), static_cast<std::size_t>(rep.dataSize()));
    copy->setSize(rep.size());
    return copy;
}

std::shared_ptr<BitmapImageRep> newBitmap(const BitmapImageRep& like, int samples,
                                          BitmapImageRep::ColorSpace colorSpace) {
    BitmapImageRep::Layout layout;
    layout.pixelsWide = like.pixelsWide();
    layout.pixelsHigh = like.pixelsHigh();
    layout.samplesPerPixel = samples;
    layout.colorSpace = colorSpace;
    return BitmapImageRep::initWithLayout(layout);
}

} // namespace

std::shared_ptr<BitmapImageRep> packedRGB(std::shared_ptr<BitmapImageRep> rep,
                                          BitmapImageRep::ColorSpace colorSpace, Packing packing) {
    if (!rep || rep->bitsPerPixel() != 32)
        return nullptr;
    const int width = rep->pixelsWide(), height = rep->pixelsHigh();
    if (packing == Packing::Copy) {
        auto rgb = newBitmap(*rep, 3, colorSpace);
        if (rgb)
            PixelLoops::convert32ToPackedRGB(rep->bitmapData(), width, height, rep->bytesPerRow(),
                                             alphaPosition(*rep), rgb->bitmapData(),
                                             rgb->bytesPerRow(), PixelLoops::callerThreads());
        return rgb;
    }
    BitmapImageRep::Layout layout;
    layout.pixelsWide = width;
    layout.pixelsHigh = height;
    layout.colorSpace = colorSpace;
    if (!BitmapImageRep::normalizeLayout(layout))
        return nullptr;
    PixelLoops::stripAlphaInPlace(rep->bitmapData(), width, height, rep->bytesPerRow(),
                                  alphaPosition(*rep), layout.bytesPerRow,
                                  PixelLoops::callerThreads());
    unsigned char* bytes = rep->bitmapData();
    return BitmapImageRep::initWithBytesNoCopy(
        bytes, layout, [keep = std::move(rep)](unsigned char*) mutable { keep.reset(); });
}

std::shared_ptr<BitmapImageRep> convertToRGB(const std::shared_ptr<BitmapImageRep>& rep) {
    if (!rep)
        return nullptr;
    if (rep->samplesPerPixel() == 3 && rep->bitsPerPixel() == 24)
        return exactCopy(*rep);
    if (rep->bitsPerPixel() != 32) {
        Log::write(QStringLiteral("Warning : Cannot convert this format of image to RGB24, bps %1 "
                                  "bpp %2 spp %3 : %4")
                       .arg(rep->bitsPerSample())
                       .arg(rep->bitsPerPixel())
                       .arg(rep->samplesPerPixel())
                       .arg(rep->description()));
        return nullptr;
    }
    return packedRGB(rep, BitmapImageRep::ColorSpace::CalibratedRGB, Packing::Copy);
}

std::shared_ptr<BitmapImageRep> strippedAlphaImageRep(const std::shared_ptr<BitmapImageRep>& rep) {
    // Only 8-bit four-byte pixels are ever stripped; a wider layout is left as it is.
    if (!rep || rep->samplesPerPixel() != 4 || rep->bitsPerPixel() != 32)
        return rep;
    auto stripped = packedRGB(rep, rep->colorSpaceName(), Packing::Copy);
    return stripped ? stripped : rep;
}

void applyGamma(BitmapImageRep* rep, const std::uint8_t* table) {
    if (!rep || !table)
        return;
    if (rep->bitsPerSample() < 8) {
        Log::write(QStringLiteral("Warning cannot apply gamma to this kind of images."));
        return;
    }
    PixelLoops::applyTable(rep->bitmapData(), rep->pixelsHigh(), rep->bytesPerRow(), table,
                           PixelLoops::callerThreads());
}

std::shared_ptr<BitmapImageRep> convertToGrayscale(const std::shared_ptr<BitmapImageRep>& rep) {
    if (!rep || rep->bitsPerSample() <= 0)
        return nullptr;
    const int n = rep->bitsPerPixel() / rep->bitsPerSample();
    if (n == 1 && rep->bitsPerPixel() == 8)
        return exactCopy(*rep);
    if (rep->bitsPerSample() != 8 || (n != 3 && n != 4))
        return nullptr;
    auto gray = newBitmap(*rep, 1, BitmapImageRep::ColorSpace::CalibratedWhite);
    if (!gray)
        return nullptr;
    PixelLoops::convertToGray(rep->bitmapData(), rep->pixelsWide(), rep->pixelsHigh(),
                              rep->bytesPerRow(), n, gray->bitmapData(), gray->bytesPerRow(),
                              PixelLoops::callerThreads());
    gray->setSize(rep->size());
    return gray;
}

void buildContrastBrightnessLUT(std::uint8_t* table, float contrast, float brightness) {
    LookupTables::buildContrastBrightnessLUT(table, contrast, brightness);
}

void buildGammaLUTs(std::uint8_t* red, std::uint8_t* green, std::uint8_t* blue, int gamma,
                    int offset) {
    LookupTables::buildGammaLUTs(red, green, blue, gamma, offset);
}

} // namespace Filters
