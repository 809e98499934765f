#pragma once

// Bitmap operations of the adjustment pipeline: conversion to packed RGB and to 8-bit gray,
// alpha removal, and applying a lookup table in place. Failures answer none and log a line.

#include "core/platform/BitmapImageRep.h"

#include <cstdint>
#include <memory>

namespace Filters {

enum class Packing { Copy, InPlace };

// The colour bytes of a bitmap of 4-byte pixels (32 bits a pixel; the alpha or spare byte
// first or last as its format says) as packed RGB: rows exactly 3 x pixelsWide apart, no
// alpha, one point per pixel, in `colorSpace`. Copy makes a new bitmap and leaves `rep` as it
// was; InPlace packs rep's own bytes and answers a bitmap that shares them, after which `rep`
// no longer holds 4-byte pixels. None for other layouts or when no bitmap can be made.
std::shared_ptr<BitmapImageRep> packedRGB(std::shared_ptr<BitmapImageRep> rep,
                                          BitmapImageRep::ColorSpace colorSpace, Packing packing);

// A packed-RGB copy (one point per pixel) of a 32-bit bitmap, an exact copy of a 24-bit RGB
// one, none (with a warning in the log) for anything else.
std::shared_ptr<BitmapImageRep> convertToRGB(const std::shared_ptr<BitmapImageRep>& rep);

// A new 3-sample bitmap without the alpha (or spare) byte of a 4-sample 8-bit bitmap; any
// other bitmap itself, so that callers can tell whether anything changed.
std::shared_ptr<BitmapImageRep> strippedAlphaImageRep(const std::shared_ptr<BitmapImageRep>& rep);

// Maps every byte of every row through the 256-entry table, in place.
void applyGamma(BitmapImageRep* rep, const std::uint8_t* table);

// An 8-bit gray bitmap of the same point size from 8-bit RGB (3 or 4 bytes a pixel), a copy
// of an 8-bit gray one, none for other layouts.
std::shared_ptr<BitmapImageRep> convertToGrayscale(const std::shared_ptr<BitmapImageRep>& rep);

// The table builders (see LookupTables).
void buildContrastBrightnessLUT(std::uint8_t* table, float contrast, float brightness);
void buildGammaLUTs(std::uint8_t* red, std::uint8_t* green, std::uint8_t* blue, int gamma,
                    int offset);

} // namespace Filters
