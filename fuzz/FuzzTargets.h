#pragma once
// The entry points that read what comes from outside, each as a function of raw bytes: the
// fuzzers call them under libFuzzer, and the test program feeds them every file of the seed
// and regression corpora. Each answers false when one of its checks on the result failed
// (having said which on the error stream); a crash or a sanitizer report is a failure too.
//
// Inputs are bounded where the work would be legitimately slow: pictures above kMaxPixels are
// refused before decoding, documents that print above kMaxRenderPixels are not rendered.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace FuzzTargets {

constexpr qint64 kMaxPixels = 4'000'000;
constexpr qint64 kMaxRenderPixels = 16'000'000;

using Target = bool (*)(const uint8_t* data, size_t size);

// Property-list bytes, XML or binary.
bool propertyList(const uint8_t* data, size_t size);
// A document file, opened as the library opens it, rendered at 72 dpi, as its thumbnail and
// on the print preview's sheet, beside a picture of each kind it may name.
bool document(const uint8_t* data, size_t size);
// A preset file, loaded as the store loads it, its icon, mask, guides and rules read.
bool preset(const uint8_t* data, size_t size);
// Picture bytes of any kind, through the decoder and the JPEG road.
bool picture(const uint8_t* data, size_t size);
// Command-line words (separated by NUL bytes) after the program name, parsed by the real
// commands in an empty folder where no document exists, so nothing is rendered or written.
bool commandLine(const uint8_t* data, size_t size);

struct Named {
    const char* name; // the folder name of its corpora
    Target target;
};
const std::vector<Named>& all();

// A folder of the process for the files the targets write, made on first use.
QString sandbox();

} // namespace FuzzTargets
