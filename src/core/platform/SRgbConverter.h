#pragma once
// Converts 8-bit RGB pixels from a matrix-and-curves colour profile to sRGB with tables taken
// from Qt's own conversion: within a level of QColorTransform, and faster (eight times with
// AVX-512 VBMI). Profiles the tables cannot reproduce are left to Qt.

#include "core/platform/InstructionPaths.h"

#include <QByteArray>
#include <QColorSpace>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace SRgbKernels {
struct Tables;
}

class SRgbConverter {
public:
    // The instruction paths of the conversion: portable C++, AVX2, or AVX-512 VBMI with
    // BITALG. All give the same bytes.
    using Path = InstructionPath;

    // The converter from the colour space to sRGB; none when the space is invalid or its
    // conversion is not one the tables reproduce. Kept for the spaces asked for last.
    static std::shared_ptr<const SRgbConverter> fromColorSpace(const QColorSpace& space);
    // Switched off, fromColorSpace answers none and its callers use Qt's conversion instead:
    // for comparing the two roads.
    static void setEnabled(bool enabled);
    static bool isEnabled();

    ~SRgbConverter();
    SRgbConverter(const SRgbConverter&) = delete;
    SRgbConverter& operator=(const SRgbConverter&) = delete;

    // Converts count packed RGB pixels (red, green, blue: one byte each) of src into dst,
    // which may be src itself.
    void convert(const uchar* src, uchar* dst, qsizetype count) const;

    // The largest difference of one sample from what the transform makes of a grid of
    // colours (every channel at 0, 8, 16, ... 248 and 255).
    int worstDifferenceFrom(const QColorTransform& transform) const;

    // The paths this processor runs, simplest first.
    static std::vector<Path> availablePaths();
    // Chooses the path for the whole process; false, changing nothing, when the processor
    // has not got it.
    static bool setPath(Path path);
    static Path currentPath();
    static const char* pathName(Path path);

private:
    SRgbConverter();
    static std::shared_ptr<const SRgbConverter> build(const QColorSpace& space);

    std::unique_ptr<SRgbKernels::Tables> tables_;
};
