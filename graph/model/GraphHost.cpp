#include "graph/model/GraphHost.h"

#include <string>

#include "graph/model/GraphXAxis.h"
#include "graph/model/ObjectAccess.h"

namespace Dravex {

namespace {

int32_t ScrollNeeded(const GraphXAxis& axis, int16_t points) {
  return int32_t{points} - axis.Width() + 1;
}

}  // namespace

bool FitsLabelsAndScroll(GraphHost& graph, int16_t points) {
  const std::shared_ptr<GraphXAxis> axis = Required(graph.XAxis());
  return axis->Labels()->Count() >= points && graph.XScroll().Max() >= ScrollNeeded(*axis, points);
}

void AppendMissingLabels(GraphHost& graph, int16_t points, bool positionAsValue) {
  const int16_t labelled = Required(graph.XAxis())->Labels()->Count();
  if (labelled >= points) return;
  bool labelAction = true;
  graph.RaiseNumLabels(SizeEventType::TooFew, labelAction);
  if (!labelAction) return;
  // Looked up again: a handler may have torn the graph's tree down.
  const auto labels = Required(graph.XAxis())->Labels();
  for (int32_t position = labelled + 1; position <= points; ++position) {
    labels->Add(std::to_string(position), positionAsValue
                                              ? Runtime::Variant(static_cast<int16_t>(position))
                                              : Runtime::Variant::Missing());
  }
}

void ExtendXScroll(GraphHost& graph, int16_t points) {
  const int32_t needed = ScrollNeeded(*Required(graph.XAxis()), points);
  if (graph.XScroll().Max() < needed) GrowXScroll(graph, Count16(needed));
}

void GrowXScroll(GraphHost& graph, int16_t max) {
  GraphScrollBar& scroll = graph.XScroll();
  // The scroll bar's change handler draws unless LocalDraw is off.
  graph.LocalDraw(false);
  scroll.Max(max);
  scroll.Visible(true);
  bool scrollBarAction = true;
  graph.RaiseScrollBarSize(SizeEventType::TooFew, scrollBarAction);
  if (scrollBarAction) {
    scroll.Value(graph.ScrollBarDirection() == ScrollBarDirectionType::ScrollBarRight
                     ? scroll.Max()
                     : scroll.Min());
  }
  graph.LocalDraw(true);
  graph.UserControl_Resize();
}

}  // namespace Dravex
