#include "core/platform/SRgbKernels.h"

namespace SRgbKernels {

void convertPortable(const Tables& t, const std::uint8_t* src, std::uint8_t* dst,
                     std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        convertPixel(t, src + 3 * i, dst + 3 * i);
    }
}

} // namespace SRgbKernels
