#pragma once

#include <cstdint>

#include "graph/model/GraphTypes.h"

// The graph library's colour routines.
namespace Dravex::TavroGraph {

// The colour a colour property keeps for the value given: the value itself.
GraphColour ColourValue(GraphColour colour);

// The colour of series number n (1-based) when it is given none: a plain
// 0x00bbggrr entry of the 16-colour palette. n 0 gives black; a negative n
// raises invalid procedure call (5).
GraphColour DefaultSeriesColour(int32_t n);

}  // namespace Dravex::TavroGraph
