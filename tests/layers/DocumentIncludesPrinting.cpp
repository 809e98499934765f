#include "core/printing/PrintArrangement.h"
