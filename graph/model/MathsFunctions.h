#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "common/MathsFunctions.h"
#include "graph/DravexApi.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

// Numeric routines of the graph library.
namespace Dravex::MathsFunctions {

// The logarithm of x to the given base, as a Double. Exact where x is a whole
// power of the base (1000 to base 10 gives 3, not 2.9999999999999996), so that
// the decade of a value is never one too low. x or base not above 0 raises
// invalid procedure call (5); base 1 raises division by zero (11).
DRAVEX_API Runtime::Variant LogBase(const Runtime::Variant& x, const Runtime::Variant& base);

// A point of the plot: an X position and a value on a Y axis.
struct GraphPoint {
  float X = 0;
  float Y = 0;
  friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

// Where a line crosses into and out of a rectangle: the first Found (0 to 2)
// of Ends; an end not found stays (0, 0).
struct LineEnds {
  std::array<GraphPoint, 2> Ends{};
  int16_t Found = 0;
};

// The least-squares line y = b·x + a through the pairs of xItems and yItems
// (each item, or its projection), clipped to the rectangle between the two
// corners. With no X items the X values are 1, 2, ... up to the number of Y
// items. The corners are put in order in place: corner1 becomes the top left
// (low X, high Y) and corner2 the bottom right.
//
// The ends are the first two distinct points among, in this order: the line at
// the low X edge, at the high X edge, at the high Y edge and at the low Y edge,
// each counted only inside the closed rectangle. A line through a corner meets
// two edges there, and that point is taken once. A line that misses the
// rectangle, or touches it in one point, has fewer than two ends.
//
// Two or more X values that are all equal raise division by zero (11).
DRAVEX_API LineEnds BestFitLinear(const Runtime::Collection& xItems,
                                  const Runtime::Collection& yItems, GraphPoint& corner1,
                                  GraphPoint& corner2, const Common::ValueOf& xProperty = {},
                                  const Common::ValueOf& yProperty = {});

// Appends each value that is a number of kind Long, Single, Integer or Double,
// or Null, in order, after emptying items when clearFirst is set; every other
// value (text, Boolean, Byte, Date, objects...) is passed over.
DRAVEX_API void AddNumbersToCollection(Runtime::Collection& items, bool clearFirst,
                                       std::initializer_list<Runtime::Variant> values);

}  // namespace Dravex::MathsFunctions
