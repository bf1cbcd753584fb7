#include "runtime/Regional.h"
