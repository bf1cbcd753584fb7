#pragma once

#include <cstdint>
#include <functional>

#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Common {

// Statistics over a keyed collection. With a projection, the value of an item
// is the projection of it (one property of an object item) and Null values are
// passed over; without one (value mode), the value is the item itself.
using ValueOf = std::function<Runtime::Variant(const Runtime::Variant& item)>;

// Sum from the Integer 0 by variant addition; in value mode a Null item makes
// the sum Null.
Runtime::Variant SumOf(const Runtime::Collection& items, const ValueOf& property = {});
// Items whose value is not Null, or every item when skipNulls is false.
int16_t CountOf(const Runtime::Collection& items, const ValueOf& property = {},
                bool skipNulls = true);
// SumOf / CountOf of the non-Null values, or 0 when there are none.
Runtime::Variant MeanOf(const Runtime::Collection& items, const ValueOf& property = {});
// The sum of a(i) × b(i) with Null taken as 0; 0 when the counts differ.
Runtime::Variant SumOfProducts(const Runtime::Collection& itemsA, const Runtime::Collection& itemsB,
                               const ValueOf& propertyA = {}, const ValueOf& propertyB = {});
Runtime::Variant SumOfSquares(const Runtime::Collection& items, const ValueOf& property = {});

inline constexpr int32_t StdDevPopulation = 1;
inline constexpr int32_t StdDevSample = 0;
// Population (mode 1) or sample (any other mode) standard deviation as a
// Double; 0 for fewer than two values. A variance that rounding leaves just
// below zero (equal values) gives 0.
Runtime::Variant StdDevOf(const Runtime::Collection& items, int32_t mode,
                          const ValueOf& property = {});

}  // namespace Common
