#pragma once

#include "graph/DravexApi.h"

// The library's version as "major.minor.patch".
extern "C" DRAVEX_API const char* DravexVersion();
