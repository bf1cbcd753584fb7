#include "runtime/Conversions.h"
