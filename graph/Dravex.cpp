#include "graph/Dravex.h"

extern "C" const char* DravexVersion() {
  return DRAVEX_VERSION;
}
