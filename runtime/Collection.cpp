#include "runtime/Collection.h"
