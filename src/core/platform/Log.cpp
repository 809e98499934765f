#include "core/platform/Log.h"

Q_LOGGING_CATEGORY(lcFotino, "fotino")

namespace Log {
void write(const QString& line) {
    QString oneLine = line;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qCInfo(lcFotino).noquote() << oneLine;
}
} // namespace Log
