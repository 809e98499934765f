#include "ui/printing/PageLayout.h"
