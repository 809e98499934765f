#pragma once
// The program's diagnostic log: one line per message, category "fotino", to standard error.

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcFotino)

namespace Log {
// Writes one diagnostic line.
void write(const QString& line);
} // namespace Log
