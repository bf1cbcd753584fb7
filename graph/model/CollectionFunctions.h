#pragma once

#include <cstdint>

#include "common/MathsFunctions.h"
#include "graph/DravexApi.h"
#include "runtime/Collection.h"

// The merge sort of keyed collections that orders a series. Items move without
// their keys. An item is compared by itself or, given a projection, by the
// projection of it (one property of an object item), a Null property counting
// as 0.
namespace Dravex::CollectionFunctions {

// Direction codes of the sort.
inline constexpr int16_t SortAscending = 0;
inline constexpr int16_t SortDescending = 1;
// No comparison: the first collection, then the second.
inline constexpr int16_t SortNone = 2;

// The items sorted in a new collection; a collection of 0 or 1 items is handed
// back as it is. Items that compare equal change places (the later half's item
// is taken first on a tie), as the merge does.
DRAVEX_API Runtime::CollectionRef SortCollection(const Runtime::CollectionRef& items,
                                                 const Common::ValueOf& property,
                                                 int16_t direction);

// A new collection of the items from..to. from is clamped to 1..Count, and a
// to above Count or below from becomes Count; both are written back.
DRAVEX_API Runtime::CollectionRef SubCollection(const Runtime::Collection& items, int16_t& from,
                                                int16_t& to);

// A new collection with the items of both, each step taking the front item of
// first when it comes before the front item of second (strictly: below it
// ascending, above it descending), else that of second; once one runs out, the
// rest of the other. Both inputs are left empty.
DRAVEX_API Runtime::CollectionRef MergeCollections(Runtime::Collection& first,
                                                   Runtime::Collection& second,
                                                   const Common::ValueOf& property,
                                                   int16_t direction);

}  // namespace Dravex::CollectionFunctions
