#include "core/presets/Preset.h"
