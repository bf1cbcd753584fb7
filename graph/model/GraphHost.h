#pragma once

#include <cstdint>
#include <memory>

#include "graph/DravexApi.h"
#include "graph/model/GraphTypes.h"

namespace Dravex {

class GraphXAxis;

// The graph's horizontal scroll bar as the object model moves it: its Value
// is the first X position shown.
class DRAVEX_API GraphScrollBar {
 public:
  virtual int16_t Min() const = 0;
  virtual int16_t Max() const = 0;
  virtual void Max(int16_t value) = 0;
  virtual int16_t Value() const = 0;
  virtual void Value(int16_t value) = 0;
  virtual bool Visible() const = 0;
  virtual void Visible(bool value) = 0;

 protected:
  ~GraphScrollBar() = default;
};

// What the objects of the model need of the graph that owns them: the X
// window, the scroll bar, the redraw switch and the events they raise towards
// the host. The Graph control implements it under the same names as its own
// members.
//
// A child keeps a plain pointer to its graph (GraphXAxis::SetParent). The graph
// gives it that pointer when it builds its tree and takes it back (SetParent
// with nullptr) before it releases the tree or is destroyed; a child used after
// that raises "object not set" (91).
class DRAVEX_API GraphHost {
 public:
  // The graph's X axis (labels, Width, First).
  virtual std::shared_ptr<GraphXAxis> XAxis() const = 0;
  // The number of X positions the data needs.
  virtual int16_t MaxWidth() = 0;
  virtual GraphScrollBar& XScroll() = 0;
  // While False, drawing and the scroll bar's redraw do nothing.
  virtual bool LocalDraw() const = 0;
  virtual void LocalDraw(bool value) = 0;
  // Where the thumb goes when the scroll bar grows.
  virtual ScrollBarDirectionType ScrollBarDirection() const = 0;
  // The events NumLabels and ScrollBarSize: the host may clear action (preset
  // True) to keep the graph from adjusting the labels or the thumb itself.
  virtual void RaiseNumLabels(SizeEventType numLabel, bool& labelAction) = 0;
  virtual void RaiseScrollBarSize(SizeEventType scrollBarSize, bool& scrollBarAction) = 0;
  // Lays the control out again; it redraws only while AutoUpdate is True.
  virtual void UserControl_Resize() = 0;

 protected:
  ~GraphHost() = default;
};

// How the graph keeps its X labels and scroll bar in step with its points.
// Each asks the host first through the graph's events; the host may refuse.

// Whether the X labels and the scroll bar already fit points: then
// AppendMissingLabels and ExtendXScroll would do nothing and raise nothing.
DRAVEX_API bool FitsLabelsAndScroll(GraphHost& graph, int16_t points);

// Gives every position up to points a label when the X axis has fewer:
// raises NumLabels (TooFew) and, unless the host refuses, appends labels whose
// text is their position, with the position (an Integer) as value or, without
// positionAsValue, no value.
DRAVEX_API void AppendMissingLabels(GraphHost& graph, int16_t points, bool positionAsValue);

// Grows the scroll bar when points no longer fit the X window (Max below
// points - Width + 1): see GrowXScroll.
DRAVEX_API void ExtendXScroll(GraphHost& graph, int16_t points);

// Shows the scroll bar with the given Max and raises ScrollBarSize (TooFew);
// unless the host refuses, the thumb goes to Max (ScrollBarRight) or Min. Nothing
// draws meanwhile; afterwards LocalDraw is True and the graph is laid out again.
DRAVEX_API void GrowXScroll(GraphHost& graph, int16_t max);

}  // namespace Dravex
