#pragma once

#include <cstdint>

#include "graph/DravexApi.h"
#include "graph/model/GraphDataHost.h"
#include "graph/model/GraphTypes.h"

// The selected and alarm flags of a graph's points (ValueMode bits 1 and 4),
// and the selection cursor: the X positions of the first and last selected
// point. The Graph control's members of the same names call these with itself
// and its cursor, and do what needs the control (redrawing, raising events).
namespace Dravex::GraphSelection {

// Clears the selected bit (ClearSelection) or the error bit (ClearAlarms) of
// every point of every series; the other two flags stay, anything beyond them
// goes.
DRAVEX_API void ClearSelection(GraphDataHost& graph);
DRAVEX_API void ClearAlarms(GraphDataHost& graph);

// Sets the selected bit of the points at positions firstSelected to
// lastSelected of every series that has them. A firstSelected below 1 raises
// the collection's error on the first series with points in the range.
DRAVEX_API void AddSelections(GraphDataHost& graph, int16_t firstSelected, int16_t lastSelected);

// Moves one end of the cursor (lastSelected for SelectionLast or any value but
// SelectionFirst, else firstSelected) towards the sign of offset to the
// nearest position, up to MaxWidth or down to 1, at which some series has a
// point that is not Null. It stays where it is when there is none, or when
// offset is 0.
DRAVEX_API void SetSelection(GraphDataHost& graph, SeletionType whichSelection, int16_t offset,
                             int16_t& firstSelected, int16_t& lastSelected);

// Flags anew, with the error bit, every point beyond an enabled specification
// limit of a series whose alarm is AlarmSpecLimit (below the lower or above
// the upper; a point on a limit is no alarm), after clearing every error bit.
// True when a point was flagged.
DRAVEX_API bool CheckAlarms(GraphDataHost& graph);

}  // namespace Dravex::GraphSelection
