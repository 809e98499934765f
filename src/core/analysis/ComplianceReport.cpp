#include "core/analysis/ComplianceReport.h"

#include "core/document/Fotino.h"

ComplianceReport ComplianceReport::evaluate(Fotino& document,
                                            const std::optional<FaceFeatures>& face) {
    Q_UNUSED(document);
    ComplianceReport report;
    report.faceFound = face.has_value();
    return report;
}

bool ComplianceReport::headInside() const {
    return headHeight && (!headRange || headRange->contains(*headHeight));
}

bool ComplianceReport::eyeLineInside() const {
    return eyeLine && (!eyeRange || eyeRange->contains(*eyeLine));
}

QString ComplianceReport::status() const {
    if (!faceFound) {
        return QStringLiteral("no face");
    }
    return headInside() && eyeLineInside() ? QStringLiteral("ok") : QStringLiteral("outside");
}
