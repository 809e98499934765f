#include "core/analysis/AutoFrame.h"

#include "core/analysis/FaceFinder.h"
#include "core/document/Fotino.h"

AutoFrame::Result AutoFrame::frame(Fotino& document, const FaceFinder& finder) {
    Q_UNUSED(document);
    Q_UNUSED(finder);
    return {};
}

void AutoFrame::frameOnFace(Fotino& document, const FaceFeatures& face) {
    Q_UNUSED(document);
    Q_UNUSED(face);
}
