#pragma once
// Shadows the program uses again and again.

#include "core/platform/GraphicsContext.h"

namespace DefaultsExtension {
// Two points right and two down, blurred over five points, black at three quarters.
GraphicsContext::Shadow midShadow();
} // namespace DefaultsExtension
