#include "runtime/Strings.h"
