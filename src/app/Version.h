#pragma once
// The program's own version, as shown and as compared with published versions. The numbers
// come from the project's version in CMake.

#include <QString>

namespace Version {
// "1.4.1"
inline QString string() {
    return QStringLiteral(FOTINO_VERSION);
}
// "Version 1.4.1"
inline QString displayString() {
    return QStringLiteral("Version ") + string();
}
// The digits of the version read as one number: 141 for 1.4.1.
inline constexpr int kNumber = FOTINO_VERSION_NUMBER;
} // namespace Version
