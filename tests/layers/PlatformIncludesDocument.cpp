#include "core/document/Fotino.h"
