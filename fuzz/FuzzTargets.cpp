#include "FuzzTargets.h"

#include <QDir>
#include <QTemporaryDir>

namespace FuzzTargets {

const std::vector<Named>& all() {
    static const std::vector<Named> targets = {
        {"plist", propertyList}, {"document", document}, {"preset", preset},
        {"picture", picture},    {"cli", commandLine},
    };
    return targets;
}

QString sandbox() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fotino-fuzz-XXXXXX"));
    return dir.path();
}

} // namespace FuzzTargets
