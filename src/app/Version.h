#pragma once
// The program's own version, as shown and as compared with published versions.

#include <QString>

namespace Version {
inline QString displayString() {
    return QStringLiteral("Version 1.4.1");
}
inline constexpr int kNumber = 141;
} // namespace Version
