#pragma once

#include <cstdint>

#include "graph/DravexApi.h"
#include "graph/model/GraphDataHost.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

// The Shewhart factors of an X-bar/R control chart, A2, D3 and D4, for
// subgroup sizes 2 to 10, and the control limits drawn from them. Each table
// is a collection of ten items, item n the factor of subgroup size n; item 1,
// and D3 up to size 6, are Null: there is no such factor.
namespace Dravex::XBarConstants {

// Fills (after emptying) the three tables.
DRAVEX_API void SetUpXBarConstants(Runtime::Collection& a2, Runtime::Collection& d3,
                                   Runtime::Collection& d4);

// The factor of subgroup size number from one table, as a Single: 0 where the
// table holds Null, the largest size's factor for a size beyond the table.
// A size below 1 raises the collection's error.
DRAVEX_API float XBarFactor(const Runtime::Collection& table, int16_t number);

// The limits of an X-bar/R chart whose series mean holds subgroup means and
// series range subgroup ranges, subgroups of sampleSize: the centre line
// ("Mean") of both series, and on the left-hand axis, dashed, "UCL" and "LCL"
// at X̿ ± A2·R̄ (keyed "Mean UCL", "Mean LCL") and "UCL" at D4·R̄ ("Range
// UCL"), each only where its factor product is above 0. The lines carry no
// tag, so they outlive the statistics set-up; keys already there keep their
// sections (which are dashed again). Nothing happens unless both series exist.
DRAVEX_API void AddMeanRangeLimits(GraphDataHost& graph, const Runtime::Collection& a2,
                                   const Runtime::Collection& d4, const Runtime::Variant& mean,
                                   const Runtime::Variant& range, int16_t sampleSize);

}  // namespace Dravex::XBarConstants
