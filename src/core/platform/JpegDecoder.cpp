#include "core/platform/JpegDecoder.h"

#include "core/platform/BitmapImageRep.h"

#include <QColorSpace>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// libjpeg reports fatal errors by calling this: leave the decoding function.
[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (such as corrupt data the decoder recovers from) are not fatal; the structure of
// the file was checked before.
void onMessage(j_common_ptr, int) {}

// The steps that may jump out of libjpeg hold no C++ objects.
bool readHeader(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* data,
                unsigned long size) {
    if (setjmp(errors->jump)) {
        return false;
    }
    jpeg_mem_src(info, data, size);
    jpeg_save_markers(info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_save_markers(info, JPEG_APP0 + 2, 0xFFFF);
    return jpeg_read_header(info, TRUE) == JPEG_HEADER_OK;
}

bool readPixels(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* pixels,
                std::ptrdiff_t bytesPerRow) {
    if (setjmp(errors->jump)) {
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW rows[16];
        const JDIMENSION first = info->output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(16, info->output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            rows[i] = pixels + std::ptrdiff_t(first + i) * bytesPerRow;
        }
        jpeg_read_scanlines(info, rows, count);
    }
    jpeg_finish_decompress(info);
    return true;
}

// The colour profile spread over APP2 "ICC_PROFILE" markers, in order; empty without one.
QByteArray iccProfile(const jpeg_decompress_struct& info) {
    QByteArray profile;
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 2 && m->data_length > 14 &&
            std::memcmp(m->data, "ICC_PROFILE\0", 12) == 0) {
            profile.append(reinterpret_cast<const char*>(m->data + 14),
                           static_cast<qsizetype>(m->data_length - 14));
        }
    }
    return profile;
}

int orientation(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1) {
            return JpegDecoder::exifOrientation(m->data, static_cast<qsizetype>(m->data_length));
        }
    }
    return 1;
}

// Turns packed RGB by quarter turns counter-clockwise into dst (of the turned size), in
// blocks small enough to stay in the cache.
void turnRGB(const unsigned char* src, int w, int h, std::ptrdiff_t srcRow, int turns,
             unsigned char* dst, std::ptrdiff_t dstRow) {
    constexpr int kBlock = 64;
    for (int by = 0; by < h; by += kBlock) {
        for (int bx = 0; bx < w; bx += kBlock) {
            for (int y = by; y < std::min(h, by + kBlock); ++y) {
                const unsigned char* from = src + std::ptrdiff_t(y) * srcRow;
                for (int x = bx; x < std::min(w, bx + kBlock); ++x) {
                    int tx = x;
                    int ty = y;
                    if (turns == 1) { // counter-clockwise: the right edge becomes the top
                        tx = y;
                        ty = w - 1 - x;
                    } else if (turns == 2) {
                        tx = w - 1 - x;
                        ty = h - 1 - y;
                    } else if (turns == 3) {
                        tx = h - 1 - y;
                        ty = x;
                    }
                    std::memcpy(dst + std::ptrdiff_t(ty) * dstRow + 3 * tx, from + 3 * x, 3);
                }
            }
        }
    }
}

} // namespace

int JpegDecoder::exifOrientation(const unsigned char* exif, qsizetype size) {
    if (size < 14 || std::memcmp(exif, "Exif\0\0", 6) != 0) {
        return 1;
    }
    const unsigned char* tiff = exif + 6;
    const qsizetype n = size - 6;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) {
        return 1;
    }
    const auto u16 = [&](qsizetype at) -> unsigned {
        return little ? unsigned(tiff[at]) | unsigned(tiff[at + 1]) << 8
                      : unsigned(tiff[at]) << 8 | unsigned(tiff[at + 1]);
    };
    const auto u32 = [&](qsizetype at) -> quint32 {
        return little ? quint32(u16(at)) | quint32(u16(at + 2)) << 16
                      : quint32(u16(at)) << 16 | quint32(u16(at + 2));
    };
    const quint32 ifd = u32(4);
    if (ifd + 2 > quint64(n)) {
        return 1;
    }
    const unsigned entries = u16(ifd);
    for (unsigned i = 0; i < entries; ++i) {
        const qsizetype at = qsizetype(ifd) + 2 + qsizetype(i) * 12;
        if (at + 12 > n) {
            break;
        }
        if (u16(at) == 0x0112) {
            const unsigned value = u16(at + 8);
            return value >= 1 && value <= 8 ? int(value) : 1;
        }
    }
    return 1;
}

std::shared_ptr<BitmapImageRep> JpegDecoder::decode(const QByteArray& data, int* quarterTurns) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onError;
    errors.manager.emit_message = onMessage;
    jpeg_create_decompress(&info);
    std::shared_ptr<BitmapImageRep> result;
    if (readHeader(&info, &errors, reinterpret_cast<const unsigned char*>(data.constData()),
                   static_cast<unsigned long>(data.size())) &&
        (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB ||
         info.jpeg_color_space == JCS_GRAYSCALE)) {
        const int tag = orientation(info);
        const QByteArray profile = iccProfile(info);
        const bool srgb =
            profile.isEmpty() || QColorSpace::fromIccProfile(profile) == QColorSpace::SRgb;
        // Mirrored orientations and other colour spaces take the general road.
        if (srgb && (tag == 1 || tag == 3 || tag == 6 || tag == 8)) {
            BitmapImageRep::Layout layout;
            layout.pixelsWide = int(info.image_width);
            layout.pixelsHigh = int(info.image_height);
            layout.samplesPerPixel = 3;
            auto rep = BitmapImageRep::initWithLayout(layout);
            if (rep && readPixels(&info, &errors, rep->bitmapData(), rep->bytesPerRow())) {
                const int turns = tag == 3 ? 2 : tag == 6 ? 3 : tag == 8 ? 1 : 0;
                if (turns == 0) {
                    result = std::move(rep);
                } else {
                    BitmapImageRep::Layout upright = layout;
                    if (turns % 2) {
                        std::swap(upright.pixelsWide, upright.pixelsHigh);
                    }
                    upright.bytesPerRow = 0;
                    if (auto out = BitmapImageRep::initWithLayout(upright)) {
                        turnRGB(rep->bitmapData(), layout.pixelsWide, layout.pixelsHigh,
                                rep->bytesPerRow(), turns, out->bitmapData(), out->bytesPerRow());
                        result = std::move(out);
                    }
                }
                if (result && quarterTurns) {
                    *quarterTurns = turns;
                }
            }
        }
    }
    jpeg_destroy_decompress(&info);
    return result;
}
