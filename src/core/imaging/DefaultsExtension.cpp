#include "core/imaging/DefaultsExtension.h"

GraphicsContext::Shadow DefaultsExtension::midShadow() {
    GraphicsContext::Shadow shadow;
    shadow.offset = QPointF(2, -2);
    shadow.blurRadius = 5.0;
    shadow.color = GraphicsContext::colorWithRGB(0, 0, 0, 0.75);
    return shadow;
}
