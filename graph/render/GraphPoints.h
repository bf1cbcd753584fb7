#pragma once

#include <cstdint>
#include <vector>

#include "graph/model/GraphSeries.h"
#include "graph/model/GraphValue.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Variant.h"

// The points of a series as the drawing reads them, position by position:
// gathered once per pass instead of looked up in the collection for every
// point. Inside the library only.
namespace Dravex::GraphPoints {

// The points of a series; element 0 is position 1. A collection item that is
// no point raises as reading it by position would.
inline std::vector<const GraphValue*> Of(const GraphSeries& series) {
  const auto values = series.Values()->Col();
  std::vector<const GraphValue*> points;
  points.reserve(static_cast<size_t>(values->Count()));
  for (const Runtime::Variant& item : *values) {
    const auto* point = dynamic_cast<const GraphValue*>(item.GetObject().get());
    if (point == nullptr) {
      Runtime::Raise(item.IsNothing() ? Runtime::ErrorNumber::ObjectNotSet
                                      : Runtime::ErrorNumber::TypeMismatch);
    }
    points.push_back(point);
  }
  return points;
}

// The number a value holds (False for Null); text that is no number raises
// type mismatch, as converting it would.
inline bool Number(const Runtime::Variant& value, float& number) {
  if (value.IsNull()) return false;
  number = Runtime::CSng(value);
  return true;
}

// Point `position` (1-based) of points, or nullptr beyond the last.
inline const GraphValue* At(const std::vector<const GraphValue*>& points, int32_t position) {
  if (position < 1 || position > static_cast<int32_t>(points.size())) return nullptr;
  return points[static_cast<size_t>(position - 1)];
}

}  // namespace Dravex::GraphPoints
