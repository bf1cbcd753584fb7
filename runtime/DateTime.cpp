#include "runtime/DateTime.h"
