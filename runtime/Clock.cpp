#include "runtime/Clock.h"
