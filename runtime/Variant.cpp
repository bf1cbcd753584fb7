#include "runtime/Variant.h"
