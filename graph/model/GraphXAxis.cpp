#include "graph/model/GraphXAxis.h"

#include "graph/model/ObjectAccess.h"
#include "runtime/Error.h"

namespace Dravex {

GraphXAxis::GraphXAxis()
    : labels_(std::make_shared<GraphXAxisLabelCol>()), title_(std::make_shared<GraphText>()) {
  title_->Text("X Axis");
}

GraphXAxis::~GraphXAxis() = default;

std::shared_ptr<GraphXAxisLabelCol> GraphXAxis::Labels() const {
  return Required(labels_);
}

std::shared_ptr<GraphText> GraphXAxis::Title() const {
  return Required(title_);
}

void GraphXAxis::Width(int16_t value) {
  width_ = value;
  if (parent_ == nullptr) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  GraphHost& graph = *parent_;

  const int16_t needed = graph.MaxWidth();
  GraphScrollBar& scroll = graph.XScroll();
  if (value < needed) {
    // Nothing may draw half-way: the scroll bar's change handler would.
    graph.LocalDraw(false);
    scroll.Max(Count16(needed + 1 - value));
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
  } else {
    scroll.Visible(false);
    Required(graph.XAxis())->First(1);
  }
}

void GraphXAxis::LabelEvery(int16_t value) {
  if (value > 0) labelEvery_ = value;
}

}  // namespace Dravex
