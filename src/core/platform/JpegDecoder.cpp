#include "core/platform/JpegDecoder.h"

#include "core/platform/BitmapImageRep.h"
#include "core/platform/SRgbConverter.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QImage>
#include <QtEndian>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <mutex>
#include <new>
#include <thread>

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

// Reads the next `count` rows into pixels.
bool readRows(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* pixels,
              std::ptrdiff_t bytesPerRow, int count) {
    if (setjmp(errors->jump)) {
        return false;
    }
    const JDIMENSION base = info->output_scanline;
    const JDIMENSION end = base + JDIMENSION(count);
    while (info->output_scanline < end) {
        JSAMPROW rows[16];
        const JDIMENSION first = info->output_scanline;
        const JDIMENSION n = std::min<JDIMENSION>(16, end - first);
        for (JDIMENSION i = 0; i < n; ++i) {
            rows[i] = pixels + std::ptrdiff_t(first - base + i) * bytesPerRow;
        }
        if (jpeg_read_scanlines(info, rows, n) == 0) {
            return false;
        }
    }
    return true;
}

bool start(jpeg_decompress_struct* info, ErrorManager* errors, J_COLOR_SPACE space,
           int components) {
    if (setjmp(errors->jump)) {
        return false;
    }
    info->out_color_space = space;
    jpeg_start_decompress(info);
    return info->output_components == components;
}

bool finish(jpeg_decompress_struct* info, ErrorManager* errors) {
    if (setjmp(errors->jump)) {
        return false;
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

int exifOrientationOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next) {
        if (m->marker == JPEG_APP0 + 1) {
            return JpegDecoder::exifOrientation(m->data, static_cast<qsizetype>(m->data_length));
        }
    }
    return 1;
}

// Where the pixels of the stored picture go in the upright one: the byte offset of the stored
// top-left pixel, and the steps for one pixel along and one row down.
struct Placement {
    std::ptrdiff_t origin = 0;
    std::ptrdiff_t stepX = 3;
    std::ptrdiff_t stepY = 0;
};

Placement placement(int orientation, int width, int height, std::ptrdiff_t row) {
    const std::ptrdiff_t lastX = std::ptrdiff_t(width) - 1;
    const std::ptrdiff_t lastY = std::ptrdiff_t(height) - 1;
    switch (orientation) {
    case 2:
        return {3 * lastX, -3, row};
    case 3:
        return {lastY * row + 3 * lastX, -3, -row};
    case 4:
        return {lastY * row, 3, -row};
    case 5: // the upright picture is height pixels wide and width pixels high
        return {0, row, 3};
    case 6:
        return {3 * lastY, row, -3};
    case 7:
        return {lastX * row + 3 * lastY, -row, -3};
    case 8:
        return {lastX * row, -row, 3};
    default:
        return {0, 3, row};
    }
}

// Qt's RGB32 (what a colour transform converts in place) as libjpeg writes it.
constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
constexpr J_COLOR_SPACE kRgb32 = kLittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
constexpr int kRed32 = kLittleEndian ? 2 : 1;
constexpr int kGreen32 = kLittleEndian ? 1 : 2;
constexpr int kBlue32 = kLittleEndian ? 0 : 3;

// Copies n pixels of Bpp bytes, red, green and blue at R, G and B, fromStep bytes apart, to
// packed RGB pixels step (3 or -3) bytes apart from out + at. Packed RGB sources are read four
// bytes at a time: the byte after the last pixel must be readable.
template <int Bpp, int R, int G, int B>
void copyRun(const unsigned char* from, std::ptrdiff_t fromStep, int n, unsigned char* out,
             std::ptrdiff_t at, std::ptrdiff_t step) {
    // A run that goes backwards is copied from its far end, so that the stores go forwards.
    if (step < 0 && n > 0) {
        from += std::ptrdiff_t(n - 1) * fromStep;
        fromStep = -fromStep;
        at += std::ptrdiff_t(n - 1) * step;
        step = -step;
    }
    int k = 0;
    // One 4-byte store a pixel: its spare byte lands on the next pixel of the run, which is
    // written right after; the last pixel goes byte by byte.
    if constexpr (Bpp == 4 && kLittleEndian && R == 2 && G == 1 && B == 0) {
        for (; k + 1 < n; ++k, from += fromStep, at += step) {
            quint32 pixel; // B, G, R, X in memory
            std::memcpy(&pixel, from, 4);
            pixel = qbswap(pixel) >> 8; // R, G, B, 0
            std::memcpy(out + at, &pixel, 4);
        }
    } else if constexpr (Bpp == 3 && R == 0 && G == 1 && B == 2) {
        for (; k + 1 < n; ++k, from += fromStep, at += step) {
            std::memcpy(out + at, from, 4);
        }
    }
    for (; k < n; ++k, from += fromStep, at += step) {
        out[at] = from[R];
        out[at + 1] = from[G];
        out[at + 2] = from[B];
    }
}

// Copies decoded rows (firstRow on) to their upright places as packed RGB, always along the
// upright rows: a quarter turn reads the strip's columns and writes runs of the upright rows.
template <int Bpp, int R, int G, int B>
void placeRows(const unsigned char* rows, std::ptrdiff_t bytesPerRow, int width, int firstRow,
               int count, const Placement& to, unsigned char* out) {
    const std::ptrdiff_t first = to.origin + std::ptrdiff_t(firstRow) * to.stepY;
    if (to.stepX == 3 || to.stepX == -3) {
        for (int i = 0; i < count; ++i) {
            copyRun<Bpp, R, G, B>(rows + std::ptrdiff_t(i) * bytesPerRow, Bpp, width, out,
                                  first + std::ptrdiff_t(i) * to.stepY, to.stepX);
        }
    } else {
        for (int x = 0; x < width; ++x) {
            copyRun<Bpp, R, G, B>(rows + std::ptrdiff_t(x) * Bpp, bytesPerRow, count, out,
                                  first + std::ptrdiff_t(x) * to.stepX, to.stepY);
        }
    }
}

// Converts rows of RGB32 pixels in place. One row at a time: Qt spreads bigger pictures over
// its own thread pool, and the threads here are busy already.
void convertRows(unsigned char* rows, std::ptrdiff_t bytesPerRow, int width, int count,
                 const QColorTransform& transform) {
    for (int i = 0; i < count; ++i) {
        unsigned char* pixels = rows + std::ptrdiff_t(i) * bytesPerRow;
        QImage row(pixels, width, 1, qsizetype(bytesPerRow), QImage::Format_RGB32);
        row.applyColorTransform(transform);
        if (row.constBits() != pixels) { // Qt converted a copy
            std::memcpy(pixels, row.constBits(), size_t(width) * 4);
        }
    }
}

// Strips of 64 rows: the runs a quarter turn writes into each upright row then fill whole
// cache lines. Three of them let the decoding run ahead of the placing.
constexpr int kStripRows = 64;
constexpr int kSlots = 3;

// Runs read(strip, slot) for each strip in order on the calling thread, each into a free one
// of kSlots slots, and place(strip, slot) once it is read. With two threads a second thread
// places strips as they come, and the calling thread places some too whenever every slot is
// taken: converting by Qt costs about as much as decoding, and both threads stay busy. False
// as soon as a read fails.
template <class Read, class Place>
bool runStrips(int strips, int threads, const Read& read, const Place& place) {
    struct Job {
        int strip;
        int slot;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::array<int, kSlots> freeSlots{};
    int freeCount = kSlots;
    for (int i = 0; i < kSlots; ++i) {
        freeSlots[size_t(i)] = i;
    }
    std::array<Job, kSlots> ready{}; // read and not yet taken, oldest first
    int readyCount = 0;
    int taken = 0;
    int placed = 0;
    bool failed = false;
    // Takes the oldest strip read, places it and frees its slot; the lock is held on entry
    // and on return.
    const auto placeOne = [&](std::unique_lock<std::mutex>& lock) {
        const Job job = ready[0];
        std::move(ready.begin() + 1, ready.begin() + readyCount, ready.begin());
        --readyCount;
        ++taken;
        lock.unlock();
        place(job.strip, job.slot);
        lock.lock();
        freeSlots[size_t(freeCount++)] = job.slot;
        ++placed;
        changed.notify_all();
    };
    std::thread placer;
    if (threads >= 2 && strips >= 2) {
        try {
            placer = std::thread([&] {
                std::unique_lock lock(mutex);
                for (;;) {
                    changed.wait(lock, [&] { return readyCount > 0 || failed || taken == strips; });
                    if (failed || readyCount == 0) {
                        return;
                    }
                    placeOne(lock);
                }
            });
        } catch (...) {
            // No second thread to be had: all on this one.
        }
    }
    // Alone, this thread places each strip while it is still in the cache.
    const int readAhead = placer.joinable() ? kSlots : 1;
    int next = 0;
    std::unique_lock lock(mutex);
    while (placed < strips && !failed) {
        if (next < strips && freeCount > 0 && readyCount < readAhead) {
            const int slot = freeSlots[size_t(--freeCount)];
            lock.unlock();
            const bool ok = read(next, slot);
            lock.lock();
            if (!ok) {
                failed = true;
                changed.notify_all();
                break;
            }
            ready[size_t(readyCount++)] = {next++, slot};
            changed.notify_all();
        } else if (readyCount > 0) {
            placeOne(lock);
        } else {
            changed.wait(lock);
        }
    }
    lock.unlock();
    if (placer.joinable()) {
        placer.join();
    }
    return !failed;
}

std::atomic<int> gThreads{std::clamp(int(std::thread::hardware_concurrency()), 1, 2)};

// Decodes the picture, converts it to sRGB and turns it upright.
std::shared_ptr<BitmapImageRep> decodeUpright(jpeg_decompress_struct* info, ErrorManager* errors,
                                              int orientation, const QColorSpace& space) {
    const bool convert = space != QColorSpace(QColorSpace::SRgb);
    // Our tables where they reproduce Qt's conversion; elsewhere Qt's own, on RGB32 pixels.
    const auto converter = convert ? SRgbConverter::fromColorSpace(space) : nullptr;
    const bool qtConverts = convert && !converter;
    const int bpp = qtConverts ? 4 : 3;
    if (!start(info, errors, qtConverts ? kRgb32 : JCS_RGB, bpp)) {
        return nullptr;
    }
    const int width = int(info->output_width);
    const int height = int(info->output_height);
    const bool transposed = orientation >= 5;
    BitmapImageRep::Layout layout;
    layout.pixelsWide = transposed ? height : width;
    layout.pixelsHigh = transposed ? width : height;
    layout.samplesPerPixel = 3;
    auto rep = BitmapImageRep::initWithLayout(layout);
    if (!rep) {
        return nullptr;
    }
    if (!convert && orientation == 1) {
        return readRows(info, errors, rep->bitmapData(), rep->bytesPerRow(), height) &&
                       finish(info, errors)
                   ? rep
                   : nullptr;
    }
    const std::ptrdiff_t stripRow = std::ptrdiff_t(width) * bpp;
    // A spare byte for the 4-byte reads of the last pixel but one.
    const std::unique_ptr<unsigned char[]> buffers(
        new (std::nothrow) unsigned char[size_t(kSlots * kStripRows) * size_t(stripRow) + 1]);
    if (!buffers) {
        return nullptr;
    }
    const QColorTransform transform =
        qtConverts ? space.transformationToColorSpace(QColorSpace::SRgb) : QColorTransform();
    const Placement to = placement(orientation, width, height, rep->bytesPerRow());
    unsigned char* out = rep->bitmapData();
    const auto slotRows = [&](int slot) {
        return buffers.get() + std::ptrdiff_t(slot) * kStripRows * stripRow;
    };
    const auto rowsOf = [&](int strip) {
        return std::min(kStripRows, height - strip * kStripRows);
    };
    const auto read = [&](int strip, int slot) {
        return readRows(info, errors, slotRows(slot), stripRow, rowsOf(strip));
    };
    const auto place = [&](int strip, int slot) {
        unsigned char* rows = slotRows(slot);
        const int first = strip * kStripRows;
        const int count = rowsOf(strip);
        if (qtConverts) {
            convertRows(rows, stripRow, width, count, transform);
            placeRows<4, kRed32, kGreen32, kBlue32>(rows, stripRow, width, first, count, to, out);
        } else if (converter && to.stepX == 3) {
            // Rows that keep their direction are converted straight into their places.
            for (int i = 0; i < count; ++i) {
                converter->convert(rows + std::ptrdiff_t(i) * stripRow,
                                   out + to.origin + std::ptrdiff_t(first + i) * to.stepY, width);
            }
        } else {
            if (converter) {
                converter->convert(rows, rows, qsizetype(width) * count);
            }
            placeRows<3, 0, 1, 2>(rows, stripRow, width, first, count, to, out);
        }
    };
    const int strips = (height + kStripRows - 1) / kStripRows;
    if (!runStrips(strips, JpegDecoder::threads(), read, place) || !finish(info, errors)) {
        return nullptr;
    }
    return rep;
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
    if (quint64(ifd) + 2 > quint64(n)) {
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

int JpegDecoder::threads() {
    return gThreads.load(std::memory_order_relaxed);
}

void JpegDecoder::setThreads(int threads) {
    gThreads.store(std::clamp(threads, 1, 2), std::memory_order_relaxed);
}

std::shared_ptr<BitmapImageRep> JpegDecoder::decode(const QByteArray& data, int* orientation) {
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
        const int tag = exifOrientationOf(info);
        const QByteArray profile = iccProfile(info);
        const QColorSpace space = profile.isEmpty() ? QColorSpace(QColorSpace::SRgb)
                                                    : QColorSpace::fromIccProfile(profile);
        // Profiles Qt cannot read are left to the general road.
        if (space.isValid()) {
            result = decodeUpright(&info, &errors, tag, space);
            if (result && orientation) {
                *orientation = tag;
            }
        }
    }
    jpeg_destroy_decompress(&info);
    return result;
}
