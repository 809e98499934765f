#include "app/Controller.h"
