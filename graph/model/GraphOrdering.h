#pragma once

#include <cstdint>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphDataHost.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

// Shaping a filled chart before it is drawn: values as percentages of their
// bases, a series ordered by value with the X labels, cut to its largest
// entries, a cumulative Pareto line, and labels without points dropped. The X
// labels are shared by every series, so ordering or cutting one series moves
// and cuts the labels of the whole chart. The Graph control's members of the
// same names call these with itself.
//
// A series argument is a position or a series name; a series that does not
// exist raises the collection's error. Nothing here traps errors: a failure
// part way leaves the points already changed as they are.
namespace Dravex::GraphOrdering {

// Sorts the points of a series (not an XYGraph series) by Y, Ascending or
// otherwise descending, and its X labels (text and value) with them; each point
// keeps its X and ValueMode with its position and gets the TempValue 0. Equal
// values change places. Then, for every series style, when maxAmount is above
// 0, the series' points and the X labels beyond maxAmount are removed (other
// series keep theirs). Unordered does nothing at all. A series with more points
// than there are X labels raises the label collection's error once its values
// are sorted, unless the graph adds the missing labels while they are stored.
DRAVEX_API void OrderSeries(GraphDataHost& graph, const Runtime::Variant& series,
                            OrderType direction, int16_t maxAmount = 0);

// Orders a series (not an XYGraph series) descending, cut to maxAmount, and
// fills the series name (made when missing, as a line on the right-hand axis,
// whose maximum is fixed at 100; emptied when there) with the cumulative share
// of each point in whole percent: floor(running total × 100 / total), 0 when
// the total is 0. A Null point adds a point with the running share unchanged.
DRAVEX_API void Pareto(GraphDataHost& graph, const Runtime::Variant& series,
                       const std::string& name = "Cumulative", int16_t maxAmount = 0);

// Every Y becomes Y / TempValue × 100; a point whose Y or TempValue is Null, or
// whose TempValue is 0, becomes Null.
DRAVEX_API void Percent(GraphDataHost& graph, const Runtime::Variant& series);

// Removes the points whose Y is 0 from a series (not an XYGraph series), and
// with each the X label of its position when removeLabel is set and that label
// exists. Null points stay.
DRAVEX_API void RemoveZeros(GraphDataHost& graph, const Runtime::Variant& series,
                            bool removeLabel = true);

// Removes the X labels beyond the longest series that is not an XYGraph series
// (all of them when there is none).
DRAVEX_API void RemoveExcessXlabels(GraphDataHost& graph);

}  // namespace Dravex::GraphOrdering
